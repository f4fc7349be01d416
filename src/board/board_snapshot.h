#pragma once

#include "core/game_state.h"

#include <QString>
#include <QStringList>

#include <array>

class BoardWindow;
class GameSession;

// What the board shows to assistive technology at one moment. The accessible tree reads it
// and compares two of them to know what to announce.
struct BoardSnapshot {
    std::array<QString, GameState::kCells + 1> letters{};  // cells 1..360
    std::array<QString, kMaxWords + 1> entryNames{};       // entries 1..entryCount
    std::array<QString, kMaxWords + 1> words{};
    std::array<bool, kMaxWords + 1> found{};
    int entryCount = 0;
    int foundCount = 0;
    int cursorCell = 1;
    bool focused = false;  // the board has the keyboard focus, so the cursor's cell has it
    int anchorCell = 0;    // the open selection's first cell, 0 when none is open
    bool complete = false;
    bool covered = false;  // paused: the cover hides letters, list and selection

    QString cellName(int cell) const;
};

// The one place that reads the board window and its game for the accessible tree.
BoardSnapshot readBoard(const BoardWindow& board, const GameSession& session);

// What a screen reader should say after the board went from `before` to `after`: a selection
// opened, words struck, the puzzle completed.
QStringList announcements(const BoardSnapshot& before, const BoardSnapshot& after);
