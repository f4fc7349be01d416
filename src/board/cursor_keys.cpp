#include "board/cursor_keys.h"

#include "core/grid_shape.h"

#include <Qt>

#include <algorithm>

namespace cursor_keys {
namespace {
using grid::kColumns;
using grid::kRows;

Outcome moveTo(int row, int column) {
    return {Act::Move,
            grid::cellAt(std::clamp(row, 0, kRows - 1), std::clamp(column, 0, kColumns - 1))};
}
}  // namespace

Outcome onKey(int key, int cell) {
    cell = std::clamp(cell, 1, grid::kCells);
    const int row = grid::rowOf(cell);
    const int column = grid::columnOf(cell);
    switch (key) {
        case Qt::Key_Left:
            return moveTo(row, column - 1);
        case Qt::Key_Right:
            return moveTo(row, column + 1);
        case Qt::Key_Up:
            return moveTo(row - 1, column);
        case Qt::Key_Down:
            return moveTo(row + 1, column);
        case Qt::Key_Home:
            return moveTo(row, 0);
        case Qt::Key_End:
            return moveTo(row, kColumns - 1);
        case Qt::Key_PageUp:
            return moveTo(0, column);
        case Qt::Key_PageDown:
            return moveTo(kRows - 1, column);
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return {Act::LeftClick, cell};
        case Qt::Key_Escape:
            return {Act::RightClick, cell};
        default:
            return {Act::None, cell};
    }
}

}  // namespace cursor_keys
