#pragma once

#include "board/board_window.h"
#include "core/game_state.h"
#include "core/random_source.h"
#include "newgame/new_puzzle_dialog.h"
#include "shell/main/main_window.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A shown main window with the state of a finished load, repeatable random draws and the
// board hidden by its first activation, as after start-up.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        applyMainWindowLoadDefaults(env.state);
        env.state.hideBoardOnActivate = true;
        window = std::make_unique<MainWindow>(env.services, &random);
        window->show();
        QCoreApplication::processEvents();
    }

    // A theme file in data/ with CR LF lines; `questions` empty for a words-only theme.
    void writeTheme(const QString& fileName, const QString& title,
                    const std::vector<QString>& words, const std::vector<QString>& questions = {}) {
        QByteArray bytes =
            title.toLatin1() + "\r\n!Tester\r\n#" +
            QByteArray::number(static_cast<int>(words.size())).rightJustified(2, '0') +
            (questions.empty() ? "W" : "WQ") + "\r\n";
        for (std::size_t i = 0; i < words.size(); ++i) {
            bytes += words[i].toLatin1() + "\r\n";
            if (!questions.empty()) bytes += questions[i].toLatin1() + "\r\n";
        }
        env.writeFile(QStringLiteral("data/") + fileName, bytes);
    }

    // What the new-game dialog leaves in the state before the generator runs.
    void chooseGame(const QString& fileName, const QString& title, ShowMode showMode, Level level,
                    bool speedChallenge) {
        env.state.puzzleFile = QStringLiteral("data\\") + fileName;
        env.state.puzzleTitle = title;
        env.state.puzzleAuthor = QStringLiteral("Tester");
        env.state.showMode = showMode;
        env.state.level = level;
        env.state.speedChallenge = speedChallenge;
    }

    static std::vector<QString> twentyWords() {
        return {"ALPHA", "BRAVO", "CHARLIE", "DELTA", "ECHO",   "FOXTROT", "GOLF",
                "HOTEL", "INDIA", "JULIET",  "KILO",  "LIMA",   "MIKE",    "NOVEMBER",
                "OSCAR", "PAPA",  "QUEBEC",  "ROMEO", "SIERRA", "TANGO"};
    }

    // A generated game of twenty words on the board, as after Start Game.
    void startTwentyWordGame(Level level, bool speedChallenge) {
        writeTheme("twenty.qrw", "Alphabet", twentyWords());
        chooseGame("twenty.qrw", "Alphabet", ShowMode::Words, level, speedChallenge);
        window->startGame();
    }

    // New WordSearch answered Yes, then the dialog cancelled.
    void abandonGame() {
        env.dialogs.answerMessage(MsgAnswer::Yes);
        window->newWordSearch();
        if (auto* dialog = window->findChild<NewPuzzleDialog*>()) dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Word `slot` found by two clicks on its ends.
    void findWord(int slot) {
        const PuzzleWord& word = window->session().puzzle().word(slot);
        emit window->board().cellPressed(word.first, PressButton::Left);
        emit window->board().cellPressed(word.last, PressButton::Left);
    }
    void findEveryWord() {
        for (int slot = 1; slot <= window->session().wordCount(); ++slot) {
            if (!window->session().struck(slot)) findWord(slot);
        }
    }

    QString setting(const QString& key, const QString& fallback = QString()) const {
        return env.settings->read(QStringLiteral("Settings"), key, fallback);
    }

    // The last message box shown: its text, title, buttons and icon.
    void expectLastBox(const QString& text, const QString& title, MsgButtons buttons,
                       MsgIcon icon) const {
        ASSERT_FALSE(env.dialogs.shown().empty());
        const auto& box = env.dialogs.last();
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.title, title);
        EXPECT_EQ(box.buttons, buttons);
        EXPECT_EQ(box.icon, icon);
    }

    bool boardShown() { return window->boardFrame().isVisible(); }

    TestEnv env;
    SeededRandom random{7};
    std::unique_ptr<MainWindow> window;
};
