#pragma once

#include "board/board_look.h"
#include "core/game_session.h"
#include "core/grid_shape.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <array>

// What the board shows, readable by tests without pixels. The game's part of it is drawn from a
// GameSession (session_view.h); the fonts and the title are the board's own. Index 0 of every array
// is unused so that cell n, entry i and line k keep the numbering of the game (cells 1..360,
// entries and lines 1..kMaxWords).

// Drawing modes of the strike lines, with their classic numbers.
using DrawMode = LineMode;

struct BoardCell {
    QString caption;  // one capital letter, or empty
    QFont font;
};

struct BoardEntry {
    QString caption;
    QString tag;  // the word itself, which the caption may not show
    QString toolTip;
    QFont font;
    QColor color = QColor(0, 0, 0);
    bool struck = false;  // drawn struck through
};

struct BoardLine {
    bool visible = false;
    QPointF p1;  // twips, board client coordinates
    QPointF p2;
    DrawMode mode = DrawMode::MaskPen;
    int slot = 0;  // the word it marks once struck; 0 while it is the open selection
};

struct BoardModel {
    std::array<BoardCell, grid::kCells + 1> cells{};
    std::array<BoardEntry, kMaxWords + 1> entries{};
    std::array<BoardLine, kMaxWords + 1> lines{};
    QString title = QStringLiteral("Quarrow");  // drawn over its own shadow
    BoardLook look;
};

// Geometry of the design layout, in twips.
namespace board_geometry {
constexpr double kClientWidth = 11730;
constexpr double kClientHeight = 7575;
// Cell n (1..360): Left = 720 + 360*c, Top = 840 + 360*r, 375 x 375.
double cellLeft(int n);
double cellTop(int n);
constexpr double kCellSize = 375;
QPointF cellCentre(int n);  // (Left + 187.5, Top + 187.5)
using grid::isCell;

// The word-list panel and entry i (1..kMaxWords) inside it; entryRect is in board coordinates.
constexpr double kPanelLeft = 8440;
constexpr double kPanelTop = 0;
constexpr double kPanelWidth = 3270;
constexpr double kPanelHeight = 7560;
QRectF entryRect(int i);

// The title; its shadow is the same rectangle 15 twips lower.
constexpr double kTitleLeft = 360;
constexpr double kTitleTop = 240;
constexpr double kTitleWidth = 7935;
constexpr double kTitleHeight = 375;
constexpr double kShadowOffset = 15;

// Hit tests on a point in twips, 0 when it lies on no cell or entry. Neighbouring cells overlap
// by 15 twips; a point in the overlap belongs to the cell with the lower index.
int cellAt(const QPointF& twipsPos);
int entryAt(const QPointF& twipsPos);
}  // namespace board_geometry

// The design fonts: MS Sans Serif, 13.5 pt for the grid and the title, 9.75 pt for the word list.
QFont defaultCellFont();
QFont defaultEntryFont();
QFont titleFont();
