#include "core/placement_geometry.h"

#include <algorithm>

namespace generator {

PlacementGeometry::PlacementGeometry(Level level, GridShape shape)
    : shape_(shape), cells_(shape.columns * shape.rows) {
    for (int code = 1; code <= 8; ++code) {
        if (code == 7 || !allowed(level, code)) continue;
        const Direction dir = direction(code);
        slots_.push_back(
            {code, dir.columnStep, dir.rowStep, dir.rowStep * shape.columns + dir.columnStep});
    }
    for (int candidate = 0; candidate < candidates(); ++candidate) {
        starts_.push_back({static_cast<short>(candidate % cells_ + 1),
                           static_cast<short>(slots_[candidate / cells_].cellStep)});
    }
}

bool PlacementGeometry::withinLastColumn(int candidate, int length) const {
    return column(first(candidate)) == shape_.columns &&
           (length == 1 || slots_[candidate / cells_].columnStep == 0);
}

int PlacementGeometry::from(int slot, int first, int length) const {
    return through(slot, spot(first), 0, length);
}

PlacementGeometry::LineKind PlacementGeometry::lineKind(int candidate) const {
    const Slot& s = slots_[candidate / cells_];
    if (s.rowStep == 0) return kRow;
    if (s.columnStep == 0) return kColumn;
    return s.columnStep == s.rowStep ? kFalling : kRising;
}

int PlacementGeometry::line(int candidate) const {
    const Slot& s = slots_[candidate / cells_];
    const int cell = first(candidate);
    const int col = column(cell);
    const int row = (cell - 1) / shape_.columns;
    const int diagonals = shape_.columns + shape_.rows - 1;
    if (s.rowStep == 0) return row;
    if (s.columnStep == 0) return shape_.rows + col - 1;
    const int base = shape_.rows + shape_.columns;
    if (s.columnStep == s.rowStep) return base + col - row + shape_.rows - 1;
    return base + diagonals + col + row - 1;
}

int PlacementGeometry::longestLine() const {
    return std::max(shape_.columns, shape_.rows);
}

}  // namespace generator
