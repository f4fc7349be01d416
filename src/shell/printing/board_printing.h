#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

struct Services;
class BoardWindow;
class QPrinter;

namespace printing {

enum class PrintResult { Printed, Cancelled, Failed };

// Prints the board's client area as drawn - grid, word list, strike lines - on one page,
// scaled to fit and centred. Without an installed printer the page goes to a PDF file the
// player names; cancelling that prints nothing. A failure is reported in a message box.
PrintResult printBoard(Services& services, const BoardWindow& board, QPrinter& printer);

// The largest rectangle of the content's shape that fits the page, centred on it.
QRectF fitCentred(const QSizeF& content, const QRectF& page);

// True when printing has to go to a file the player chooses: no printer is installed, or the
// printer writes PDF and has no file name yet.
bool needsPdfFile(const QPrinter& printer, bool printersInstalled);

// The file the PDF save dialog suggests: the puzzle title made safe for a file name.
QString suggestedPdfPath(const QString& folder, const QString& title);
QString withPdfExtension(const QString& path);

}  // namespace printing
