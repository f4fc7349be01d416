#pragma once

#include "board/board_window.h"
#include "support/test_env.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// A game laid out by hand on a board: word slot i runs from cells[i].first to cells[i].second,
// and its letters are written along that run. Words are shown as in `showMode`.
struct TestGame {
    struct Word {
        QString text;
        int first;
        int last;
    };

    explicit TestGame(std::vector<Word> words, int showMode = 1);

    TestEnv env;
    BoardWindow board{env.services};

    GameState& state() { return env.state; }
    BoardModel& model() { return board.model(); }

    // Left click on `from`, pointer over `to`, left click on `to`.
    void select(int from, int to);
    // Effects sent to the media control, by file name ("click.wav", ...).
    QStringList effects() const;
    QString setting(const QString& key) const;
};

// Eight words in all eight directions of the grid.
std::vector<TestGame::Word> eightWords();
