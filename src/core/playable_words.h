#pragma once

#include "core/theme_file.h"

#include <QString>

#include <optional>

// A theme word must be something a player can find in the grid: letters only, and no longer
// than the longest line of the grid (a row of 20 cells).
constexpr int kLongestGridWord = 20;

// The first word of the theme (slots 1..wordCount) that no player could find in the grid, with
// the message that names it; nullopt when every word can be played.
struct UnplayableWord {
    QString word;
    QString message;
};
std::optional<UnplayableWord> firstUnplayableWord(const ThemeContents& theme);
