#pragma once

#include "core/game_vocabulary.h"
#include "core/grid_shape.h"

#include <QString>

#include <cstdint>

// The one record of shared program state: the choices for the next game and program-wide
// switches. The application owns it and hands it to every window by reference. Booleans are
// plain bools; counters that could outgrow 16 bits use wider types.
struct GameState {
    static constexpr int kCells = grid::kCells;

    // The theme chosen in the new-game dialog; the game itself lives in a GameSession.
    QString puzzleFile;  // "data\" + file name, relative to the program folder
    QString puzzleTitle;
    QString puzzleAuthor;

    // Game options for the next game
    Level level = Level::Medium;
    ShowMode showMode = ShowMode::Words;
    bool speedChallenge = false;

    // Program-wide switches and counters
    bool soundOn = false;
    int loopSound = 0;  // 1: the current tune repeats when it ends
    bool firstRun = false;
    std::int64_t secondsPlayed = 0;  // wide so a program left running for days keeps counting
    bool hideBoardOnActivate = false;
    int editorWordCount = 0;
};

// The values the main window sets while it loads, before set-up runs: switches and counters
// cleared, Medium level and the Words display mode.
void applyMainWindowLoadDefaults(GameState& state);
