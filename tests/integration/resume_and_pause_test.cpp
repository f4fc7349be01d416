// Keeping a game between runs and pausing one, played on the real main window: quit, start
// the program again, Resume Saved Game, and play on to the end.

#include "integration/player.h"

#include "board/board_window.h"
#include "shell/main/status_strip.h"
#include "support/file_faults.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QTimer>

namespace {

class ResumeAndPause : public IntegrationTest {
  protected:
    // The program ends and starts again with the same settings and saved-game folder.
    void restart() {
        player.reset();
        window.reset();
        window = std::make_unique<MainWindow>(env.services, &random);
        clockTickedByHand(*window);
        ASSERT_TRUE(window->load());
        window->show();
        QCoreApplication::processEvents();  // the board hides at its first activation
        player = std::make_unique<Player>(*window, env);
    }
    void quitAnsweringYes() {
        env.dialogs.answerMessage(MsgAnswer::Yes);
        window->menu().exitAction->trigger();
    }
    bool savedGameExists() const { return QFile::exists(env.services.savedGameFile); }
    QAction& resume() { return *window->menu().resumeGameAction; }
};

TEST_F(ResumeAndPause, AGameQuitWithThreeWordsStruckResumesAndPlaysToTheEnd) {
    EXPECT_FALSE(resume().isEnabled());
    player->startGame({QStringLiteral("capitals.qrw"), ShowMode::Questions, Level::Hard, false});
    for (int slot : {2, 5, 7}) {
        player->find(slot, slot == 5);
        player->letFlashEnd();
    }
    const Puzzle before = game().puzzle();
    const std::vector<Strike> struck = game().strikes();
    quitAnsweringYes();
    EXPECT_TRUE(savedGameExists());

    restart();
    EXPECT_FALSE(window->boardFrame().isVisible());
    ASSERT_TRUE(resume().isEnabled());
    resume().trigger();
    EXPECT_FALSE(savedGameExists());
    EXPECT_FALSE(resume().isEnabled());
    ASSERT_TRUE(window->boardFrame().isVisible());
    EXPECT_EQ(game().puzzle().letters, before.letters);
    ASSERT_EQ(game().foundCount(), 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(game().strikes()[k].slot, struck[k].slot);
        EXPECT_EQ(game().strikes()[k].from, struck[k].from);  // lines as they were drawn
    }
    for (int slot = 1; slot <= game().wordCount(); ++slot) {
        const BoardEntry& entry = window->board().model().entries[slot];
        EXPECT_EQ(entry.caption, before.word(slot).question);  // still the Questions list
        EXPECT_EQ(entry.struck, slot == 2 || slot == 5 || slot == 7) << slot;
    }
    EXPECT_EQ(window->strip().levelCaption(), "Level : Hard");
    EXPECT_FALSE(window->menu().puzzleInformationAction->isEnabled());  // words were found by hand

    player->findTheRest();
    player->runCompletion();
    EXPECT_EQ(Player::verdict(),
              "You have completed Capital Cities on Hard level! Try a harder level next time!");
    EXPECT_EQ(setting("S_COMP"), "1");
    EXPECT_EQ(setting("S_PLAYED"), "1");
    Player::closeEndOfGameDialog();
    EXPECT_FALSE(resume().isEnabled());
}

TEST_F(ResumeAndPause, ATimeChallengeKeptAtLogOutGoesOnFromItsSavedTime) {
    player->startGame({QStringLiteral("capitals.qrw"), ShowMode::Words, Level::Expert, true});
    player->find(1);
    for (int second = 0; second < 75; ++second) window->gameClockTick();
    window->closeForTermination();  // no question: the desktop is going away
    EXPECT_TRUE(env.dialogs.shown().empty());

    restart();
    resume().trigger();
    EXPECT_EQ(window->strip().clockText(), "1:15");
    EXPECT_TRUE(window->gameClock().isActive());
    window->gameClockTick();
    EXPECT_EQ(window->strip().clockText(), "1:16");
    EXPECT_EQ(window->strip().speedColor(), QColor(192, 255, 255));
    EXPECT_EQ(game().foundCount(), 1);
}

TEST_F(ResumeAndPause, APausedChallengeCoversTheBoardAndItsClockStandsStill) {
    player->startGame({QStringLiteral("capitals.qrw"), ShowMode::Words, Level::Expert, true});
    for (int second = 0; second < 10; ++second) window->gameClockTick();
    QAction& pause = *window->menu().pauseAction;
    ASSERT_TRUE(pause.isEnabled());
    pause.trigger();
    EXPECT_TRUE(game().paused());
    EXPECT_TRUE(window->board().covered());
    EXPECT_FALSE(window->gameClock().isActive());
    EXPECT_FALSE(window->menu().revealWordAction->isEnabled());
    EXPECT_FALSE(window->menu().revealPuzzleAction->isEnabled());
    window->gameClockTick();  // a tick that reaches a paused game counts nothing
    player->find(1);
    EXPECT_EQ(game().foundCount(), 0);
    EXPECT_EQ(window->strip().clockText(), "0:10");

    pause.trigger();
    EXPECT_FALSE(window->board().covered());
    EXPECT_TRUE(window->gameClock().isActive());
    player->findTheRest();
    player->runCompletion();
    EXPECT_EQ(Player::endLabel("pe_time"), "0:10");
    EXPECT_FALSE(window->menu().pauseAction->isEnabled());
}

TEST_F(ResumeAndPause, AnUnreadableSavedGameIsMovedAsideAndPlayGoesOn) {
    env.writeFile(QStringLiteral("../home/.local/state/quarrow/saved-game"),
                  "Quarrow saved game 1\ntheme data%5Cfruit.qrw\nlevel 9\n");
    restart();
    ASSERT_TRUE(resume().isEnabled());
    resume().trigger();
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    EXPECT_EQ(env.dialogs.last().title, "Resume Saved Game");
    EXPECT_TRUE(env.dialogs.last().text.startsWith("The saved game could not be read"));
    EXPECT_FALSE(savedGameExists());
    EXPECT_TRUE(QFile::exists(env.services.savedGameFile + ".broken"));
    EXPECT_FALSE(resume().isEnabled());

    player->startGame({QStringLiteral("fruit.qrw"), ShowMode::Words, Level::Easy, false});
    player->findTheRest();
    player->runCompletion();
    EXPECT_NE(Player::endOfGameDialog(), nullptr);
}

// The disk is full when the player quits: they are told, and the game saved before is kept.
TEST_F(ResumeAndPause, AGameThatCannotBeSavedIsToldAndTheOlderOneKept) {
    player->startGame({QStringLiteral("fruit.qrw"), ShowMode::Words, Level::Easy, false});
    quitAnsweringYes();
    QFile saved(env.services.savedGameFile);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray older = saved.readAll();
    saved.close();

    restart();
    player->startGame({QStringLiteral("capitals.qrw"), ShowMode::Questions, Level::Easy, false});
    {
        const FileSizeLimit full(64);
        quitAnsweringYes();
    }
    ASSERT_FALSE(env.dialogs.shown().empty());
    EXPECT_EQ(env.dialogs.last().title, "Save Game");
    EXPECT_TRUE(env.dialogs.last().text.startsWith("The game in play could not be saved to " +
                                                   env.services.savedGameFile + " ("));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), older);
}

// A game that stays on the disk after it is resumed could be played again from the start.
TEST_F(ResumeAndPause, AGameThatCannotBeRemovedIsNotResumed) {
    player->startGame({QStringLiteral("fruit.qrw"), ShowMode::Words, Level::Easy, false});
    quitAnsweringYes();
    restart();
    const ReadOnlyFolder locked(QFileInfo(env.services.savedGameFile).absolutePath());
    if (!locked.active()) GTEST_SKIP() << "no way to make a read-only folder here";
    const std::size_t before = env.dialogs.shown().size();
    resume().trigger();
    ASSERT_EQ(env.dialogs.shown().size(), before + 1);
    EXPECT_EQ(env.dialogs.last().title, "Resume Saved Game");
    EXPECT_TRUE(env.dialogs.last().text.startsWith("The saved game cannot be resumed"));
    EXPECT_TRUE(savedGameExists());
    EXPECT_FALSE(window->boardFrame().isVisible());
}

}  // namespace
