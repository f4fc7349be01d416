#pragma once

#include "core/grid_shape.h"

#include <QString>

#include <array>
#include <cstdint>

// The one record of shared program state: the choices for the next game and program-wide
// switches. The application owns it and hands it to every window by reference. Booleans are
// plain bools; counters that could outgrow 16 bits use wider types.
struct GameState {
    static constexpr int kMaxWords = 20;
    static constexpr int kCells = grid::kCells;

    // The theme chosen in the new-game dialog; the game itself lives in a GameSession.
    QString puzzleFile;  // "data\" + file name, relative to the program folder
    QString puzzleTitle;
    QString puzzleAuthor;

    // Game options for the next game
    int level = 0;  // 1 Easy, 2 Medium, 3 Hard, 4 Expert
    std::array<QString, 5> levelNames{};
    int showMode = 0;  // 1 Words, 2 Questions, 3 Blanks
    std::array<QString, 4> showModeNames{};
    bool speedChallenge = false;

    // Program-wide switches and counters
    bool soundOn = false;
    int loopSound = 0;  // 1: the current tune repeats when it ends
    bool firstRun = false;
    std::int64_t secondsPlayed = 0;  // wide so a program left running for days keeps counting
    bool hideBoardOnActivate = false;
    int editorWordCount = 0;

    // Name of the current level, or of `level`; empty text for a level outside 1..4.
    QString levelName() const { return levelName(level); }
    QString levelName(int number) const;
};

// The values the main window sets while it loads, before set-up runs: switches and counters
// cleared, the display names filled, Medium level and the Words display mode.
void applyMainWindowLoadDefaults(GameState& state);
