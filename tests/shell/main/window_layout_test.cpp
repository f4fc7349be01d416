#include "shell/main/window_layout.h"
#include "shell/main/game_clock.h"

#include <gtest/gtest.h>

namespace {

using window_layout::Input;
using window_layout::layOut;
using window_layout::StripPositions;

// The design sizes of the children and the strip controls in a window `width` wide whose
// children share an area of areaWidth x areaHeight.
Input designInput(double width, double areaWidth, double areaHeight) {
    Input in;
    in.width = width;
    in.areaWidth = areaWidth;
    in.areaHeight = areaHeight;
    in.titleWidth = 6000;
    in.titleHeight = 1800;
    in.boardWidth = 11730;
    in.boardHeight = 7575;
    in.clockWidth = 735;
    in.levelCaptionWidth = 1695;
    in.speedWidth = 300;
    in.previous = StripPositions{1, 2, 3, 4, 5, 6};
    return in;
}

void expectCentred(const Input& in, const window_layout::Result& out) {
    // Halves are kept, not rounded, so both margins are always equal.
    EXPECT_DOUBLE_EQ(2 * out.board.left + in.boardWidth, in.areaWidth);
    EXPECT_DOUBLE_EQ(2 * out.board.top + in.boardHeight, in.areaHeight);
    EXPECT_DOUBLE_EQ(2 * out.title.left + in.titleWidth, in.areaWidth);
    EXPECT_DOUBLE_EQ(2 * out.title.top + in.titleHeight, in.areaHeight);
}

TEST(WindowLayout, WideWindowsCentreTheChildrenAndLineUpTheStrip) {
    for (double width : {6730.0, 12001.0, 12120.0, 30000.0}) {
        SCOPED_TRACE(width);
        const Input in = designInput(width, width - 119, 7635);
        const auto out = layOut(in);
        expectCentred(in, out);
        ASSERT_TRUE(out.stripFitted);
        // Left to right without overlap: text display, level caption, speed, clock; the clock
        // keeps its margin from the right edge and the text display takes what is left.
        const auto& strip = out.strip;
        EXPECT_GE(strip.hintWidth, 0);
        EXPECT_LE(strip.hintLeft + strip.hintWidth, strip.levelCaptionLeft);
        EXPECT_LT(strip.levelCaptionLeft, strip.levelShadowLeft);
        EXPECT_LE(strip.levelCaptionLeft + in.levelCaptionWidth, strip.speedLeft);
        EXPECT_DOUBLE_EQ(strip.speedLeft + in.speedWidth, strip.clockLeft);
        EXPECT_DOUBLE_EQ(strip.clockLeft + in.clockWidth, width - 250);
    }
    EXPECT_DOUBLE_EQ(layOut(designInput(6730, 6611, 5000)).strip.hintWidth, 0);
}

TEST(WindowLayout, NarrowWindowKeepsTheStripButMovesTheClockAndCentres) {
    // One twip narrower than the strip's controls need.
    const Input in = designInput(6729, 6610, 1500);
    const auto out = layOut(in);
    EXPECT_FALSE(out.stripFitted);
    expectCentred(in, out);  // partly outside the area
    EXPECT_DOUBLE_EQ(out.strip.clockLeft + in.clockWidth, 6729 - 250);
    // Everything after the failed width keeps its previous value.
    EXPECT_DOUBLE_EQ(out.strip.hintWidth, 3);
    EXPECT_DOUBLE_EQ(out.strip.levelCaptionLeft, 4);
    EXPECT_DOUBLE_EQ(out.strip.levelShadowLeft, 5);
    EXPECT_DOUBLE_EQ(out.strip.speedLeft, 6);
}

TEST(GameClock, MinutesAndTwoDigitSeconds) {
    EXPECT_EQ(clockText(0), "0:00");
    EXPECT_EQ(clockText(5), "0:05");
    EXPECT_EQ(clockText(59), "0:59");
    EXPECT_EQ(clockText(60), "1:00");
    EXPECT_EQ(clockText(65), "1:05");
    EXPECT_EQ(clockText(3725), "62:05");  // no hour field
}

}  // namespace
