// Whole games on the real main window around the moments where one game gives way to the
// next: dropping a game, a failed start, New WordSearch straight after the last strike and a
// Difficulty change in the middle of a game.

#include "board/board_play.h"
#include "integration/player.h"

#include "board/board_window.h"
#include "newgame/new_puzzle_dialog.h"
#include "platform/progress/creating_puzzle_window.h"
#include "shell/main/status_strip.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const GameChoice kFruitMedium{QStringLiteral("fruit.qrw"), ShowMode::Words, Level::Medium, false};

class GameTransitions : public IntegrationTest {
  protected:
    // Ctrl+N answered Yes (when asked) and the new-game dialog cancelled.
    void abandonAndCancel() {
        env.dialogs.answerMessage(MsgAnswer::Yes);
        NewPuzzleDialog* dialog = player->openNewGameDialog();
        ASSERT_NE(dialog, nullptr);
        Player::clickButton(*dialog, "Command2");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // With no game on the board neither reveal does anything, by menu or by call.
    void expectRevealsDoNothing() {
        EXPECT_FALSE(window->menu().revealWordAction->isEnabled());
        EXPECT_FALSE(window->menu().revealPuzzleAction->isEnabled());
        env.dialogs.clear();
        env.dialogs.answerMessage(MsgAnswer::Yes);
        window->revealPuzzle();
        EXPECT_EQ(player->openRevealWord(), nullptr);
        EXPECT_TRUE(env.dialogs.shown().empty());
        EXPECT_EQ(Player::endOfGameDialog(), nullptr);
        EXPECT_FALSE(window->boardFrame().isVisible());
        EXPECT_EQ(setting("S_REV"), "0");
        EXPECT_EQ(setting("S_PLAYED"), "0");
        env.dialogs.clear();
    }

    void pressCtrlN() { QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier); }
};

TEST_F(GameTransitions, AbandonThenCancelLeavesNothingToRevealThenAWholeGame) {
    player->startGame({QStringLiteral("fruit.qrw"), ShowMode::Words, Level::Medium, true});
    player->find(1);
    EXPECT_TRUE(window->play().flashRunning());
    abandonAndCancel();
    EXPECT_FALSE(window->gameClock().isActive());  // no clock ticking over the title artwork
    EXPECT_FALSE(window->play().flashRunning());
    EXPECT_FALSE(window->play().flashCheckRunning());
    EXPECT_EQ(window->session().phase(), GamePhase::Abandoned);
    expectRevealsDoNothing();

    player->startGame(kFruitMedium);
    EXPECT_EQ(window->board().model().lines[1].mode, DrawMode::MaskPen);
    player->findTheRest();
    player->runCompletion();
    EXPECT_EQ(Player::verdict(),
              "You have completed Fruit on Medium level! Try a harder level next time!");
    EXPECT_EQ(setting("S_PLAYED"), "1");
    EXPECT_EQ(setting("S_COMP"), "1");
    EXPECT_EQ(setting("S_REV"), "0");
}

TEST_F(GameTransitions, AbandonThenStartPlaysTheNewGameToItsEnd) {
    player->startGame({QStringLiteral("capitals.qrw"), ShowMode::Questions, Level::Hard, false});
    player->find(2);
    env.dialogs.answerMessage(MsgAnswer::Yes);
    player->startGame({QStringLiteral("kitchen.qrw"), ShowMode::Blanks, Level::Easy, false});
    EXPECT_EQ(env.dialogs.messages().size(), 1u);  // the question about the running game
    EXPECT_FALSE(window->play().flashRunning());   // the old strike's flash is gone
    const BoardModel& model = window->board().model();
    for (int slot = 1; slot <= 20; ++slot) EXPECT_FALSE(model.entries[slot].struck) << slot;
    player->findTheRest();
    player->runCompletion();
    EXPECT_EQ(Player::verdict(),
              "You have completed In the Kitchen on Easy level! Try a harder level next time!");
    EXPECT_EQ(Player::endLabel("ep_name"), "In the Kitchen");
    EXPECT_EQ(setting("S_PLAYED"), "1");
    EXPECT_EQ(setting("S_COMP"), "1");
}

