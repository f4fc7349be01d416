#pragma once

#include "core/game_vocabulary.h"

#include <QString>

#include <optional>

// Rules for setting up the board and the main window for a new game, free of widgets.

// The size the word list takes for a new game, judged from entry 1's font: the default list
// font (MS Sans Serif 9.75 pt) or any 8 pt font becomes 9.75 pt for Words and Blanks and 8 pt
// for Questions. A font the player chose otherwise is kept (nullopt). Every entry gets the same
// answer, so the list never ends up with mixed sizes.
std::optional<double> wordListPointSize(const QString& entryOneFamily, double entryOnePointSize,
                                        ShowMode showMode);

// "Level : " + the level's name, for the status strip's level caption and its shadow.
QString levelCaption(Level level);

struct RgbColour {
    int red;
    int green;
    int blue;
};
// Back colour of the Speed Challenge mark: light cyan in a Speed Challenge, dark teal otherwise.
RgbColour speedMarkColour(bool speedChallenge);
