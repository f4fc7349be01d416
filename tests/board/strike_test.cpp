#include "board/board_model.h"
#include "board_test_game.h"

#include <gtest/gtest.h>

namespace {
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

// Counts the board's signals to the main window.
struct Signals {
    explicit Signals(BoardWindow& board) {
        QObject::connect(&board, &BoardWindow::puzzleInformationDisabled,
                         [this] { ++puzzleInfoOff; });
        QObject::connect(&board, &BoardWindow::gameEnded, [this] { ++gameEnded; });
        QObject::connect(&board, &BoardWindow::completionReady, [this] { ++completionReady; });
    }
    int puzzleInfoOff = 0;
    int gameEnded = 0;
    int completionReady = 0;
};

// Runs the completion sequence to its end; returns the number of ticks it took.
int runCompletion(TestGame& game) {
    game.board.hlFlashTimer();  // the first flash tick after the game ended hands over
    int ticks = 0;
    while (game.board.puzzleCompleteEnabled() && ticks < 100) {
        game.board.puzzleCompleteTimer();
        ++ticks;
    }
    return ticks;
}
}  // namespace

TEST(Striking, BlanksModeShowsTheWordOtherModesOnlyStrikeIt) {
    for (int mode : {1, 2, 3}) {
        TestGame game(eightWords(), mode);
        if (mode == 2) game.model().entries[2].caption = "Which insect makes honey?";
        const QString before = game.model().entries[2].caption;
        game.select(21, 61);
        const BoardEntry& entry = game.model().entries[2];
        EXPECT_TRUE(entry.struck()) << mode;
        EXPECT_EQ(entry.caption, mode == 3 ? QString("BEE") : before) << mode;
    }
}

TEST(Striking, FirstStrikeTurnsPuzzleInformationOff) {
    TestGame game(eightWords());
    Signals seen(game.board);
    game.env.state.soundOn = true;
    game.select(1, 3);
    EXPECT_EQ(seen.puzzleInfoOff, 1);
    EXPECT_EQ(seen.gameEnded, 0);
    EXPECT_EQ(game.effects(), QStringList({"click.wav", "strike_word.wav"}));
    EXPECT_EQ(game.setting("S_COMP"), "absent");
}

TEST(Striking, AStruckWordFlashesForThreeQuartersOfASecond) {
    TestGame game(eightWords());
    game.select(45, 87);
    ASSERT_TRUE(game.board.hlFlashEnabled());
    ASSERT_TRUE(game.board.hlFlashCheckEnabled());
    const BoardLine& line = game.model().lines[1];
    const BoardEntry& entry = game.model().entries[3];
    EXPECT_EQ(line.mode, DrawMode::MaskPen);
    game.board.hlFlashTimer();
    EXPECT_EQ(line.mode, DrawMode::NotMaskPen);
    EXPECT_EQ(entry.color, kBlack);
    game.board.hlFlashTimer();
    EXPECT_EQ(line.mode, DrawMode::NotXorPen);
    EXPECT_EQ(entry.color, kRed);
    game.board.hlFlashTimer();
    EXPECT_EQ(line.mode, DrawMode::NotMaskPen);
    EXPECT_EQ(entry.color, kBlack);
    game.board.hlFlashTimer();
    EXPECT_EQ(entry.color, kRed);
    game.board.hlFlashCheckTimer();
    EXPECT_EQ(line.mode, DrawMode::MaskPen);
    EXPECT_EQ(entry.color, kBlack);
    EXPECT_FALSE(game.board.hlFlashEnabled());
    EXPECT_FALSE(game.board.hlFlashCheckEnabled());
}

TEST(Striking, ASecondStrikeTakesTheFlashOverAndSettlesTheFirst) {
    TestGame game(eightWords());
    game.select(1, 3);
    game.board.hlFlashTimer();
    game.board.hlFlashTimer();  // line 1 inverse, entry 1 red
    game.select(200, 198);
    EXPECT_EQ(game.model().lines[1].mode, DrawMode::MaskPen);
    EXPECT_EQ(game.model().entries[1].color, kBlack);
    game.board.hlFlashTimer();
    EXPECT_EQ(game.model().lines[2].mode, DrawMode::NotMaskPen);
    EXPECT_EQ(game.model().lines[1].mode, DrawMode::MaskPen);
    EXPECT_EQ(game.state().lastLine, 2);
    EXPECT_EQ(game.state().lastWord, 4);
}

