#pragma once

#include "core/game_vocabulary.h"

#include <QString>

// What a screen reader says about the board: the names of cells and word-list entries and the
// announcements of play. Rows and columns are counted from 1, as a player would say them.
namespace board_speech {

// Cell n (1..360): "K, row 3, column 12"; a cell without a letter is "blank".
QString cellName(const QString& letter, int cell);

struct Entry {
    int slot = 0;     // 1..kMaxWords
    QString caption;  // what the list shows
    QString word;     // the hidden word
    bool found = false;
    ShowMode showMode = ShowMode::Words;
};
// The word or question as shown; in the Blanks mode "word 3, 5 letters" until found, then the
// word as well. A found entry ends in ", found".
QString entryName(const Entry& entry);

QString anchorSet(const QString& cellName);
QString selectionCleared();
QString wordStruck(const QString& word, int found, int total);
QString puzzleComplete();
// The pause cover's text, also said when it comes; and what is said when it goes.
QString paused();
QString resumed();

}  // namespace board_speech
