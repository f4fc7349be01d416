// Whole standard games on the real main window, played with mouse clicks on the grid, in the
// three display modes, with and without help.

#include "board/board_play.h"
#include "integration/player.h"

#include "board/board_window.h"
#include "board/reveal_word_dialog.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

QPointF centre(int cell) {
    return board_geometry::cellCentre(cell);
}

void expectOneMessage(const ScriptedDialogs& dialogs, const QString& text, const QString& title,
                      MsgIcon icon, MsgButtons buttons = MsgButtons::Ok) {
    const auto messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, text);
    EXPECT_EQ(messages[0].title, title);
    EXPECT_EQ(messages[0].icon, icon);
    EXPECT_EQ(messages[0].buttons, buttons);
}

TEST_F(IntegrationTest, WordsGameFoundByClickingInEveryWay) {
    player->startGame({QStringLiteral("fruit.qrw"), ShowMode::Words, Level::Medium, false});
    const BoardModel& model = window->board().model();
    ASSERT_EQ(game().wordCount(), 20);
    EXPECT_EQ(env.state.level, Level::Medium);
    EXPECT_EQ(env.state.showMode, ShowMode::Words);
    EXPECT_FALSE(env.state.speedChallenge);
    EXPECT_TRUE(game().gameInProgress());
    EXPECT_EQ(model.entries[1].caption, game().puzzle().word(1).word);
    EXPECT_TRUE(window->menu().puzzleInformationAction->isEnabled());
    EXPECT_FALSE(window->gameClock().isActive());
    // The keyboard is back with the main window, so its shortcuts work at once (activation
    // arrives as a window-system event).
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), window.get());

    // First letter to last: struck with its line, the entry flashes.
    player->find(1);
    EXPECT_EQ(foundCount(), 1);
    EXPECT_TRUE(model.entries[1].struck);
    EXPECT_TRUE(model.lines[1].visible);
    EXPECT_EQ(model.lines[1].p1, centre(game().puzzle().word(1).first));
    EXPECT_EQ(model.lines[1].p2, centre(game().puzzle().word(1).last));
    EXPECT_FALSE(window->menu().puzzleInformationAction->isEnabled());
    EXPECT_TRUE(window->play().flashRunning());
    player->letFlashEnd();
    EXPECT_FALSE(window->play().flashRunning());
    EXPECT_EQ(model.lines[1].mode, DrawMode::MaskPen);
    EXPECT_EQ(model.entries[1].color, QColor(0, 0, 0));

    // Last letter to first: the line keeps the direction it was drawn in.
    player->find(2, true);
    EXPECT_EQ(foundCount(), 2);
    EXPECT_TRUE(model.entries[2].struck);
    EXPECT_EQ(model.lines[2].p1, centre(game().puzzle().word(2).last));
    EXPECT_EQ(model.lines[2].p2, centre(game().puzzle().word(2).first));
    player->letFlashEnd();

    // A wrong second click changes nothing; the selection stays anchored and the right end
    // then matches.
    player->click(game().puzzle().word(3).first);
    const int wrong = player->cellOfNoWordEnd();
    player->moveOver(wrong);
    player->click(wrong);
    EXPECT_EQ(foundCount(), 2);
    EXPECT_FALSE(model.entries[3].struck);
    EXPECT_TRUE(model.lines[3].visible);
    EXPECT_EQ(model.lines[3].p1, centre(game().puzzle().word(3).first));
    EXPECT_TRUE(env.dialogs.shown().empty());
    player->moveOver(game().puzzle().word(3).last);
    player->click(game().puzzle().word(3).last);
    EXPECT_EQ(foundCount(), 3);
    EXPECT_TRUE(model.entries[3].struck);
    player->letFlashEnd();

    // A right click cancels the open selection; the next left click anchors anew.
    player->click(game().puzzle().word(4).first);
    EXPECT_TRUE(model.lines[4].visible);
    player->click(game().puzzle().word(4).last, Qt::RightButton);
    EXPECT_FALSE(model.lines[4].visible);
    EXPECT_EQ(foundCount(), 3);
    player->find(4, true);
    EXPECT_EQ(foundCount(), 4);
    EXPECT_EQ(model.lines[4].p1, centre(game().puzzle().word(4).last));
    player->letFlashEnd();

    // The ends of a word already found: the message, and the selection stays open.
    player->find(1, true);
    EXPECT_EQ(foundCount(), 4);
    expectOneMessage(env.dialogs, "Word already found!", "Illegal Move", MsgIcon::Critical);
    EXPECT_TRUE(model.lines[5].visible);
    player->click(game().puzzle().word(1).first, Qt::RightButton);
    EXPECT_FALSE(model.lines[5].visible);

    player->findTheRest();
    EXPECT_EQ(foundCount(), 20);
    EXPECT_FALSE(game().gameInProgress());
    EXPECT_FALSE(window->menu().revealWordAction->isEnabled());
    EXPECT_FALSE(window->menu().revealPuzzleAction->isEnabled());
    EXPECT_EQ(setting("S_COMP"), "1");
    EXPECT_EQ(Player::endOfGameDialog(), nullptr);  // not before the completion sequence

    player->runCompletion();
    ASSERT_NE(Player::endOfGameDialog(), nullptr);
    EXPECT_FALSE(window->titleFrame().isVisible());
    EXPECT_EQ(Player::verdict(),
              "You have completed Fruit on Medium level! Try a harder level next time!");
    EXPECT_EQ(Player::endLabel("ep_name"), "Fruit");
    EXPECT_EQ(Player::endLabel("pe_level"), "Medium");
    EXPECT_EQ(Player::endLabel("pe_time"), "0:00");
    for (int k = 1; k <= 20; ++k) {
        EXPECT_EQ(model.lines[k].mode, DrawMode::MaskPen) << k;
        EXPECT_EQ(model.entries[k].color, QColor(0, 0, 0)) << k;
    }
    EXPECT_EQ(setting("S_PLAYED"), "1");
    EXPECT_EQ(setting("S_COMP"), "1");
    EXPECT_EQ(setting("S_REV"), "0");
    EXPECT_EQ(setting("S_CHEAT"), "0");

    // A finished grid ignores the mouse.
    env.dialogs.clear();
    player->find(1);
    EXPECT_TRUE(env.dialogs.shown().empty());
    EXPECT_EQ(foundCount(), 20);

    Player::closeEndOfGameDialog();
    EXPECT_EQ(Player::endOfGameDialog(), nullptr);
    EXPECT_TRUE(window->boardFrame().isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(IntegrationTest, QuestionsGameWithTheRevealQuotaUsedUp) {
    player->startGame({QStringLiteral("capitals.qrw"), ShowMode::Questions, Level::Hard, false});
    const BoardModel& model = window->board().model();
    ASSERT_EQ(game().wordCount(), 20);
    EXPECT_EQ(env.state.level, Level::Hard);
    EXPECT_EQ(env.state.showMode, ShowMode::Questions);
    EXPECT_EQ(model.entries[1].caption, game().puzzle().word(1).question);

    player->find(1);
    player->letFlashEnd();

    // The dialog opens with the focus on Cancel: Enter at once reveals nothing.
    QPointer<RevealWordDialog> hasty = player->openRevealWord();
    ASSERT_NE(hasty, nullptr);
    QApplication::setActiveWindow(hasty);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(hasty, nullptr);
    EXPECT_EQ(game().wordsRevealed(), 0);

    const std::array<QString, 6> notes{"",
                                       "",
                                       "",
                                       "",
                                       "You have one more 'reveal word' left!",
                                       "You have no more 'reveal word's left!"};
    for (int revealed = 1; revealed <= 5; ++revealed) {
        SCOPED_TRACE(revealed);
        const QPointer<RevealWordDialog> dialog = player->openRevealWord();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Reveal QRW Word");
        EXPECT_EQ(QApplication::activeModalWidget(), dialog);
        for (int slot = 1; slot <= 20; ++slot) {
            EXPECT_EQ(dialog->row(slot)->text(), model.entries[slot].caption) << slot;
            EXPECT_EQ(dialog->pickable(slot), !model.entries[slot].struck) << slot;
        }
        player->clickRow(*dialog, 1);  // found already: the row takes no click
        EXPECT_TRUE(dialog->isVisible());

        env.dialogs.clear();
        const int slot = 1 + revealed;
        player->clickRow(*dialog, slot);
        EXPECT_FALSE(dialog->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(dialog, nullptr);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

        EXPECT_EQ(game().wordsRevealed(), revealed);
        EXPECT_EQ(foundCount(), 1 + revealed);
        EXPECT_TRUE(model.entries[slot].struck);
        EXPECT_EQ(model.entries[slot].caption, game().puzzle().word(slot).question);
        const BoardLine& line = model.lines[foundCount()];
        EXPECT_TRUE(line.visible);
        EXPECT_EQ(line.p1, centre(game().puzzle().word(slot).first));
        EXPECT_EQ(line.p2, centre(game().puzzle().word(slot).last));
        if (notes[revealed].isEmpty()) {
            EXPECT_TRUE(env.dialogs.shown().empty());
        } else {
            expectOneMessage(env.dialogs, notes[revealed], "Reveal Word", MsgIcon::Information);
        }
        player->letFlashEnd();
    }
    EXPECT_EQ(setting("S_CHEAT"), "5");

    env.dialogs.clear();
    EXPECT_EQ(player->openRevealWord(), nullptr);
    expectOneMessage(env.dialogs, "Sorry - You have already used your reveal word quota!",
                     "Reveal Word", MsgIcon::Critical);

    // A revealed word cannot be found again by hand.
    env.dialogs.clear();
    player->find(2);
    expectOneMessage(env.dialogs, "Word already found!", "Illegal Move", MsgIcon::Critical);
    player->click(game().puzzle().word(2).first, Qt::RightButton);

    player->findTheRest();
    player->runCompletion();
    EXPECT_EQ(Player::verdict(),
              "You completed Capital Cities on Hard level! Try again without revealing any words.");
    EXPECT_EQ(model.entries[20].caption, game().puzzle().word(20).question);
    EXPECT_EQ(setting("S_COMP"), "1");
    EXPECT_EQ(setting("S_CHEAT"), "5");
    EXPECT_EQ(setting("S_REV"), "0");
    EXPECT_EQ(setting("S_PLAYED"), "1");
    Player::closeEndOfGameDialog();
    EXPECT_TRUE(window->boardFrame().isVisible());
}

TEST_F(IntegrationTest, BlanksGameRevealedWholeThenANewGameStartsClean) {
    player->startGame({QStringLiteral("kitchen.qrw"), ShowMode::Blanks, Level::Easy, false});
    const BoardModel& model = window->board().model();
    ASSERT_EQ(game().wordCount(), 10);
    EXPECT_EQ(env.state.level, Level::Easy);
    EXPECT_EQ(env.state.showMode, ShowMode::Blanks);
    EXPECT_TRUE(model.entries[1].caption.isEmpty());

    player->find(3, true);
    EXPECT_TRUE(model.entries[3].struck);
    EXPECT_EQ(model.entries[3].caption, game().puzzle().word(3).word);
    player->letFlashEnd();

    env.dialogs.answerMessage(MsgAnswer::No);
    window->menu().revealPuzzleAction->trigger();
    expectOneMessage(env.dialogs, "Are you sure you want to reveal the puzzle?", "Reveal Puzzle",
                     MsgIcon::Information, MsgButtons::YesNo);
    EXPECT_EQ(foundCount(), 1);
    EXPECT_TRUE(game().gameInProgress());
    EXPECT_FALSE(model.entries[1].struck);
    EXPECT_EQ(setting("S_REV"), "0");

    env.dialogs.answerMessage(MsgAnswer::Yes);
    window->menu().revealPuzzleAction->trigger();
    EXPECT_EQ(foundCount(), 10);
    EXPECT_TRUE(game().puzzleRevealed());
    EXPECT_FALSE(game().gameInProgress());
    for (int slot = 1; slot <= 10; ++slot) {
        EXPECT_TRUE(model.entries[slot].struck) << slot;
        EXPECT_EQ(model.entries[slot].caption, game().puzzle().word(slot).word) << slot;
        // Re-laid in list order, first letter to last, the hand-found word's line too.
        EXPECT_EQ(model.lines[slot].p1, centre(game().puzzle().word(slot).first)) << slot;
        EXPECT_EQ(model.lines[slot].p2, centre(game().puzzle().word(slot).last)) << slot;
    }
    EXPECT_EQ(setting("S_REV"), "1");
    EXPECT_FALSE(window->menu().revealWordAction->isEnabled());

    player->runCompletion();
    EXPECT_EQ(Player::verdict(), "You revealed In the Kitchen on Easy level - Please try again!");
    EXPECT_EQ(setting("S_COMP"), "0");
    EXPECT_EQ(setting("S_CHEAT"), "0");
    EXPECT_EQ(setting("S_PLAYED"), "1");
    Player::closeEndOfGameDialog();
    EXPECT_TRUE(window->boardFrame().isVisible());

    // The next game from the same window starts with nothing struck and nothing revealed.
    player->startGame({QStringLiteral("fruit.qrw"), ShowMode::Words, Level::Expert, false});
    EXPECT_EQ(foundCount(), 0);
    EXPECT_FALSE(game().puzzleRevealed());
    EXPECT_TRUE(game().gameInProgress());
    for (int slot = 1; slot <= 20; ++slot) {
        EXPECT_FALSE(model.entries[slot].struck) << slot;
        EXPECT_FALSE(model.lines[slot].visible) << slot;
    }
    EXPECT_TRUE(window->menu().revealPuzzleAction->isEnabled());
    player->findTheRest();
    player->runCompletion();
    EXPECT_EQ(Player::verdict(), "You have completed Fruit on Expert level! Congratulations!");
    EXPECT_EQ(setting("S_COMP"), "1");
    EXPECT_EQ(setting("S_PLAYED"), "2");
}

}  // namespace
