#include "main_window_fixture.h"

#include "board/board_play.h"
#include "newgame/new_puzzle_dialog.h"
#include "platform/twips.h"
#include "records/end_puzzle_dialog.h"
#include "records/fast_times_window.h"
#include "records/statistics_window.h"
#include "shell/main/about_window.h"
#include "shell/main/status_strip.h"
#include "shell/startup/warranty.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Every entry a player can reach by keyboard answers one key of its own; help for a game is
// offered only once a game is on the board, which starts hidden behind the title.
TEST_F(MainWindowTest, AFreshWindowHasDistinctShortcutsAndNoGame) {
    QSet<QString> keys;
    int entries = 0;
    for (const QAction* action : window->menuBar()->findChildren<QAction*>()) {
        if (action->shortcut().isEmpty()) continue;
        ++entries;
        EXPECT_FALSE(keys.contains(action->shortcut().toString())) << action->text().toStdString();
        keys.insert(action->shortcut().toString());
    }
    EXPECT_GE(entries, 15);
    const MainMenu& m = window->menu();
    EXPECT_FALSE(m.revealPuzzleAction->isEnabled());
    EXPECT_FALSE(m.revealWordAction->isEnabled());
    EXPECT_FALSE(m.puzzleInformationAction->isEnabled());
    EXPECT_TRUE(m.mediumAction->isChecked());
    EXPECT_TRUE(m.soundAction->isChecked());
    EXPECT_FALSE(boardShown());
    EXPECT_TRUE(window->titleFrame().isVisible());
    EXPECT_FALSE(env.state.hideBoardOnActivate);
    EXPECT_TRUE(window->boardFrame().windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->strip().clockText(), "0:00");
    EXPECT_FALSE(window->gameClock().isActive());
}

// Every menu and entry has an access key of its own within its menu, and the captions still
// read as designed; F10 opens the first menu and Alt with a title's key opens that menu.
TEST_F(MainWindowTest, EveryMenuIsReachableFromTheKeyboard) {
    int entries = 0;
    const std::function<void(const QList<QAction*>&)> checkKeys = [&](const QList<QAction*>& in) {
        QSet<QString> keys;
        for (const QAction* action : in) {
            if (action->isSeparator()) continue;
            ++entries;
            const QString key = QKeySequence::mnemonic(action->text()).toString();
            EXPECT_FALSE(key.isEmpty()) << action->text().toStdString();
            EXPECT_FALSE(keys.contains(key)) << action->text().toStdString();
            keys.insert(key);
            if (action->menu()) checkKeys(action->menu()->actions());
        }
    };
    checkKeys(window->menuBar()->actions());
    EXPECT_GE(entries, 40);
    const MainMenu& m = window->menu();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(m.fileMenu)
                  ->child(m.fileMenu->actions().indexOf(m.printSetupAction))
                  ->text(QAccessible::Name),
              "Print Setup ...");

    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_F10);
    EXPECT_TRUE(m.fileMenu->isVisible());
    m.fileMenu->close();
    QTest::keyClick(window.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(m.optionsMenu->isVisible());
    m.optionsMenu->close();
}

TEST_F(MainWindowTest, NewWordSearchWithoutAGameOpensTheDialogAtOnce) {
    window->menu().puzzleInformationAction->setEnabled(true);
    window->strip().setHint("What is red?");
    window->newWordSearch();
    EXPECT_TRUE(env.dialogs.shown().empty());
    EXPECT_TRUE(window->strip().hint().isEmpty());  // the last hovered text is gone
    EXPECT_FALSE(window->menu().puzzleInformationAction->isEnabled());
    EXPECT_TRUE(window->titleFrame().isVisible());
    auto* dialog = window->findChild<NewPuzzleDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    dialog->close();
}

TEST_F(MainWindowTest, NewWordSearchDuringAGameAsksAndNoChangesNothing) {
    startTwentyWordGame(Level::Medium, false);
    findWord(1);
    env.dialogs.answerMessage(MsgAnswer::No);
    window->newWordSearch();
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    expectLastBox("There is already an active game are you sure you wish to start a new one?",
                  "New Game?", MsgButtons::YesNo, MsgIcon::Exclamation);
    EXPECT_TRUE(window->session().gameInProgress());
    EXPECT_EQ(window->session().foundCount(), 1);
    EXPECT_TRUE(window->board().model().entries[1].struck);
    EXPECT_EQ(window->findChild<NewPuzzleDialog*>(), nullptr);

    env.dialogs.answerMessage(MsgAnswer::Yes);
    window->newWordSearch();
    EXPECT_FALSE(window->session().gameInProgress());
    EXPECT_EQ(window->session().foundCount(), 0);
    EXPECT_FALSE(window->board().model().entries[1].struck);
    auto* dialog = window->findChild<NewPuzzleDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->close();
}

