#pragma once

#include "core/game_vocabulary.h"

#include <QString>

#include <array>

class GameSession;

// Rules of revealing single words, apart from the dialog that offers them.
namespace reveal {

struct Row {
    QString caption;  // what the word list shows for the word, in the current display mode
    QString spoken;   // what a screen reader says for it: the board list's entry name
    bool enabled = false;
};
// Rows 1..kMaxWords of the reveal dialog: a row can be picked only for a word not yet struck;
// rows beyond the word count stay empty and disabled.
std::array<Row, kMaxWords + 1> rows(const GameSession& session);

// The note shown once `wordsRevealed` has just reached `count`; empty when none is due.
QString quotaNote(int count);

}  // namespace reveal
