#include "board/selection.h"
#include "board/board_model.h"
#include "board_test_game.h"

#include <gtest/gtest.h>

using board_geometry::cellCentre;

TEST(Selection, EndsMatchExactlyOrWhenRoundedAsAWhole) {
    const QPointF first = cellCentre(1);  // (907.5, 1027.5)
    const QPointF last = cellCentre(3);   // (1627.5, 1027.5)
    EXPECT_TRUE(selection::joinsEnds(first, last, first, last));
    EXPECT_TRUE(selection::joinsEnds(last, first, first, last));
    // Ends stored as whole twips: halves round to the even neighbour, 907.5 -> 908, 1627.5 -> 1628.
    EXPECT_TRUE(selection::joinsEnds({908, 1028}, {1628, 1028}, first, last));
    EXPECT_FALSE(selection::joinsEnds({907, 1027}, {1627, 1027}, first, last));
    // One end exact and the other rounded is neither comparison.
    EXPECT_FALSE(selection::joinsEnds(first, {1628, 1028}, first, last));
    EXPECT_FALSE(selection::joinsEnds(first, first, first, last));
}

TEST(Selection, OnlyTheTwoEndCellsOfAWordMatchInEitherOrder) {
    TestGame game(eightWords());
    // "ANT" spelled again elsewhere is not a placed word.
    game.model().cells[101].caption = "A";
    game.model().cells[102].caption = "N";
    game.model().cells[103].caption = "T";
    game.select(101, 103);
    game.board.wsMouseDown(101, Qt::RightButton);
    game.select(1, 2);  // from the first letter to a middle one
    game.board.wsMouseDown(1, Qt::RightButton);
    EXPECT_EQ(game.state().foundCount, 0);

    game.select(3, 1);  // last to first
    EXPECT_EQ(game.state().foundCount, 1);
    EXPECT_TRUE(game.model().entries[1].struck());
    const BoardLine& line = game.model().lines[1];
    EXPECT_TRUE(line.visible);
    EXPECT_EQ(line.p1, cellCentre(3));
    EXPECT_EQ(line.p2, cellCentre(1));

    game.select(271, 233);  // a word running down to the left, drawn backwards
    EXPECT_TRUE(game.model().entries[8].struck());
    EXPECT_EQ(game.state().foundCount, 2);
    EXPECT_EQ(game.state().lastLine, 2);
    EXPECT_EQ(game.state().lastWord, 8);
    EXPECT_EQ(game.env.dialogs.shown().size(), 0u);
}

TEST(Selection, AMissLeavesTheLineOpenFromItsAnchor) {
    TestGame game(eightWords());
    game.env.state.soundOn = true;
    game.board.wsMouseDown(21, Qt::LeftButton);
    const BoardLine& line = game.model().lines[1];
    EXPECT_TRUE(line.visible);
    EXPECT_EQ(line.p1, cellCentre(21));
    EXPECT_EQ(line.p2, cellCentre(21));          // the free end starts on the anchor
    game.board.wsMouseDown(21, Qt::LeftButton);  // the same cell twice
    game.board.wsMouseMove(80);
    EXPECT_EQ(line.p2, cellCentre(80));
    game.board.wsMouseDown(80, Qt::LeftButton);  // wrong end
    EXPECT_TRUE(line.visible);
    EXPECT_EQ(line.p1, cellCentre(21));
    EXPECT_EQ(game.state().foundCount, 0);
    // A miss is silent: only the opening click sounded.
    EXPECT_EQ(game.effects(), QStringList({"click.wav"}));

    game.board.wsMouseMove(61);
    game.board.wsMouseDown(61, Qt::LeftButton);
    EXPECT_EQ(game.state().foundCount, 1);
    EXPECT_TRUE(game.model().entries[2].struck());
    EXPECT_EQ(game.effects(), QStringList({"click.wav", "strike_word.wav"}));
    EXPECT_EQ(game.env.dialogs.shown().size(), 0u);
}

TEST(Selection, SecondClickCountsTheCellClickedEvenWithoutAMove) {
    TestGame game(eightWords());
    game.board.wsMouseDown(45, Qt::LeftButton);
    game.board.wsMouseDown(87, Qt::LeftButton);
    EXPECT_TRUE(game.model().entries[3].struck());
}

TEST(Selection, RightClickCancelsAnOpenSelectionOnly) {
    TestGame game(eightWords());
    game.board.wsMouseDown(5, Qt::RightButton);
    EXPECT_FALSE(game.model().lines[1].visible);
    game.board.wsMouseDown(5, Qt::LeftButton);
    game.board.wsMouseMove(9);
    game.board.wsMouseDown(9, Qt::RightButton);
    EXPECT_FALSE(game.model().lines[1].visible);
    game.board.wsMouseMove(10);  // no selection: the hidden line stays where it was
    EXPECT_EQ(game.model().lines[1].p2, cellCentre(9));
    game.board.wsMouseDown(9, Qt::MiddleButton);
    EXPECT_FALSE(game.model().lines[1].visible);
    // The next left click starts afresh from a new anchor.
    game.board.wsMouseDown(200, Qt::LeftButton);
    EXPECT_EQ(game.model().lines[1].p1, cellCentre(200));
    game.board.wsMouseMove(198);
    game.board.wsMouseDown(198, Qt::LeftButton);
    EXPECT_TRUE(game.model().entries[4].struck());
}

TEST(Selection, AWordFoundBeforeIsRefusedWithAMessage) {
    TestGame game(eightWords());
    game.select(1, 3);
    game.select(3, 1);
    ASSERT_EQ(game.env.dialogs.shown().size(), 1u);
    const auto& box = game.env.dialogs.last();
    EXPECT_EQ(box.text, "Word already found!");
    EXPECT_EQ(box.title, "Illegal Move");
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(game.state().foundCount, 1);
    // The selection stays open on the next line.
    EXPECT_TRUE(game.model().lines[2].visible);
    EXPECT_EQ(game.model().lines[2].p1, cellCentre(3));
}

TEST(Selection, TheEarlierOfTwoSlotsWithTheSameEndsDecides) {
    TestGame game({{"TAN", 1, 3}, {"TEN", 1, 3}, {"TIN", 1, 3}});
    game.select(1, 3);
    EXPECT_TRUE(game.model().entries[1].struck());
    EXPECT_FALSE(game.model().entries[2].struck());
    game.select(1, 3);  // slot 1 decides again, though slot 2 is still unfound
    EXPECT_EQ(game.env.dialogs.last().text, "Word already found!");
    EXPECT_EQ(game.state().foundCount, 1);
}

TEST(Selection, TheGridIgnoresTheMouseOnceEveryWordIsStruck) {
    TestGame game({{"ANT", 1, 3}});
    game.select(1, 3);
    ASSERT_EQ(game.state().foundCount, 1);
    const BoardModel before = game.model();
    game.board.wsMouseDown(50, Qt::LeftButton);
    game.board.wsMouseMove(60);
    game.board.wsMouseDown(60, Qt::RightButton);
    game.board.wsMouseDown(1, Qt::LeftButton);
    game.board.wsMouseDown(3, Qt::LeftButton);
    for (int k = 1; k <= 20; ++k) {
        EXPECT_EQ(game.model().lines[k].visible, before.lines[k].visible) << k;
        EXPECT_EQ(game.model().lines[k].p2, before.lines[k].p2) << k;
    }
    EXPECT_EQ(game.state().foundCount, 1);
    EXPECT_EQ(game.env.dialogs.shown().size(), 0u);
}
