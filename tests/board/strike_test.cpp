#include "board/board_model.h"
#include "board_test_game.h"

#include <gtest/gtest.h>

#include <QTimer>

namespace {
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

// Counts what the play reports to the main window.
struct Signals {
    explicit Signals(BoardPlay& play) {
        QObject::connect(&play, &BoardPlay::wordFoundByHand, [this] { ++foundByHand; });
        QObject::connect(&play, &BoardPlay::gameEnded, [this] { ++gameEnded; });
        QObject::connect(&play, &BoardPlay::completionReady, [this] { ++completionReady; });
    }
    int foundByHand = 0;
    int gameEnded = 0;
    int completionReady = 0;
};

bool timerRunsFor(const QObject& owner, int intervalMs) {
    for (const QTimer* timer : owner.findChildren<QTimer*>())
        if (timer->isActive() && timer->interval() == intervalMs) return true;
    return false;
}
}  // namespace

TEST(Striking, AFindClicksStrikesAndReportsTheFirstFindByHand) {
    TestGame game(eightWords());
    Signals seen(game.play);
    game.env.state.soundOn = true;
    game.select(1, 3);
    EXPECT_EQ(seen.foundByHand, 1);
    EXPECT_EQ(seen.gameEnded, 0);
    EXPECT_TRUE(game.model().entries[1].struck);
    EXPECT_EQ(game.effects(), QStringList({"click.wav", "strike_word.wav"}));
    EXPECT_EQ(game.setting("S_COMP"), "absent");

    // A second selection of a found word is refused with a message and stays open.
    game.select(3, 1);
    const auto& box = game.env.dialogs.last();
    EXPECT_EQ(box.text, "Word already found!");
    EXPECT_EQ(box.title, "Illegal Move");
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_TRUE(game.model().lines[2].visible);
}

TEST(Striking, AStruckWordFlashesForThreeQuartersOfASecond) {
    TestGame game(eightWords());
    game.select(45, 87);
    ASSERT_TRUE(game.play.flashRunning());
    ASSERT_TRUE(game.play.flashCheckRunning());
    EXPECT_TRUE(timerRunsFor(game.play, 750));
    const BoardLine& line = game.model().lines[1];
    const BoardEntry& entry = game.model().entries[3];
    game.play.flashTick();
    EXPECT_EQ(line.mode, DrawMode::NotMaskPen);
    EXPECT_EQ(entry.color, kBlack);
    game.play.flashTick();
    EXPECT_EQ(line.mode, DrawMode::NotXorPen);
    EXPECT_EQ(entry.color, kRed);
    game.play.flashCheckTick();
    EXPECT_EQ(line.mode, DrawMode::MaskPen);
    EXPECT_EQ(entry.color, kBlack);
    EXPECT_FALSE(game.play.flashRunning());
    EXPECT_FALSE(game.play.flashCheckRunning());
    EXPECT_FALSE(timerRunsFor(game.play, 750));
}

TEST(Striking, TheLastWordEndsTheGameAndRunsTheCompletionSequence) {
    TestGame game({{"ANT", 1, 3}, {"BEE", 21, 61}, {"CAT", 45, 87}});
    Signals seen(game.play);
    game.select(1, 3);
    game.play.flashCheckTick();
    game.select(87, 45);
    game.env.state.soundOn = true;
    game.env.media.clear();
    game.select(21, 61);

    EXPECT_EQ(game.setting("S_COMP"), "1");
    EXPECT_EQ(seen.gameEnded, 1);
    // No flash of its own: the first flash tick hands over to the completion sequence.
    game.play.flashTick();
    EXPECT_FALSE(game.play.flashRunning());
    EXPECT_TRUE(game.play.completionRunning());
    for (int k = 1; k <= 3; ++k) {
        game.play.completionTick();
        EXPECT_EQ(game.model().lines[k].mode, DrawMode::NotMaskPen);
        EXPECT_EQ(game.model().entries[k].color, kRed);
        EXPECT_EQ(seen.completionReady, 0);
    }
    game.play.completionTick();
    EXPECT_EQ(seen.completionReady, 1);
    EXPECT_FALSE(game.play.completionRunning());
    EXPECT_EQ(game.model().lines[3].mode, DrawMode::MaskPen);
    EXPECT_EQ(game.effects(), QStringList({"click.wav", "strike_word.wav", "complete_word.wav",
                                           "complete_word.wav", "complete_word.wav"}));
}

TEST(Striking, CompletionTickWhileTheFlashRunsTakesOverTheLastLine) {
    TestGame game({{"ANT", 1, 3}, {"BEE", 21, 61}});
    Signals seen(game.play);
    game.select(1, 3);
    game.play.flashTick();
    game.select(21, 61);  // the last word, struck while the first still flashes
    ASSERT_TRUE(game.play.flashRunning());
    game.play.completionTick();  // a completion tick before the flash tick
    EXPECT_FALSE(game.play.flashRunning());
    EXPECT_EQ(game.model().lines[1].mode, DrawMode::NotMaskPen);
    EXPECT_EQ(game.model().lines[2].mode, DrawMode::MaskPen);
    game.play.completionTick();
    game.play.completionTick();
    EXPECT_EQ(seen.completionReady, 1);
    EXPECT_TRUE(game.env.media.log().isEmpty());  // sound off
}
