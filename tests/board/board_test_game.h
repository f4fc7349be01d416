#pragma once

#include "board/board_play.h"
#include "board/board_window.h"
#include "core/game_session.h"
#include "support/test_env.h"

#include <QString>
#include <QStringList>

#include <vector>

// A game laid out by hand and played on a board: word i (in list order) runs from first to
// last, its letters written along that run; every other cell holds 'Z'. Questions read
// "Q " + the word.
struct TestGame {
    struct Word {
        QString text;
        int first;
        int last;
    };

    explicit TestGame(std::vector<Word> words, ShowMode showMode = ShowMode::Words);

    TestEnv env;
    GameSession session;
    BoardWindow board{env.state};
    BoardPlay play{env.services, session, board};

    GameState& state() { return env.state; }
    const BoardModel& model() const { return board.model(); }

    // What the board reports, as the mouse or keys would.
    void press(int cell, PressButton button = PressButton::Left);
    void moveOver(int cell);
    // Left click on `from`, pointer over `to`, left click on `to`.
    void select(int from, int to);
    // Effects sent to the media control, by file name ("click.wav", ...).
    QStringList effects() const;
    QString setting(const QString& key) const;
};

// Eight words in all eight directions of the grid.
std::vector<TestGame::Word> eightWords();
