#include "records/end_puzzle_dialog.h"
#include "platform/settings_store.h"
#include "records/fastest_times_table.h"
#include "records/memory_settings_store.h"
#include "support/test_env.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace {

class EndPuzzle : public ::testing::Test {
  protected:
    EndPuzzle() { fastest_times::writeResetSet(store); }

    std::unique_ptr<EndPuzzleDialog> open(const QString& time = "3:07") {
        game.finishingTime = time;
        return std::make_unique<EndPuzzleDialog>(services, game, nullptr);
    }
    QStringList tune(const QString& file) const {
        return {"Stop", "Close", "file:" + env.sfxFile(file), "Open", "Play"};
    }
    static QString text(const EndPuzzleDialog& dialog, const char* name) {
        const auto* label = dialog.findChild<QLabel*>(name);
        return label ? label->text() : QStringLiteral("<no such label>");
    }
    // How often `signal` was emitted from now on.
    const int& count(EndPuzzleDialog* dialog, void (EndPuzzleDialog::*signal)()) {
        int& counter = counters.emplace_back(0);
        QObject::connect(dialog, signal, [&counter] { ++counter; });
        return counter;
    }
    QString played() const { return store.read("Settings", "S_PLAYED", "<missing>"); }

    FinishedGame game{"Fruit", Level::Medium, "3:07"};
    TestEnv env;
    MemorySettingsStore store;
    Services services = env.withStore(store);
    std::deque<int> counters;
};

TEST_F(EndPuzzle, ShowsTheSummaryAndCaptions) {
    auto dialog = open("12:40");
    EXPECT_EQ(dialog->windowTitle(), " QRW Puzzle Complete");
    EXPECT_EQ(text(*dialog, "ep_name"), "Fruit");
    EXPECT_EQ(text(*dialog, "pe_level"), "Medium");
    EXPECT_EQ(text(*dialog, "pe_time"), "12:40");
    EXPECT_EQ(text(*dialog, "Label2"), "CONGRATULATIONS");
    EXPECT_EQ(text(*dialog, "Label3"), "Puzzle Completed Successfully");
    EXPECT_EQ(text(*dialog, "Label1"), " Puzzle");
    EXPECT_EQ(text(*dialog, "Label5"), " Level");
    EXPECT_EQ(text(*dialog, "Label7"), " Time");
    EXPECT_EQ(dialog->findChild<QLabel*>("puz_stat")->font().family(), "Arial");
}

TEST_F(EndPuzzle, EveryOpeningCountsOneGamePlayed) {
    open();
    EXPECT_EQ(played(), "1");
    game.timeChallenge = true;
    open();
    game.puzzleRevealed = true;
    open();
    EXPECT_EQ(played(), "3");
    store.write("Settings", "S_PLAYED", "not a number");
    open();
    EXPECT_EQ(played(), "1");
}

TEST_F(EndPuzzle, OrdinaryGameSendsStopAndCloseEvenWhenSilent) {
    env.state.soundOn = false;
    auto dialog = open();
    EXPECT_EQ(env.media.log(), QStringList({"file:" + env.sfxFile("sf0006.wav"), "Stop", "Close",
                                            "file:" + env.sfxFile("sf0005.wav")}));
    EXPECT_EQ(dialog->result().verdict,
              "You have completed Fruit on Medium level! Try a harder level next time!");
    EXPECT_EQ(text(*dialog, "puz_stat"), dialog->result().verdict);
    const auto* time = dialog->findChild<QLabel*>("pe_time");
    EXPECT_FALSE(time->isEnabled());
    EXPECT_EQ(time->palette().color(QPalette::Window), QColor(128, 128, 128));
}

TEST_F(EndPuzzle, OrdinaryGamePlaysTheChosenTuneOnceWhenSoundIsOn) {
    env.state.soundOn = true;
    env.state.loopSound = 1;
    game.level = Level::Expert;
    game.wordsRevealed = 2;
    open();
    EXPECT_EQ(env.state.loopSound, 0);
    EXPECT_EQ(env.media.log(), QStringList({"file:" + env.sfxFile("sf0006.wav"), "Stop", "Close",
                                            "file:" + env.sfxFile("sf0006.wav"), "Open", "Play"}));
    env.media.clear();
    game.puzzleRevealed = true;
    game.level = Level::Easy;
    auto dialog = open();
    EXPECT_EQ(env.media.log().mid(3),
              QStringList({"file:" + env.sfxFile("sf0007.wav"), "Open", "Play"}));
    EXPECT_TRUE(dialog->result().verdict.endsWith(" level - Please try again!"));
}

TEST_F(EndPuzzle, SpeedChallengeOutsideTheTableSaysSoAndPlaysTheTune) {
    game.timeChallenge = true;
    env.state.soundOn = true;
    game.wordsRevealed = 3;  // plays no part in a Speed Challenge
    auto dialog = open("4:30");
    EXPECT_EQ(dialog->result().verdict,
              "You did not achieve a high score this go, better luck next time!");
    EXPECT_EQ(env.media.log(), tune("sf0005.wav"));
    EXPECT_TRUE(env.dialogs.shown().empty());
    const auto* time = dialog->findChild<QLabel*>("pe_time");
    EXPECT_TRUE(time->isEnabled());
    EXPECT_EQ(time->palette().color(QPalette::Window), QColor(224, 224, 224));
}

