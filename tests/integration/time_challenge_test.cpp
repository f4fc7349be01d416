// Time Challenge games on the real main window: the clock, the end-of-game verdict and the
// fastest-times table that a first run wrote.

#include "integration/player.h"

#include "board/board_window.h"
#include "shell/main/status_strip.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>

namespace {

const GameChoice kTimeChallenge{QStringLiteral("fruit.qrw"), ShowMode::Words, Level::Medium, true};

TEST_F(IntegrationTest, TimeChallengeBeatingTheTableTakesTheNameAndMovesTheRows) {
    player->startGame(kTimeChallenge);
    const GameState& state = env.state;
    EXPECT_TRUE(state.speedChallenge);
    EXPECT_EQ(state.level, Level::Expert);
    EXPECT_EQ(state.showMode, ShowMode::Words);
    EXPECT_TRUE(window->gameClock().isActive());
    EXPECT_EQ(window->strip().clockText(), "0:00");

    for (int second = 0; second < 65; ++second) window->gameClockTick();
    EXPECT_EQ(window->strip().clockText(), "1:05");

    env.dialogs.answerInput(QStringLiteral("Quinn"));
    player->findTheRest();
    EXPECT_FALSE(window->gameClock().isActive());
    const QString finish = QStringLiteral("1:05");
    EXPECT_EQ(window->strip().clockText(), finish);
    player->runCompletion();

    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    const auto& prompt = env.dialogs.shown()[0];
    EXPECT_EQ(prompt.kind, ScriptedDialogs::Shown::Kind::Input);
    EXPECT_EQ(prompt.title, "High Score");
    EXPECT_EQ(prompt.text,
              "Congratulations, you have achieved the #1 time in the Speed Challenge! Please "
              "enter you're name below.");
    QWidget* dialog = Player::endOfGameDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Player::verdict(), "Congratulations you achieved a high score!");
    EXPECT_EQ(Player::endLabel("pe_time"), finish);
    EXPECT_EQ(Player::endLabel("pe_level"), "Expert");

    EXPECT_EQ(fastTime("S1_N"), "Quinn");
    EXPECT_EQ(fastTime("S1_S"), finish);
    EXPECT_EQ(fastTime("S1_P"), "Fruit");
    EXPECT_EQ(fastTime("S2_N"), "B.Marsh");
    EXPECT_EQ(fastTime("S2_S"), "2:00");
    EXPECT_EQ(fastTime("S2_P"), "Internet");
    EXPECT_EQ(fastTime("S10_N"), "K.Moss");
    EXPECT_EQ(fastTime("S10_S"), "4:15");
    EXPECT_EQ(setting("S_COMP"), "1");
    EXPECT_EQ(setting("S_PLAYED"), "1");

    // "View Fastest Times" shows the new first row over the still open dialog.
    Player::clickButton(*dialog, "Command1");
    QWidget* times = Player::windowTitled(QStringLiteral("Fastest Times"));
    ASSERT_NE(times, nullptr);
    EXPECT_EQ(Player::labelText(times, "ft_n1"), "Quinn");
    EXPECT_EQ(Player::labelText(times, "ft_t1"), finish);
    EXPECT_EQ(Player::labelText(times, "ft_pn1"), "Fruit");
    Player::clickButton(*times, "Command1");
    EXPECT_EQ(Player::windowTitled(QStringLiteral("Fastest Times")), nullptr);
    EXPECT_NE(Player::endOfGameDialog(), nullptr);
    Player::closeEndOfGameDialog();
    EXPECT_TRUE(window->boardFrame().isVisible());
}

TEST_F(IntegrationTest, TimeChallengeTyingTheTenthTimeLeavesTheTable) {
    player->startGame(kTimeChallenge);
    // 4:30, the tenth row's time.
    for (int second = 0; second < 270; ++second) window->gameClockTick();
    player->findTheRest();
    player->runCompletion();
    EXPECT_TRUE(env.dialogs.shown().empty());
    EXPECT_EQ(Player::verdict(),
              "You did not achieve a high score this go, better luck next time!");
    EXPECT_EQ(fastTime("S10_N"), "Tarnwick");
    EXPECT_EQ(fastTime("S10_S"), "4:30");
    EXPECT_EQ(fastTime("S1_N"), "B.Marsh");
    // Enter presses the dialog's default button, OK.
    QTest::keyClick(Player::endOfGameDialog(), Qt::Key_Return);
    EXPECT_EQ(Player::endOfGameDialog(), nullptr);
    EXPECT_TRUE(window->boardFrame().isVisible());
}

TEST_F(IntegrationTest, TimeChallengeRevealedByTheComputerCountsOnlyTheGame) {
    player->startGame(kTimeChallenge);
    player->find(5);
    player->letFlashEnd();
    env.dialogs.answerMessage(MsgAnswer::Yes);
    window->menu().revealPuzzleAction->trigger();
    EXPECT_FALSE(window->gameClock().isActive());
    player->runCompletion();
    EXPECT_EQ(Player::verdict(), "The computer revealed the puzzle - better luck next time!");
    EXPECT_EQ(env.dialogs.shown().size(), 1u);  // the reveal question, no name prompt
    EXPECT_EQ(fastTime("S1_N"), "B.Marsh");
    EXPECT_EQ(setting("S_REV"), "1");
    EXPECT_EQ(setting("S_COMP"), "0");
    EXPECT_EQ(setting("S_PLAYED"), "1");
    Player::closeEndOfGameDialog();
}

}  // namespace