TEST_F(MainWindowTest, PrintWithoutAPuzzleRefuses) {
    window->print();
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    expectLastBox(
        "There is currently no puzzle loaded, please start a New Game (CTRL + N) then try "
        "again.",
        "No Puzzle Loaded", MsgButtons::Ok, MsgIcon::Critical);
}

TEST_F(MainWindowTest, DifficultyMovesTheCheckAndSetsTheLevel) {
    const char* titles[] = {"", "Difficulty Easy", "Difficulty Medium", "Difficulty Hard",
                            "Difficulty Expert"};
    for (Level level : {Level::Expert, Level::Easy, Level::Hard, Level::Medium}) {
        env.dialogs.clear();
        window->menu().levelEntry(level)->trigger();
        EXPECT_EQ(env.state.level, level);
        for (const Level other : kLevels) {
            EXPECT_EQ(window->menu().levelEntry(other)->isChecked(), other == level);
        }
        ASSERT_EQ(env.dialogs.shown().size(), 1u);
        expectLastBox("New setting will will be activated when you start a new game.",
                      titles[levelNumber(level)], MsgButtons::Ok, MsgIcon::Information);
    }
    // Choosing the checked level again keeps it checked.
    window->menu().mediumAction->trigger();
    EXPECT_TRUE(window->menu().mediumAction->isChecked());
}

TEST_F(MainWindowTest, SoundEntryWritesTheSwitch) {
    env.state.soundOn = true;
    window->menu().soundAction->trigger();
    EXPECT_FALSE(window->menu().soundAction->isChecked());
    EXPECT_FALSE(env.state.soundOn);
    EXPECT_EQ(setting("SOUND"), "False");
    window->menu().soundAction->trigger();
    EXPECT_TRUE(window->menu().soundAction->isChecked());
    EXPECT_TRUE(env.state.soundOn);
    EXPECT_EQ(setting("SOUND"), "True");
}

TEST_F(MainWindowTest, PuzzleInformationShowsFourLines) {
    env.state.puzzleTitle = "Fruit";
    env.state.puzzleAuthor = "Ann";
    env.state.level = Level::Expert;
    env.state.showMode = ShowMode::Questions;
    window->puzzleInformation();
    expectLastBox("Game Title : Fruit\rDifficulty : Expert\rGame Type : Questions\rAuthor : Ann",
                  "Puzzle Information", MsgButtons::Ok, MsgIcon::Information);
}

TEST_F(MainWindowTest, WebPageOpensOnlyOnYes) {
    env.dialogs.answerMessage(MsgAnswer::No);
    window->openWebPage();
    EXPECT_TRUE(env.shell.opened.isEmpty());
    expectLastBox("This will open a webpage, do you wish to continue?", "Open Webpage",
                  MsgButtons::YesNo, MsgIcon::Information);

    env.dialogs.answerMessage(MsgAnswer::Yes);
    window->openWebPage();
    EXPECT_EQ(env.shell.opened, QStringList{web::kPuzzleIndex});
    EXPECT_TRUE(web::kPuzzleIndex.endsWith("/software/qrw/puzzleindex.htm"));
}

TEST_F(MainWindowTest, InstructionsOpenTheReadMe) {
    window->instructions();
    EXPECT_EQ(env.shell.opened, QStringList{env.programFolder() + "/ReadMe.htm"});
    EXPECT_TRUE(env.dialogs.shown().empty());
}

TEST_F(MainWindowTest, WarrantyShowsTheTextAlone) {
    window->warranty();
    expectLastBox(warrantyText(), "Warranty", MsgButtons::Ok, MsgIcon::Information);
}

TEST_F(MainWindowTest, AboutWindowShowsVersionAndOpensTheHomePage) {
    window->about();
    auto* about = window->findChild<AboutWindow*>();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About QRW");
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowModality(), Qt::ApplicationModal);
    QStringList texts;
    for (const QLabel* label : about->findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains("Version 1.00"));
    EXPECT_TRUE(texts.contains(web::kHomePage));
    about->openHomePage();
    EXPECT_EQ(env.shell.opened, QStringList{web::kHomePage});
    about->close();
}

