#pragma once

#include "core/complete_placer.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace generator {

// Where a word can lie on a grid at one level: each allowed direction and first cell is one
// candidate, numbered direction slot x cells + (first - 1), so that a word's candidates fit one
// bit set.
class PlacementGeometry {
  public:
    PlacementGeometry(Level level, GridShape shape);

    int cells() const { return cells_; }
    int columns() const { return shape_.columns; }
    int candidates() const { return static_cast<int>(slots_.size()) * cells_; }
    int directions() const { return static_cast<int>(slots_.size()); }

    int column(int cell) const { return (cell - 1) % shape_.columns + 1; }
    int code(int candidate) const { return slots_[candidate / cells_].code; }
    int first(int candidate) const { return starts_[candidate].first; }
    int step(int candidate) const { return starts_[candidate].step; }
    // Whether a candidate can only ever cover last-column cells (vertical, or one letter).
    bool withinLastColumn(int candidate, int length) const;
    int candidate(int slot, int first) const { return slot * cells_ + first - 1; }
    // Lines of one kind are parallel: rows, columns, falling and rising diagonals.
    enum LineKind { kRow, kColumn, kFalling, kRising, kLineKinds };
    LineKind lineKind(int candidate) const;

    struct Spot {
        int col;  // 1..columns
        int row;  // from 0
    };
    Spot spot(int cell) const { return {column(cell), (cell - 1) / shape_.columns}; }
    // The candidate in direction `slot` that puts letter j (from 0) of a word of `length`
    // letters on the cell at `at`, or -1 when that word would leave the grid.
    // The letter positions j, lo..hi, for which that candidate stays inside the grid (none when
    // lo > hi); for those j it is startingAt(slot, at, j).
    std::pair<int, int> letterRange(int slot, Spot at, int length) const {
        const Slot& s = slots_[slot];
        int lo = 0, hi = length - 1;
        const auto keep = [&](int position, int step, int least, int most) {
            if (step > 0) {
                hi = std::min(hi, position - least);
                lo = std::max(lo, position + length - 1 - most);
            } else if (step < 0) {
                hi = std::min(hi, most - position);
                lo = std::max(lo, least + length - 1 - position);
            }
        };
        keep(at.col, s.columnStep, 1, shape_.columns);
        keep(at.row, s.rowStep, 0, shape_.rows - 1);
        return {lo, hi};
    }
    int startingAt(int slot, Spot at, int j) const {
        const Slot& s = slots_[slot];
        return candidate(slot,
                         (at.row - j * s.rowStep) * shape_.columns + at.col - j * s.columnStep);
    }
    int through(int slot, Spot at, int j, int length) const {
        const Slot& s = slots_[slot];
        const int col = at.col - j * s.columnStep;
        const int row = at.row - j * s.rowStep;
        const int lastCol = col + (length - 1) * s.columnStep;
        const int lastRow = row + (length - 1) * s.rowStep;
        if (std::min(col, lastCol) < 1 || std::max(col, lastCol) > shape_.columns) return -1;
        if (std::min(row, lastRow) < 0 || std::max(row, lastRow) >= shape_.rows) return -1;
        return candidate(slot, row * shape_.columns + col);
    }
    // The candidate starting at `first`, or -1 when the word would leave the grid.
    int from(int slot, int first, int length) const;

    // Lines are the rows, columns and both kinds of diagonal, numbered 0..lines()-1; a word
    // running either way along a line lies on the same line.
    int lines() const { return 3 * (shape_.columns + shape_.rows) - 2; }
    int line(int candidate) const;
    // The most cells any line has.
    int longestLine() const;

  private:
    struct Slot {
        int code;
        int columnStep;
        int rowStep;
        int cellStep;
    };
    // Per candidate, its first cell and step, looked up rather than divided out: the search asks
    // for them in its innermost loops.
    struct Start {
        short first;
        short step;
    };
    GridShape shape_;
    int cells_;
    std::vector<Slot> slots_;
    std::vector<Start> starts_;
};

}  // namespace generator
