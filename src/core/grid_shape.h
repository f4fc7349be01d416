#pragma once

// The letter grid: 20 columns by 18 rows, its cells numbered 1..360 row by row from the top
// left. Row and column count from 0.
namespace grid {

inline constexpr int kColumns = 20;
inline constexpr int kRows = 18;
inline constexpr int kCells = kColumns * kRows;

constexpr int rowOf(int cell) {
    return (cell - 1) / kColumns;
}
constexpr int columnOf(int cell) {
    return (cell - 1) % kColumns;
}
constexpr int cellAt(int row, int column) {
    return row * kColumns + column + 1;
}
constexpr bool isCell(int n) {
    return n >= 1 && n <= kCells;
}

// A grid of any size numbered the same way, for searches that tests run on smaller grids: cell
// = columns x row + column, with column 1..columns and row 0..rows-1.
struct GridShape {
    int columns = kColumns;
    int rows = kRows;
};

}  // namespace grid
