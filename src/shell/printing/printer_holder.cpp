#include "shell/printing/printer_holder.h"

#include <QPrinter>

PrinterHolder::PrinterHolder() = default;
PrinterHolder::~PrinterHolder() = default;

QPrinter& PrinterHolder::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}
