#pragma once

#include "core/game_state.h"

#include <QChar>
#include <QString>

#include <array>
#include <vector>

// A generated board: the letter of every cell and the hidden words in list order (ascending),
// each with its question and the cells of its first and last letter.
struct PuzzleWord {
    QString word;      // upper case
    QString question;  // empty for a theme without questions
    int first = 0;     // cell 1..360 of the first letter
    int last = 0;      // cell 1..360 of the last letter
};

struct Puzzle {
    std::array<QChar, GameState::kCells + 1> letters{};  // cells 1..360
    std::vector<PuzzleWord> words;                       // slot i is words[i - 1]

    int wordCount() const { return static_cast<int>(words.size()); }
    bool isSlot(int slot) const { return slot >= 1 && slot <= wordCount(); }
    const PuzzleWord& word(int slot) const { return words[slot - 1]; }
    // The slot whose two end cells are `a` and `b`, in either order, first in list order;
    // 0 when none.
    int slotWithEnds(int a, int b) const;
    // A board the generator could have made and a player can finish: 1..20 words in upper case
    // of characters that show in a cell, each lying on one straight line of the grid (row,
    // column or diagonal) from its first to its last cell and spelt there by the letters, no two
    // on the same two end cells, and every other cell a filler letter A-Z.
    bool isConsistent() const;
};

// A character a cell can show and a player can click: no blank, control or invisible mark.
// Hyphens, apostrophes, digits and letters of any alphabet all show.
bool showsInACell(QChar c);

// The theme's words and questions in list order: ascending by ordinal comparison of the upper
// case words, equal words keeping their order; each question stays with its word.
void sortWords(std::vector<QString>& words, std::vector<QString>& questions);