TEST_F(EndPuzzle, QualifyingSpeedChallengeAsksForTheNameBeforeTheDialogShows) {
    game.timeChallenge = true;
    env.state.soundOn = true;
    bool dialogVisibleAtPrompt = true;
    env.dialogs.onNextBox([&](const ScriptedDialogs::Shown&) {
        dialogVisibleAtPrompt = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "end_puzzle" && w->isVisible()) dialogVisibleAtPrompt = true;
    });
    env.dialogs.answerInput("Ann");
    auto dialog = open("2:10");
    EXPECT_FALSE(dialogVisibleAtPrompt);
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    EXPECT_EQ(env.dialogs.last().kind, ScriptedDialogs::Shown::Kind::Input);
    EXPECT_EQ(env.dialogs.last().title, "High Score");
    EXPECT_EQ(dialog->result().verdict, "Congratulations you achieved a high score!");
    EXPECT_EQ(dialog->result().fastestTimesRank, 2);
    EXPECT_EQ(store.read("F_Times", "S2_N", ""), "Ann");
    EXPECT_EQ(store.read("F_Times", "S2_S", ""), "2:10");
    EXPECT_EQ(store.read("F_Times", "S2_P", ""), "Fruit");
    EXPECT_EQ(env.media.log(), tune("sf0005.wav"));

    env.state.soundOn = false;  // silent: nothing at all reaches the media
    env.media.clear();
    env.dialogs.answerInput("Bob");
    open("1:00");
    EXPECT_TRUE(env.media.log().isEmpty());
}

// Another copy of the game ends a game and takes a place while this one asks for a name: the
// games played are already saved, and neither copy's row or count is lost.
TEST_F(EndPuzzle, AnotherCopyMayEndAGameWhileTheNamePromptWaits) {
    fastest_times::writeResetSet(*env.settings);
    env.settings->write("Settings", "F_RUN", "False");
    Services onDisk = env.withStore(*env.settings);
    env.dialogs.onNextBox([&](const ScriptedDialogs::Shown&) {
        ASSERT_TRUE(env.settings->waitForSaves());
        IniSettingsStore other(env.settings->fileName());
        EXPECT_EQ(other.read("Settings", "S_PLAYED", "0"), "1");
        settings::addToCounter(other, "S_PLAYED", 1);
        fastest_times::insertRow(other, {"Bob", "1:00", "Birds"});
    });
    env.dialogs.answerInput("Ann");
    EndPuzzleDialog dialog(onDisk, FinishedGame{"Fruit", Level::Expert, "2:10", true}, nullptr);
    EXPECT_EQ(dialog.result().fastestTimesRank, 3);
    ASSERT_TRUE(env.settings->waitForSaves());
    IniSettingsStore reread(env.settings->fileName());
    EXPECT_EQ(reread.read("Settings", "S_PLAYED", "0"), "2");
    EXPECT_EQ(reread.read("F_Times", "S1_N", ""), "Bob");
    EXPECT_EQ(reread.read("F_Times", "S3_N", ""), "Ann");
    EXPECT_EQ(reread.read("F_Times", "S10_N", ""), "J.Penn");
}

TEST_F(EndPuzzle, RevealedSpeedChallengeOnlyShowsItsVerdict) {
    game.timeChallenge = true;
    game.puzzleRevealed = true;
    env.state.soundOn = true;
    auto dialog = open("1:00");
    EXPECT_EQ(dialog->result().verdict,
              "The computer revealed the puzzle - better luck next time!");
    EXPECT_TRUE(env.media.log().isEmpty());
    EXPECT_TRUE(env.dialogs.shown().empty());
    EXPECT_EQ(store.read("F_Times", "S1_N", ""), "B.Marsh");
    EXPECT_TRUE(dialog->findChild<QLabel*>("pe_time")->isEnabled());
}

TEST_F(EndPuzzle, ViewFastestTimesSilencesTheTuneAndAsksForTheWindow) {
    auto dialog = open();
    env.media.clear();
    const int& requested = count(dialog.get(), &EndPuzzleDialog::viewFastestTimesRequested);
    const int& closed = count(dialog.get(), &EndPuzzleDialog::closed);
    dialog->findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(env.media.log(), QStringList({"stop", "close"}));
    EXPECT_EQ(requested, 1);
    EXPECT_EQ(closed, 0);
}

TEST_F(EndPuzzle, ClosingByOkOrCloseBoxReportsClosed) {
    auto dialog = open();
    dialog->show();
    const int& closed = count(dialog.get(), &EndPuzzleDialog::closed);
    dialog->findChild<QPushButton*>("Command2")->click();
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(dialog->isVisible());

    auto other = open();
    other->show();
    const int& otherClosed = count(other.get(), &EndPuzzleDialog::closed);
    other->close();
    EXPECT_EQ(otherClosed, 1);
}

TEST_F(EndPuzzle, SitsOverTheMiddleOfTheMainWindowRaisedABit) {
    QWidget mainWindow;
    mainWindow.setGeometry(100, 50, 1000, 800);
    EndPuzzleDialog dialog(services, {"Fruit", Level::Medium, "3:07"}, &mainWindow);
    const QPoint offCentre =
        QRect(dialog.pos(), dialog.size()).center() - mainWindow.frameGeometry().center();
    EXPECT_LE(qAbs(offCentre.x()), 20);
    EXPECT_LT(offCentre.y(), -20);
    EXPECT_GT(offCentre.y(), -100);
}

}  // namespace
