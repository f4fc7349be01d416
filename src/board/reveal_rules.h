#pragma once

#include "board/board_model.h"

#include <QString>

#include <array>

struct GameState;

// Rules of revealing single words, apart from the dialog that offers them.
namespace reveal {

constexpr int kWordQuota = 5;

struct Row {
    QString caption;  // what the word list shows for the word, in the current display mode
    bool enabled = false;
};
// Rows 1..20 of the reveal dialog: a row can be picked only for a word not yet struck;
// rows beyond the word count stay empty and disabled.
std::array<Row, 21> rows(const GameState& state, const BoardModel& model);

// The note shown once `wordsRevealed` has just reached `count`; empty when none is due.
QString quotaNote(int count);

}  // namespace reveal
