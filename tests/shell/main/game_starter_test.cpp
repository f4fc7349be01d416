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

    // Leftovers of an earlier game on every entry, so the test sees what was rewritten.
    void fillEntriesWithOldValues() {
        for (int i = 1; i <= 20; ++i) {
            BoardEntry& e = window->board().model().entries[i];
            e.caption = "old caption";
            e.toolTip = "old tip";
            e.tag = "old tag";
        }
    }

    void expectRunningGameMarks() {
        EXPECT_TRUE(boardShown());
        EXPECT_TRUE(window->menu().revealWordAction->isEnabled());
        EXPECT_TRUE(window->menu().revealPuzzleAction->isEnabled());
        EXPECT_TRUE(window->menu().puzzleInformationAction->isEnabled());
        EXPECT_EQ(window->strip().clockText(), "0:00");
        EXPECT_EQ(env.state.clockSeconds, 0);
        EXPECT_EQ(env.state.wordsRevealed, 0);
        EXPECT_TRUE(env.state.gameInProgress);
        for (int n = 1; n <= 360; ++n) {
            const QString letter = window->board().model().cells[n].caption;
            ASSERT_EQ(letter.size(), 1) << n;
            EXPECT_TRUE(letter[0] >= 'A' && letter[0] <= 'Z') << n;
        }
    }
};

TEST_F(GameStarterTest, QuestionsModeShowsQuestionsAndKeepsWordsInTheTags) {
    writeQuizTheme();
    fillEntriesWithOldValues();
    chooseGame("quiz.qrw", "Fruit Quiz", 2, 1, false);
    env.state.clockSeconds = 77;
    env.state.wordsRevealed = 3;
    window->startGame();

    const auto sorted = sortedTwelve();
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(entry(i).caption, questionFor(sorted[i - 1])) << i;
        EXPECT_EQ(entry(i).toolTip, questionFor(sorted[i - 1])) << i;
        EXPECT_EQ(entry(i).tag, sorted[i - 1]) << i;
        EXPECT_DOUBLE_EQ(entry(i).font.pointSizeF(), 8) << i;
    }
    for (int i = 13; i <= 20; ++i) {
        EXPECT_TRUE(entry(i).caption.isEmpty()) << i;
        EXPECT_TRUE(entry(i).toolTip.isEmpty()) << i;
        EXPECT_TRUE(entry(i).tag.isEmpty()) << i;
    }
    EXPECT_EQ(window->strip().levelCaption(), "Level : Easy");
    EXPECT_EQ(window->strip().levelShadowCaption(), "Level : Easy");
    EXPECT_EQ(window->board().model().title, "Fruit Quiz");
    EXPECT_FALSE(window->gameClock().isActive());
    EXPECT_EQ(window->strip().speedColor(), QColor(0, 64, 64));
    expectRunningGameMarks();
    EXPECT_TRUE(env.dialogs.shown().empty());
}

TEST_F(GameStarterTest, WordsModeSetsTheCaptionsAndDropsOldTips) {
    writeQuizTheme();
    fillEntriesWithOldValues();
    chooseGame("quiz.qrw", "Fruit Quiz", 1, 3, false);
    window->startGame();
    const auto sorted = sortedTwelve();
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(entry(i).caption, sorted[i - 1]) << i;
        EXPECT_TRUE(entry(i).toolTip.isEmpty()) << i;
        EXPECT_EQ(entry(i).tag, "old tag") << i;
        EXPECT_DOUBLE_EQ(entry(i).font.pointSizeF(), 9.75) << i;
    }
    EXPECT_TRUE(entry(13).tag.isEmpty());
    EXPECT_EQ(window->strip().levelCaption(), "Level : Hard");
    expectRunningGameMarks();
}

