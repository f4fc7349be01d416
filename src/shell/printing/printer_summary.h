#pragma once

#include <QPageLayout>
#include <QString>

struct PrintSettings;

// What the print dialog shows about the current printer.
struct PrinterSummary {
    QString name;
    QString copies;
    QString orientation;  // "Portrait" or "Landscape"
};

namespace printing {

// The classic orientation numbers: 1 portrait, 2 landscape.
int orientationNumber(QPageLayout::Orientation orientation);
// 1 shows "Portrait", any other number "Landscape".
QString orientationCaption(int number);
// With no printer chosen the board goes to a PDF file, and the name says so.
PrinterSummary summarize(const PrintSettings& settings);

}  // namespace printing
