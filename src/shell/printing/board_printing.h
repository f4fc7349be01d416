#pragma once

#include "board/board_model.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

struct Puzzle;
struct PrintOptions;
struct Services;
class BoardWindow;
class PrintSession;
class QPagedPaintDevice;

namespace printing {

enum class PrintResult { Printed, Cancelled, Failed };

// Prints the board as drawn - grid, word list, strike lines - scaled to fit one page and
// centred, then, when asked, an answer page. With a printer chosen the pages go to its queue
// without waiting for the print system; without one they go to a PDF file the player names
// (cancelling prints nothing). A failure is reported in a message box, a refused job as soon
// as the print system says so.
PrintResult printBoard(Services& services, const BoardWindow& board, const Puzzle& puzzle,
                       PrintSession& session, const PrintOptions& options);

// The board with every word's line drawn and every word listed, none struck.
BoardModel answerModel(const BoardModel& shown, const Puzzle& puzzle);

// The largest rectangle of the content's shape that fits the page, centred on it.
QRectF fitCentred(const QSizeF& content, const QRectF& page);

// The file the PDF save dialog suggests: the puzzle title made safe for a file name.
QString suggestedPdfPath(const QString& folder, const QString& title);
QString withPdfExtension(const QString& path);

}  // namespace printing