TEST_F(GameStarterTest, BlanksModeHidesTheWordsInTheTags) {
    writeQuizTheme();
    fillEntriesWithOldValues();
    chooseGame("quiz.qrw", "Fruit Quiz", 3, 2, false);
    window->startGame();
    const auto sorted = sortedTwelve();
    for (int i = 1; i <= 12; ++i) {
        EXPECT_TRUE(entry(i).caption.isEmpty()) << i;
        EXPECT_TRUE(entry(i).toolTip.isEmpty()) << i;
        EXPECT_EQ(entry(i).tag, sorted[i - 1]) << i;
    }
    EXPECT_EQ(window->strip().levelCaption(), "Level : Medium");
    expectRunningGameMarks();
}

TEST_F(GameStarterTest, APlayersOwnListFontIsKept) {
    writeQuizTheme();
    QFont own(QStringLiteral("DejaVu Serif"));
    own.setPointSizeF(11);
    for (int i = 1; i <= 20; ++i) window->board().model().entries[i].font = own;
    chooseGame("quiz.qrw", "Fruit Quiz", 2, 1, false);
    window->startGame();
    EXPECT_DOUBLE_EQ(entry(1).font.pointSizeF(), 11);
}

TEST_F(GameStarterTest, SpeedChallengeRunsTheClockAndLightsTheIndicator) {
    window->strip().setClockText("3:10");
    startTwentyWordGame(4, true);
    EXPECT_TRUE(window->gameClock().isActive());
    EXPECT_EQ(window->strip().speedColor(), QColor(192, 255, 255));
    EXPECT_EQ(window->strip().levelCaption(), "Level : Expert");
    expectRunningGameMarks();
    window->gameClockTick();
    EXPECT_EQ(window->strip().clockText(), "0:01");

    // Dropping the game stops the clock; the next standard game leaves it stopped.
    abandonGame();
    EXPECT_FALSE(window->gameClock().isActive());
    chooseGame("twenty.qrw", "Alphabet", 1, 4, false);
    window->startGame();
    EXPECT_FALSE(window->gameClock().isActive());
    EXPECT_EQ(window->strip().speedColor(), QColor(0, 64, 64));
}

TEST_F(GameStarterTest, StrikeLinesOfTheLastGameAreHidden) {
    writeQuizTheme();
    window->board().model().lines[5].visible = true;
    chooseGame("quiz.qrw", "Fruit Quiz", 1, 1, false);
    window->startGame();
    for (int k = 1; k <= 20; ++k) EXPECT_FALSE(window->board().model().lines[k].visible) << k;
}

TEST_F(GameStarterTest, MissingThemeFailsWithAMessageAndNoGame) {
    chooseGame("missing.qrw", "Gone", 1, 2, false);
    window->startGame();
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    const auto& box = env.dialogs.last();
    EXPECT_EQ(box.text, "Could not generate puzzle!");
    EXPECT_EQ(box.title, "Puzzle Error");
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_FALSE(env.state.gameInProgress);
    EXPECT_FALSE(boardShown());
    EXPECT_FALSE(window->menu().revealWordAction->isEnabled());
    EXPECT_FALSE(window->menu().puzzleInformationAction->isEnabled());
    EXPECT_TRUE(window->strip().levelCaption().isEmpty());
}

// No placement exists, so the player is not asked whether to wait for one.
TEST_F(GameStarterTest, WordsThatNeverFitEndWithoutTheWaitQuestion) {
    writeTheme("long.qrw", "Too Long", {"ABCDEFGHIJKLMNOPQRSTUVWXY", "SHORT", "WORDS"});
    chooseGame("long.qrw", "Too Long", 1, 1, false);
    window->startGame();
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    EXPECT_EQ(env.dialogs.shown()[0].text, "Could not generate puzzle!");
    EXPECT_FALSE(env.state.gameInProgress);
    EXPECT_FALSE(boardShown());
}

TEST_F(GameStarterTest, TheProgressWindowIsGoneAfterwards) {
    writeQuizTheme();
    chooseGame("quiz.qrw", "Fruit Quiz", 1, 1, false);
    window->startGame();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->findChild<CreatingPuzzleWindow*>(), nullptr);
}

}  // namespace