TEST_F(MainWindowTest, StatisticsBringsThePlayingTimeUpToDate) {
    env.settings->write("Settings", "S_TIMEP", "100");
    env.state.secondsPlayed = 40;
    window->statistics();
    EXPECT_EQ(setting("S_TIMEP"), "140");
    EXPECT_EQ(env.state.secondsPlayed, 0);
    auto* statistics = window->findChild<StatisticsWindow*>();
    ASSERT_NE(statistics, nullptr);
    EXPECT_TRUE(statistics->isVisible());
    statistics->close();
}

TEST_F(MainWindowTest, QuitDeclinedStillStoresThePlayingTime) {
    int quits = 0;
    QObject::connect(window.get(), &MainWindow::quitConfirmed, [&quits] { ++quits; });
    env.state.secondsPlayed = 30;
    env.dialogs.onNextBox([this](const ScriptedDialogs::Shown&) {
        // The time is stored before the question is asked.
        EXPECT_EQ(setting("S_TIMEP"), "30");
        EXPECT_EQ(env.state.secondsPlayed, 0);
    });
    env.dialogs.answerMessage(MsgAnswer::No);
    window->close();
    expectLastBox("Are you sure you want to quit?", "Quit QRW Pro?", MsgButtons::YesNo,
                  MsgIcon::Information);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(quits, 0);

    // The counter restarts and adds on from there.
    window->playedCounterTick();
    window->playedCounterTick();
    env.dialogs.answerMessage(MsgAnswer::No);
    window->close();
    EXPECT_EQ(setting("S_TIMEP"), "32");
}

TEST_F(MainWindowTest, QuitDuringAGameAsksAboutTheGameAndYesEnds) {
    int quits = 0;
    QObject::connect(window.get(), &MainWindow::quitConfirmed, [&quits] { ++quits; });
    startTwentyWordGame(Level::Medium, false);
    env.dialogs.answerMessage(MsgAnswer::Yes);
    window->menu().exitAction->trigger();
    EXPECT_EQ(env.dialogs.last().text,
              "You are currently playing a game are you sure you want to quit?");
    EXPECT_EQ(env.dialogs.last().title, "Cancel Current Game?");
    EXPECT_EQ(quits, 1);
}

TEST_F(MainWindowTest, GameClockCountsMinutesAndSeconds) {
    startTwentyWordGame(Level::Expert, true);
    for (int i = 0; i < 60; ++i) window->gameClockTick();
    EXPECT_EQ(window->strip().clockText(), "1:00");
    EXPECT_EQ(window->session().clockSeconds(), 60);
}

TEST_F(MainWindowTest, ResizingTooNarrowMovesOnlyTheClockAndTheChildren) {
    window->resize(1000, 700);
    QCoreApplication::processEvents();
    const auto wide = window->strip().positions();
    const int wideWidth = window->frameGeometry().width();

    window->resize(300, 700);
    QCoreApplication::processEvents();
    const auto narrow = window->strip().positions();
    const int narrowed = wideWidth - window->frameGeometry().width();
    ASSERT_GT(narrowed, 0);
    // The clock keeps to the right edge; the rest of the strip stays where it was.
    EXPECT_DOUBLE_EQ(wide.clockLeft - narrow.clockLeft, twips::fromPixels(narrowed));
    EXPECT_DOUBLE_EQ(narrow.hintWidth, wide.hintWidth);
    EXPECT_DOUBLE_EQ(narrow.levelCaptionLeft, wide.levelCaptionLeft);
    EXPECT_DOUBLE_EQ(narrow.speedLeft, wide.speedLeft);
    EXPECT_LT(window->boardFrame().x(), 0);  // partly off the client area
}

TEST_F(MainWindowTest, TheBoardSitsWhollyInsideTheAreaBelowTheMenuBar) {
    // Offscreen windows have no frame at all, as on a display without a window manager.
    window->resize(
        twips::toPixelsRounded(MainWindow::kClientWidth),
        twips::toPixelsRounded(MainWindow::kClientHeight) + window->menuBar()->sizeHint().height());
    QCoreApplication::processEvents();
    const QMdiArea* area = window->boardFrame().mdiArea();
    const QRect board = window->boardFrame().geometry();
    EXPECT_GE(board.top(), 0);
    EXPECT_LE(board.bottom(), area->height());
    EXPECT_GE(board.left(), 0);
    EXPECT_LE(board.right(), area->width());
}

