#pragma once

#include "core/grid_shape.h"

#include <QString>

#include <array>
#include <cstdint>

// The one record of shared game state. The application owns it and hands it to every window
// by reference. Booleans are plain bools; counters that could outgrow 16 bits use wider types.
struct GameState {
    static constexpr int kMaxWords = 20;
    static constexpr int kCells = grid::kCells;

    // Current puzzle
    QString puzzleFile;  // "data\" + file name, relative to the program folder
    QString puzzleTitle;
    QString puzzleAuthor;
    int wordCount = 0;
    std::array<QString, kMaxWords + 1> wordList{};      // slots 1..wordCount, upper case, sorted
    std::array<QString, kMaxWords + 1> questionList{};  // meaningful for themes with questions
    // wordCells[i][1] = first-letter cell, wordCells[i][2] = last-letter cell (1..360)
    std::array<std::array<int, 3>, kMaxWords + 1> wordCells{};
    std::array<bool, kCells + 1> cellUsed{};  // true: holds a letter of a placed word

    // Game options
    int level = 0;  // 1 Easy, 2 Medium, 3 Hard, 4 Expert
    std::array<QString, 5> levelNames{};
    int showMode = 0;  // 1 Words, 2 Questions, 3 Blanks
    std::array<QString, 4> showModeNames{};
    bool speedChallenge = false;

    // Progress of play
    bool gameInProgress = false;
    int foundCount = 0;
    int lastLine = 0;
    int lastWord = 0;
    int wordsRevealed = 0;
    bool puzzleRevealed = false;
    int clockSeconds = 0;

    // Generator internals
    int attemptCount = 0;

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
