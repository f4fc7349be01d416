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
    in.timercapWidth = 735;
    in.difCapWidth = 1695;
    in.speedWidth = 300;
    in.previous = StripPositions{1, 2, 3, 4, 5, 6};
    return in;
}

TEST(WindowLayout, WideWindowPlacesEveryControl) {
    const auto out = layOut(designInput(12120, 12000, 7635));
    EXPECT_DOUBLE_EQ(out.board.left, (12000 - 11730) / 2.0);
    EXPECT_DOUBLE_EQ(out.board.top, (7635 - 7575) / 2.0);
    EXPECT_DOUBLE_EQ(out.title.left, (12000 - 6000) / 2.0);
    EXPECT_DOUBLE_EQ(out.title.top, (7635 - 1800) / 2.0);
    EXPECT_TRUE(out.stripFitted);
    EXPECT_DOUBLE_EQ(out.strip.timercapLeft, 12120 - 735 - 250);
    EXPECT_DOUBLE_EQ(out.strip.showFullLeft, 3450);
    EXPECT_DOUBLE_EQ(out.strip.showFullWidth, 12120 - 735 - 1695 - 300 - 4000);
    // The level caption starts 150 after the text display and ends 400 + 300 + 735 short of W.
    EXPECT_DOUBLE_EQ(out.strip.difCapLeft, 3450 + out.strip.showFullWidth + 150);
    EXPECT_DOUBLE_EQ(out.strip.difCapLeft + 1695, 12120 - 735 - 300 - 400);
    EXPECT_DOUBLE_EQ(out.strip.difCapFLeft, out.strip.difCapLeft + 20);
    EXPECT_DOUBLE_EQ(out.strip.speedLeft, out.strip.timercapLeft - 300);
}

TEST(WindowLayout, HalvesAreNotRounded) {
    const auto out = layOut(designInput(12001, 11731, 7635));
    EXPECT_DOUBLE_EQ(out.board.left, 0.5);
}

TEST(WindowLayout, NarrowWindowStopsAtTheTextDisplay) {
    // 6729 is one twip short of 735 + 1695 + 300 + 4000.
    const auto out = layOut(designInput(6729, 6609, 5000));
    EXPECT_FALSE(out.stripFitted);
    // The children are still centred and the clock still moves.
    EXPECT_DOUBLE_EQ(out.board.left, (6609 - 11730) / 2.0);
    EXPECT_DOUBLE_EQ(out.strip.timercapLeft, 6729 - 735 - 250);
    EXPECT_DOUBLE_EQ(out.strip.showFullLeft, 3450);
    // Everything after the failed width keeps its previous value.
    EXPECT_DOUBLE_EQ(out.strip.showFullWidth, 3);
    EXPECT_DOUBLE_EQ(out.strip.difCapLeft, 4);
    EXPECT_DOUBLE_EQ(out.strip.difCapFLeft, 5);
    EXPECT_DOUBLE_EQ(out.strip.speedLeft, 6);
}

TEST(WindowLayout, ExactFitGivesAnEmptyTextDisplay) {
    const auto out = layOut(designInput(6730, 6610, 5000));
    EXPECT_TRUE(out.stripFitted);
    EXPECT_DOUBLE_EQ(out.strip.showFullWidth, 0);
}

TEST(WindowLayout, SmallWindowStillCentresChildrenPartlyOutsideTheArea) {
    const auto out = layOut(designInput(3000, 2900, 1500));
    EXPECT_DOUBLE_EQ(out.board.left, (2900 - 11730) / 2.0);
    EXPECT_DOUBLE_EQ(out.board.top, (1500 - 7575) / 2.0);
    EXPECT_DOUBLE_EQ(out.title.top, (1500 - 1800) / 2.0);
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
