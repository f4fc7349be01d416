#pragma once

#include <QString>

#include <array>
#include <optional>
#include <span>

// The game's own words: its levels, how the word list is shown, how many words a puzzle holds
// and what a Time Challenge is. Levels and display modes are stored (saved game) as their
// numbers, so the numbers never change.

enum class Level { Easy = 1, Medium = 2, Hard = 3, Expert = 4 };
enum class ShowMode { Words = 1, Questions = 2, Blanks = 3 };

inline constexpr std::array<Level, 4> kLevels{Level::Easy, Level::Medium, Level::Hard,
                                              Level::Expert};
inline constexpr std::array<ShowMode, 3> kShowModes{ShowMode::Words, ShowMode::Questions,
                                                    ShowMode::Blanks};

// The most words a theme, and so a puzzle, holds.
inline constexpr int kMaxWords = 20;

constexpr int levelNumber(Level level) {
    return static_cast<int>(level);
}
constexpr int showModeNumber(ShowMode mode) {
    return static_cast<int>(mode);
}
// A stored number back as its level or mode; nothing for a number that names none.
std::optional<Level> levelFromNumber(int number);
std::optional<ShowMode> showModeFromNumber(int number);

QString levelName(Level level);       // "Easy" .. "Expert"
QString showModeName(ShowMode mode);  // "Words", "Questions", "Blanks"

// One step along a word, from a letter to the next: -1, 0 or +1 across and down the grid
// (rows grow downwards).
struct WordDirection {
    int columnStep;
    int rowStep;
    friend constexpr bool operator==(WordDirection, WordDirection) = default;
};
// The directions words may run at a level. Each level adds to the one below it; no level runs
// a word straight up.
std::span<const WordDirection> directionsFor(Level level);

// A Time Challenge is played at Expert with the words shown, on a theme of exactly the most
// words a theme holds.
namespace time_challenge {
inline constexpr Level kLevel = Level::Expert;
inline constexpr ShowMode kShowMode = ShowMode::Words;
constexpr bool takesWordCount(int wordCount) {
    return wordCount == kMaxWords;
}
constexpr bool fits(Level level, ShowMode mode, int wordCount) {
    return level == kLevel && mode == kShowMode && takesWordCount(wordCount);
}
}  // namespace time_challenge
