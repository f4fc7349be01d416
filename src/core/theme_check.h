#pragma once

#include "core/theme_file.h"

#include <QString>

#include <optional>

// A theme word must be something a player can see and click in the grid: no blanks or control
// characters, and no longer than the longest line of the grid (a row of 20 cells).
constexpr int kLongestGridWord = 20;

// The first word of the theme (slots 1..wordCount) that no player could find in the grid, at the
// line it was read from; nothing when every word can be played.
std::optional<ThemeProblem> firstUnplayableWord(const ThemeContents& theme);

// Everything that would keep the theme file at `path` from being played, checked when it is
// chosen rather than when the puzzle is built: the file as a whole (UTF-16 text), the lines the
// new-game dialog shows, the words and questions the generator reads, and the words themselves.
std::optional<ThemeProblem> findThemeProblem(const QString& path);
