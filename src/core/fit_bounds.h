#pragma once

#include "core/complete_placer.h"

#include <QString>

#include <vector>

namespace generator {

// The cells the words cover at the least: every letter, less one for each word that has a letter
// in common with an earlier one and so may share a cell with it.
int fewestCellsCovered(const std::vector<QString>& words);

// Cheap necessary conditions for placing `words` (in placing order) at `level` on `shape`:
// every word is non-empty and fits some line the level's directions use, the grid has cells
// enough when every word that has a letter in common with an earlier one shares a cell, and the
// lines can hold the long words (a line of m cells takes at most (m - 1) / (t - 1) words of t
// letters or more, since two words on one line share at most one cell). False proves that no
// board exists; true decides nothing.
bool mayAllFit(const std::vector<QString>& words, Level level, GridShape shape);

}  // namespace generator