TEST(Striking, TheLastWordEndsTheGameAndRunsTheCompletionSequence) {
    TestGame game({{"ANT", 1, 3}, {"BEE", 21, 61}, {"CAT", 45, 87}});
    Signals seen(game.board);
    game.select(1, 3);
    game.board.hlFlashCheckTimer();
    game.select(87, 45);
    game.env.state.soundOn = true;
    game.env.media.clear();
    game.select(21, 61);

    EXPECT_EQ(game.setting("S_COMP"), "1");
    EXPECT_EQ(seen.gameEnded, 1);
    EXPECT_FALSE(game.state().gameInProgress);
    // No flash of its own: the first flash tick hands over to the completion sequence.
    game.board.hlFlashTimer();
    EXPECT_FALSE(game.board.hlFlashEnabled());
    EXPECT_TRUE(game.board.puzzleCompleteEnabled());
    EXPECT_EQ(game.model().lines[3].mode, DrawMode::MaskPen);
    EXPECT_EQ(game.model().entries[2].color, kBlack);

    // One line and the entry with the same number per tick, each with a chime.
    for (int k = 1; k <= 3; ++k) {
        game.board.puzzleCompleteTimer();
        for (int j = 1; j <= 3; ++j) {
            EXPECT_EQ(game.model().lines[j].mode,
                      j <= k ? DrawMode::NotMaskPen : DrawMode::MaskPen);
            EXPECT_EQ(game.model().entries[j].color, j <= k ? kRed : kBlack);
        }
        EXPECT_EQ(seen.completionReady, 0);
    }
    game.board.puzzleCompleteTimer();
    EXPECT_EQ(seen.completionReady, 1);
    EXPECT_FALSE(game.board.puzzleCompleteEnabled());
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(game.model().lines[j].mode, DrawMode::MaskPen);
        EXPECT_EQ(game.model().entries[j].color, kBlack);
        EXPECT_TRUE(game.model().lines[j].visible);
    }
    EXPECT_EQ(game.effects(), QStringList({"click.wav", "strike_word.wav", "complete_word.wav",
                                           "complete_word.wav", "complete_word.wav"}));
    EXPECT_EQ(game.setting("S_COMP"), "1");
}

TEST(Striking, CompletionWithSoundOffStillFinishes) {
    TestGame game(eightWords());
    Signals seen(game.board);
    const auto words = eightWords();
    for (const auto& word : words) game.select(word.first, word.last);
    EXPECT_EQ(game.state().foundCount, 8);
    EXPECT_EQ(runCompletion(game), 9);
    EXPECT_EQ(seen.completionReady, 1);
    EXPECT_TRUE(game.env.media.log().isEmpty());
}

TEST(Striking, CompletionTickWhileTheFlashRunsTakesOverTheLastLine) {
    TestGame game({{"ANT", 1, 3}, {"BEE", 21, 61}});
    Signals seen(game.board);
    game.select(1, 3);
    game.board.hlFlashTimer();  // line 1 in mode 8
    game.select(21, 61);        // the last word, struck while the first still flashes
    ASSERT_TRUE(game.board.hlFlashEnabled());
    game.model().lines[2].mode = DrawMode::NotXorPen;
    game.board.puzzleCompleteTimer();  // a completion tick before the flash tick
    EXPECT_FALSE(game.board.hlFlashEnabled());
    EXPECT_EQ(game.model().lines[1].mode, DrawMode::NotMaskPen);  // settled, then turned
    EXPECT_EQ(game.model().lines[2].mode, DrawMode::MaskPen);
    game.board.puzzleCompleteTimer();
    game.board.puzzleCompleteTimer();
    EXPECT_EQ(seen.completionReady, 1);
}
