#include "board/grid_accessible.h"

#include "board/board_accessibility.h"
#include "board/board_model.h"
#include "board/board_window.h"
#include "core/grid_shape.h"

QRect GridAccessible::rect() const {
    using namespace board_geometry;
    const double right = cellLeft(grid::kCells) + kCellSize;
    const double bottom = cellTop(grid::kCells) + kCellSize;
    return onScreen(cellLeft(1), cellTop(1), right - cellLeft(1), bottom - cellTop(1));
}

int GridAccessible::childCount() const {
    return owner_.snapshot().covered ? 0 : grid::kCells;
}

QAccessibleInterface* GridAccessible::child(int index) const {
    return owner_.cell(index + 1);
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const GridCellAccessible*>(child);
    return cell && owner_.cell(cell->cell()) == cell ? cell->cell() - 1 : -1;
}

QAccessibleInterface* GridAccessible::focusChild() const {
    const BoardSnapshot shot = owner_.snapshot();
    return shot.focused && !shot.covered ? owner_.cell(shot.cursorCell) : nullptr;
}

void* GridAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                               : nullptr;
}

QAccessibleInterface* GridAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
    return owner_.cell(grid::cellAt(row, column));
}

QList<QAccessibleInterface*> GridAccessible::selectedCells() const {
    const int anchor = owner_.snapshot().anchorCell;
    return anchor ? QList<QAccessibleInterface*>{owner_.cell(anchor)}
                  : QList<QAccessibleInterface*>{};
}

int GridAccessible::columnCount() const {
    return owner_.snapshot().covered ? 0 : grid::kColumns;
}

int GridAccessible::rowCount() const {
    return owner_.snapshot().covered ? 0 : grid::kRows;
}

QString GridAccessible::name() const {
    return QStringLiteral("Letter grid");
}

QAccessibleInterface* GridCellAccessible::parent() const {
    return owner_.grid();
}

QRect GridCellAccessible::rect() const {
    using namespace board_geometry;
    return onScreen(cellLeft(cell_), cellTop(cell_), kCellSize, kCellSize);
}

QAccessible::State GridCellAccessible::state() const {
    const BoardSnapshot shot = owner_.snapshot();
    QAccessible::State state = BoardPartAccessible::state();
    state.focusable = true;
    state.focused = shot.focused && shot.cursorCell == cell_;
    state.selectable = true;
    state.selected = shot.anchorCell == cell_;
    return state;
}

void* GridCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableCellInterface
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
}

bool GridCellAccessible::isSelected() const {
    return owner_.snapshot().anchorCell == cell_;
}

int GridCellAccessible::columnIndex() const {
    return grid::columnOf(cell_);
}

int GridCellAccessible::rowIndex() const {
    return grid::rowOf(cell_);
}

QAccessibleInterface* GridCellAccessible::table() const {
    return owner_.grid();
}

QString GridCellAccessible::name() const {
    return owner_.snapshot().cellName(cell_);
}
