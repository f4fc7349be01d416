#include "main_window_fixture.h"

#include "platform/progress/creating_puzzle_window.h"
#include "shell/main/status_strip.h"

#include <QAction>
#include <QTimer>

namespace {

const std::vector<QString> kTwelveWords = {"PEAR", "APPLE", "MANGO", "KIWI", "LEMON", "LIME",
                                           "FIG",  "GRAPE", "PLUM",  "DATE", "OLIVE", "PEACH"};
QString questionFor(const QString& word) {
    return "Which fruit is " + word.toLower() + "?";
}

std::vector<QString> sortedTwelve() {
    std::vector<QString> sorted = kTwelveWords;
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

class GameStarterTest : public MainWindowTest {
  protected:
    void writeQuizTheme() {
        std::vector<QString> questions;
        for (const QString& word : kTwelveWords) questions.push_back(questionFor(word));
        writeTheme("quiz.qrw", "Fruit Quiz", kTwelveWords, questions);
    }
    const BoardEntry& entry(int i) { return window->board().model().entries[i]; }

    void expectRunningGameMarks() {
        EXPECT_TRUE(boardShown());
        EXPECT_TRUE(window->menu().revealWordAction->isEnabled());
        EXPECT_TRUE(window->menu().revealPuzzleAction->isEnabled());
        EXPECT_TRUE(window->menu().puzzleInformationAction->isEnabled());
        EXPECT_EQ(window->strip().clockText(), "0:00");
        EXPECT_EQ(window->session().clockSeconds(), 0);
        EXPECT_EQ(window->session().wordsRevealed(), 0);
        EXPECT_TRUE(window->session().gameInProgress());
        for (int n = 1; n <= 360; ++n) {
            const QString letter = window->board().model().cells[n].caption;
            ASSERT_EQ(letter.size(), 1) << n;
            EXPECT_TRUE(letter[0] >= 'A' && letter[0] <= 'Z') << n;
        }
    }
};

// Each show mode in turn, each game started over the last one: the list shows the questions,
// the words or nothing, and no caption or tip is left from the game before.
TEST_F(GameStarterTest, EachShowModeFillsTheWordListAfresh) {
    writeQuizTheme();
    const auto sorted = sortedTwelve();
    struct Mode {
        ShowMode showMode;
        Level level;
        const char* levelCaption;
        std::function<QString(const QString&)> caption, tip;
        double fontSize;
    };
    const auto none = [](const QString&) { return QString(); };
    const auto word = [](const QString& w) { return w; };
    for (const Mode& mode :
         {Mode{ShowMode::Questions, Level::Easy, "Level : Easy", questionFor, questionFor, 8},
          Mode{ShowMode::Words, Level::Hard, "Level : Hard", word, none, 9.75},
          Mode{ShowMode::Blanks, Level::Medium, "Level : Medium", none, none, 9.75}}) {
        SCOPED_TRACE(mode.levelCaption);
        if (window->session().gameInProgress()) {
            abandonGame();
            env.dialogs.clear();
        }
        chooseGame("quiz.qrw", "Fruit Quiz", mode.showMode, mode.level, false);
        window->startGame();
        for (int i = 1; i <= 12; ++i) {
            EXPECT_EQ(entry(i).caption, mode.caption(sorted[i - 1])) << i;
            EXPECT_EQ(entry(i).toolTip, mode.tip(sorted[i - 1])) << i;
            if (mode.showMode != ShowMode::Blanks) {
                EXPECT_DOUBLE_EQ(entry(i).font.pointSizeF(), mode.fontSize);
            }
        }
        for (int i = 13; i <= 20; ++i) EXPECT_TRUE(entry(i).caption.isEmpty()) << i;
        EXPECT_EQ(window->strip().levelCaption(), mode.levelCaption);
        EXPECT_EQ(window->strip().levelShadowCaption(), mode.levelCaption);
        EXPECT_EQ(window->board().model().title, "Fruit Quiz");
        EXPECT_FALSE(window->gameClock().isActive());
        EXPECT_EQ(window->strip().speedColor(), QColor(0, 64, 64));
        expectRunningGameMarks();
        EXPECT_TRUE(env.dialogs.shown().empty());
    }
}

TEST_F(GameStarterTest, APlayersOwnListFontIsKept) {
    writeQuizTheme();
    QFont own(QStringLiteral("DejaVu Serif"));
    own.setPointSizeF(11);
    for (int i = 1; i <= 20; ++i) window->board().setEntryFont(i, own);
    chooseGame("quiz.qrw", "Fruit Quiz", ShowMode::Questions, Level::Easy, false);
    window->startGame();
    EXPECT_DOUBLE_EQ(entry(1).font.pointSizeF(), 11);
}

TEST_F(GameStarterTest, SpeedChallengeRunsTheClockAndLightsTheIndicator) {
    window->strip().setClockText("3:10");
    startTwentyWordGame(Level::Expert, true);
    EXPECT_TRUE(window->gameClock().isActive());
    EXPECT_EQ(window->strip().speedColor(), QColor(192, 255, 255));
    EXPECT_EQ(window->strip().levelCaption(), "Level : Expert");
    expectRunningGameMarks();
    window->gameClockTick();
    EXPECT_EQ(window->strip().clockText(), "0:01");

    // Dropping the game stops the clock; the next standard game leaves it stopped.
    abandonGame();
    EXPECT_FALSE(window->gameClock().isActive());
    chooseGame("twenty.qrw", "Alphabet", ShowMode::Words, Level::Expert, false);
    window->startGame();
    EXPECT_FALSE(window->gameClock().isActive());
    EXPECT_EQ(window->strip().speedColor(), QColor(0, 64, 64));
}

TEST_F(GameStarterTest, StrikeLinesOfTheLastGameAreHidden) {
    writeQuizTheme();
    chooseGame("quiz.qrw", "Fruit Quiz", ShowMode::Words, Level::Easy, false);
    window->startGame();
    emit window->board().cellPressed(5, PressButton::Left);
    ASSERT_TRUE(window->board().model().lines[1].visible);
    abandonGame();
    chooseGame("quiz.qrw", "Fruit Quiz", ShowMode::Words, Level::Easy, false);
    window->startGame();
    for (int k = 1; k <= 20; ++k) EXPECT_FALSE(window->board().model().lines[k].visible) << k;
}

TEST_F(GameStarterTest, MissingThemeFailsWithAMessageAndNoGame) {
    chooseGame("missing.qrw", "Gone", ShowMode::Words, Level::Medium, false);
    window->startGame();
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    expectLastBox("Could not generate puzzle!", "Puzzle Error", MsgButtons::Ok,
                  MsgIcon::Exclamation);
    EXPECT_FALSE(window->session().gameInProgress());
    EXPECT_FALSE(boardShown());
    EXPECT_FALSE(window->menu().revealWordAction->isEnabled());
    EXPECT_FALSE(window->menu().puzzleInformationAction->isEnabled());
    EXPECT_TRUE(window->strip().levelCaption().isEmpty());
}

// No placement exists, so the player is not asked whether to wait for one.
TEST_F(GameStarterTest, WordsThatNeverFitEndWithoutTheWaitQuestion) {
    writeTheme("long.qrw", "Too Long", {"ABCDEFGHIJKLMNOPQRSTUVWXY", "SHORT", "WORDS"});
    chooseGame("long.qrw", "Too Long", ShowMode::Words, Level::Easy, false);
    window->startGame();
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    EXPECT_EQ(env.dialogs.shown()[0].text, "Could not generate puzzle!");
    EXPECT_FALSE(window->session().gameInProgress());
    EXPECT_FALSE(boardShown());
}

TEST_F(GameStarterTest, TheProgressWindowIsGoneAfterwards) {
    writeQuizTheme();
    chooseGame("quiz.qrw", "Fruit Quiz", ShowMode::Words, Level::Easy, false);
    window->startGame();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->findChild<CreatingPuzzleWindow*>(), nullptr);
}

}  // namespace
