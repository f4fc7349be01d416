#pragma once

#include "core/game_state.h"

#include <QString>

#include <array>
#include <optional>

// Rules for setting up the board and the main window for a new game, free of widgets.

// What to write into one word-list entry; an empty optional leaves that property unchanged.
struct WordListEntryUpdate {
    std::optional<QString> caption;
    std::optional<QString> toolTip;
    std::optional<QString> tag;
};

// Entries 1..20 for the sorted words of `state` in its display mode: Words shows the word,
// Questions shows the question (also as tool tip; the word where the question is empty) and
// keeps the word in the tag, Blanks shows nothing and keeps the word in the tag. Only Questions
// gives a tool tip; the other modes clear it. Entries past wordCount are emptied. Entry 0 is
// unused.
std::array<WordListEntryUpdate, GameState::kMaxWords + 1> wordListLayout(const GameState& state);

// The size the word list takes for a new game, judged from entry 1's font: the default list
// font (MS Sans Serif 9.75 pt) or any 8 pt font becomes 9.75 pt for Words and Blanks and 8 pt
// for Questions. A font the player chose otherwise is kept (nullopt). Every entry gets the same
// answer, so the list never ends up with mixed sizes.
std::optional<double> wordListPointSize(const QString& entryOneFamily, double entryOnePointSize,
                                        int showMode);

// "Level : " + the level's name, for dif_cap and dif_cap_f.
QString levelCaption(const GameState& state);

struct RgbColour {
    int red;
    int green;
    int blue;
};
// Back colour of the Speed Challenge mark: light cyan in a Speed Challenge, dark teal otherwise.
RgbColour speedMarkColour(bool speedChallenge);

// The per-game counters a new game starts from: clock and revealed words at 0.
void resetGameCounters(GameState& state);