TEST_F(GameTransitions, AFailedStartLeavesNoGameToReveal) {
    player->startGame(kFruitMedium);
    player->find(1);
    env.dialogs.answerMessage(MsgAnswer::Yes);
    NewPuzzleDialog* dialog = player->openNewGameDialog();
    ASSERT_NE(dialog, nullptr);
    env.dialogs.clear();
    // Stop is pressed as soon as the generator, which starts from the event queue, first lets
    // events run.
    QObject::connect(dialog, &NewPuzzleDialog::startGameRequested, window.get(), [this] {
        QTimer::singleShot(0, window.get(), [this] {
            if (auto* progress = window->findChild<CreatingPuzzleWindow*>())
                progress->requestStop();
        });
    });
    Player::clickButton(*dialog, "Command1");
    for (int round = 0; round < 20; ++round) QCoreApplication::processEvents();
    ASSERT_FALSE(env.dialogs.messages().empty());
    EXPECT_EQ(env.dialogs.messages().back().text, "Could not generate puzzle!");
    EXPECT_EQ(window->session().phase(), GamePhase::NoGame);
    EXPECT_FALSE(game().gameInProgress());
    expectRevealsDoNothing();

    // The next start works as from a fresh window.
    player->startGame(kFruitMedium);
    EXPECT_TRUE(window->menu().revealWordAction->isEnabled());
    EXPECT_TRUE(env.dialogs.messages().empty());  // no game was running, so no question
}

TEST_F(GameTransitions, NewWordSearchRightAfterTheLastStrikeWaitsForTheEndOfGame) {
    player->startGame({QStringLiteral("fruit.qrw"), ShowMode::Words, Level::Medium, true});
    env.dialogs.answerInput(QStringLiteral("Quinn"));
    player->findTheRest();
    EXPECT_FALSE(window->menu().newGameAction->isEnabled());
    pressCtrlN();
    window->newWordSearch();
    EXPECT_EQ(window->findChild<NewPuzzleDialog*>(), nullptr);
    EXPECT_EQ(foundCount(), 20);

    player->runCompletion();
    ASSERT_NE(Player::endOfGameDialog(), nullptr);
    EXPECT_EQ(Player::verdict(), "Congratulations you achieved a high score!");
    EXPECT_EQ(fastTime("S1_N"), "Quinn");
    EXPECT_EQ(setting("S_COMP"), "1");
    EXPECT_EQ(setting("S_PLAYED"), "1");
    EXPECT_FALSE(window->play().flashCheckRunning());
    Player::closeEndOfGameDialog();
    EXPECT_TRUE(window->boardFrame().isVisible());

    // Over the finished board New WordSearch needs no question, and the next game plays through.
    env.dialogs.clear();
    player->startGame(kFruitMedium);
    EXPECT_TRUE(env.dialogs.messages().empty());
    player->findTheRest();
    player->runCompletion();
    EXPECT_EQ(Player::verdict(),
              "You have completed Fruit on Medium level! Try a harder level next time!");
    EXPECT_EQ(setting("S_PLAYED"), "2");
}

TEST_F(GameTransitions, ADifficultyChangeMidGameWaitsForTheNextGame) {
    env.state.soundOn = true;
    player->startGame({QStringLiteral("fruit.qrw"), ShowMode::Words, Level::Expert, false});
    EXPECT_TRUE(window->menu().expertAction->isChecked());  // the dialog's level is checked
    EXPECT_FALSE(window->menu().mediumAction->isChecked());
    window->menu().easyAction->trigger();
    EXPECT_EQ(env.dialogs.last().text,
              "New setting will will be activated when you start a new game.");
    // Puzzle Information speaks of the next game.
    window->menu().puzzleInformationAction->trigger();
    EXPECT_TRUE(env.dialogs.last().text.contains("Difficulty : Easy"));
    EXPECT_EQ(window->strip().levelCaption(), "Level : Expert");

    player->findTheRest();
    env.media.clear();
    player->runCompletion();
    EXPECT_EQ(Player::endLabel("pe_level"), "Expert");
    EXPECT_EQ(Player::verdict(), "You have completed Fruit on Expert level! Congratulations!");
    EXPECT_TRUE(env.media.log().contains("file:" + env.sfxFile("sf0008.wav")));
    Player::closeEndOfGameDialog();

    // The next game is played on Easy; a Time Challenge then moves the check to Expert.
    player->startGame({QStringLiteral("fruit.qrw"), ShowMode::Words, Level::Easy, false});
    EXPECT_EQ(window->strip().levelCaption(), "Level : Easy");
    EXPECT_TRUE(window->menu().easyAction->isChecked());
    env.dialogs.answerMessage(MsgAnswer::Yes);
    player->startGame({QStringLiteral("fruit.qrw"), ShowMode::Words, Level::Medium, true});
    EXPECT_TRUE(window->menu().expertAction->isChecked());
    EXPECT_FALSE(window->menu().easyAction->isChecked());
}

}  // namespace
