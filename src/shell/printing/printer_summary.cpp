#include "shell/printing/printer_summary.h"

#include <QPrinter>

namespace printing {

int orientationNumber(QPageLayout::Orientation orientation) {
    return orientation == QPageLayout::Portrait ? 1 : 2;
}

QString orientationCaption(int number) {
    return number == 1 ? QStringLiteral("Portrait") : QStringLiteral("Landscape");
}

PrinterSummary summarize(const QPrinter& printer) {
    PrinterSummary summary;
    summary.name =
        printer.printerName().isEmpty() ? QStringLiteral("PDF file") : printer.printerName();
    summary.copies = QString::number(printer.copyCount());
    summary.orientation = orientationCaption(orientationNumber(printer.pageLayout().orientation()));
    return summary;
}

}  // namespace printing
