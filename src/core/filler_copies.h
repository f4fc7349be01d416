#pragma once

#include "core/game_state.h"

#include <QChar>
#include <QString>

#include <array>
#include <vector>

class RandomSource;

using GridLetters = std::array<QChar, GameState::kCells + 1>;  // cells 1..360

// Re-draws random filler letters until no word of the list can be read anywhere in the grid,
// in any of the eight directions, through a filler cell: such a second copy looks like the
// word but is not the one the board accepts. A word read wholly inside placed words (APPLE in
// PINEAPPLE) is not a copy. Cells of placed words are never changed. Gives up after a bounded
// number of re-draws and returns false; the board is then still a valid one.
bool redrawFillerCopies(GridLetters& letters, const std::array<bool, GameState::kCells + 1>& placed,
                        const std::vector<QString>& words, RandomSource& random);