TEST_F(MainWindowTest, BoardSignalsReachTheMenusClockAndStrip) {
    startTwentyWordGame(Level::Expert, true);
    BoardWindow& board = window->board();
    window->strip().setClockText("1:23");

    emit board.hoverText("What is red?");
    EXPECT_EQ(window->strip().hint(), "What is red?");
    findWord(1);
    EXPECT_FALSE(window->menu().puzzleInformationAction->isEnabled());
    EXPECT_TRUE(window->menu().revealWordAction->isEnabled());
    findEveryWord();
    EXPECT_FALSE(window->menu().revealWordAction->isEnabled());
    EXPECT_FALSE(window->menu().revealPuzzleAction->isEnabled());
    EXPECT_FALSE(window->menu().newGameAction->isEnabled());  // until the end-of-game dialog is up
    EXPECT_FALSE(window->session().gameInProgress());
    EXPECT_FALSE(window->gameClock().isActive());
    EXPECT_EQ(window->strip().clockText(), "1:23");  // the final time stays
}

TEST_F(MainWindowTest, CompletionOpensTheEndOfGameDialogAndClosingShowsTheBoard) {
    emit window->play().completionReady();  // no game: nothing opens
    EXPECT_EQ(window->findChild<EndPuzzleDialog*>(), nullptr);

    startTwentyWordGame(Level::Hard, false);
    window->strip().setClockText("2:05");
    findEveryWord();
    emit window->play().completionReady();
    EXPECT_FALSE(window->titleFrame().isVisible());
    auto* dialog = window->findChild<EndPuzzleDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains("Alphabet"));
    EXPECT_TRUE(texts.contains("Hard"));
    EXPECT_TRUE(texts.contains("2:05"));
    EXPECT_EQ(window->session().phase(), GamePhase::Ended);
    EXPECT_TRUE(window->menu().newGameAction->isEnabled());

    dialog->viewFastestTimes();
    auto* times = window->findChild<FastTimesWindow*>();
    ASSERT_NE(times, nullptr);
    times->close();

    dialog->close();
    EXPECT_TRUE(boardShown());
}

TEST_F(MainWindowTest, CtrlTabLeavesTheBoardInFront) {
    startTwentyWordGame(Level::Medium, false);
    QMdiArea* area = window->boardFrame().mdiArea();
    ASSERT_TRUE(window->titleFrame().isVisible());  // behind the board, within Ctrl+Tab's reach
    for (const Qt::KeyboardModifiers held :
         {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
        QTest::keyPress(&window->board(), Qt::Key_Control, Qt::ControlModifier);
        QTest::keyClick(&window->board(), Qt::Key_Tab, held);
        QTest::keyRelease(&window->board(), Qt::Key_Control, Qt::NoModifier);
        QCoreApplication::processEvents();
        EXPECT_EQ(area->activeSubWindow(), &window->boardFrame());
        EXPECT_EQ(area->subWindowList(QMdiArea::StackingOrder).back(), &window->boardFrame());
    }
}

TEST(MainWindowLoad, FirstRunAcceptedSetsTheStartingState) {
    TestEnv env;
    env.state.level = Level::Expert;
    env.state.secondsPlayed = 9;
    MainWindow window(env.services);
    env.dialogs.answerMessage(MsgAnswer::Yes);
    ASSERT_TRUE(window.load());
    EXPECT_EQ(window.windowTitle(), "Quarrow [Tarnwick Software]");
    EXPECT_EQ(env.state.level, Level::Medium);
    EXPECT_EQ(env.state.showMode, ShowMode::Words);
    EXPECT_EQ(env.state.secondsPlayed, 0);
    EXPECT_TRUE(env.state.hideBoardOnActivate);
    EXPECT_TRUE(window.playedCounter().isActive());
    EXPECT_EQ(env.settings->read("Settings", "F_RUN", ""), "False");
}

TEST(MainWindowLoad, DeclinedWarrantyEndsBeforeAnythingIsShown) {
    TestEnv env;
    MainWindow window(env.services);
    env.dialogs.answerMessage(MsgAnswer::No);
    EXPECT_FALSE(window.load());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(env.settings->contains("Settings", "F_RUN"));
}

}  // namespace
