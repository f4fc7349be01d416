#include "core/game_vocabulary.h"

std::optional<Level> levelFromNumber(int number) {
    if (number < levelNumber(Level::Easy) || number > levelNumber(Level::Expert)) return {};
    return static_cast<Level>(number);
}

std::optional<ShowMode> showModeFromNumber(int number) {
    if (number < showModeNumber(ShowMode::Words) || number > showModeNumber(ShowMode::Blanks))
        return {};
    return static_cast<ShowMode>(number);
}

QString levelName(Level level) {
    switch (level) {
        case Level::Easy:
            return QStringLiteral("Easy");
        case Level::Medium:
            return QStringLiteral("Medium");
        case Level::Hard:
            return QStringLiteral("Hard");
        case Level::Expert:
            break;
    }
    return QStringLiteral("Expert");
}

QString showModeName(ShowMode mode) {
    switch (mode) {
        case ShowMode::Words:
            return QStringLiteral("Words");
        case ShowMode::Questions:
            return QStringLiteral("Questions");
        case ShowMode::Blanks:
            break;
    }
    return QStringLiteral("Blanks");
}

std::span<const WordDirection> directionsFor(Level level) {
    // Across, down, back, the two diagonals to the right, the two to the left.
    static constexpr std::array<WordDirection, 7> kByLevel{
        {{1, 0}, {0, 1}, {-1, 0}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};
    static constexpr std::array<std::size_t, 4> kCounts{2, 3, 5, 7};
    return std::span(kByLevel).first(kCounts[static_cast<std::size_t>(levelNumber(level) - 1)]);
}
