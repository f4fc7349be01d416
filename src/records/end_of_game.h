#pragma once

#include "core/game_vocabulary.h"

#include <QString>

struct Services;

// How the finishing-time label looks after the evaluation.
enum class FinishTimeLook {
    Unchanged,    // a revealed Speed Challenge leaves it as designed
    Highlighted,  // a finished Speed Challenge: enabled, light grey RGB(224, 224, 224)
    Greyed,       // an ordinary game: disabled, grey RGB(128, 128, 128)
};

// The game being closed, as it was started: the level chosen for the next game may differ.
struct FinishedGame {
    QString puzzleTitle;
    Level level = Level::Medium;
    QString finishingTime;
    bool timeChallenge = false;
    bool puzzleRevealed = false;
    int wordsRevealed = 0;
};

struct EndOfGameResult {
    QString verdict;
    FinishTimeLook timeLook = FinishTimeLook::Unchanged;
    int fastestTimesRank = 0;  // 1..10 when the finishing time entered the table
};

// Everything that happens when a game ends, before the dialog is shown: counts the game in
// the games-played counter (saved first, on its own), chooses the verdict and the closing tune,
// and in a finished Speed Challenge that beats the tenth fastest time asks for the player's name
// and then stores the new row. Reads the sound switch from the game state.
EndOfGameResult evaluateEndOfGame(Services& services, const FinishedGame& game);
