#pragma once

#include <QRect>

struct BoardEntry;
struct BoardLine;
struct BoardLook;
struct BoardModel;
class QFont;
class QPainter;
class QString;

// Paints the board's client area in pixels from its top left: artwork, title, letter grid,
// word list and the visible strike lines. Screen and printer use the same routine; fonts are
// turned into pixel sizes so a scaled painter scales the text with everything else.
// Paper ink saves a printer's ink: white paper, black letters, grey strike lines.
enum class BoardInk { Screen, Paper };
void paintBoardModel(QPainter& painter, const BoardModel& model, BoardInk ink = BoardInk::Screen);

// The two layers of paintBoardModel. The static board changes only with the puzzle, a font, a
// word-list entry's look or the title, so the screen keeps it in a pixmap; the strike lines and
// the open selection are drawn over it.
void paintStaticBoard(QPainter& painter, const BoardModel& model, BoardInk ink = BoardInk::Screen);
// Lines that cannot touch `area` are skipped; a null area draws them all.
void paintStrikeLines(QPainter& painter, const BoardModel& model, const QRect& area = QRect(),
                      BoardInk ink = BoardInk::Screen);

// What word-list entry shows in `width` pixels of `font`: its caption, cut with an ellipsis
// where it does not fit; with Show Answers, a found question followed by its word.
QString entryText(const BoardEntry& entry, const BoardLook& look, const QFont& font, double width);

// The pixels a strike line may touch: its end points and half its width around them.
QRect strikeLineBounds(const BoardLine& line);

// The keyboard's cell cursor: a frame around cell n, drawn over everything else.
void paintCellCursor(QPainter& painter, int n);
QRect cellCursorBounds(int n);
