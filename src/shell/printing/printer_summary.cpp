#include "shell/printing/printer_summary.h"

#include "shell/printing/print_settings.h"

namespace printing {

int orientationNumber(QPageLayout::Orientation orientation) {
    return orientation == QPageLayout::Portrait ? 1 : 2;
}

QString orientationCaption(int number) {
    return number == 1 ? QStringLiteral("Portrait") : QStringLiteral("Landscape");
}

PrinterSummary summarize(const PrintSettings& settings) {
    PrinterSummary summary;
    summary.name = settings.printer.isEmpty() ? QStringLiteral("PDF file") : settings.printer;
    summary.copies = QString::number(settings.copies);
    summary.orientation = orientationCaption(orientationNumber(settings.orientation));
    return summary;
}

}  // namespace printing
