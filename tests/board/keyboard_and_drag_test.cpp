#include "board/board_window.h"
#include "board/cursor_keys.h"
#include "board_test_game.h"
#include "platform/twips.h"

#include <gtest/gtest.h>

#include <QTest>

using cursor_keys::Act;
using cursor_keys::onKey;

namespace {
QPoint pixelOf(int cell) {
    const QPointF centre = board_geometry::cellCentre(cell);
    return twips::point(centre.x(), centre.y()).toPoint();
}
}  // namespace

TEST(CursorKeys, MoveWithinTheGridAndStandForTheButtons) {
    EXPECT_EQ(onKey(Qt::Key_Right, 1).cell, 2);
    EXPECT_EQ(onKey(Qt::Key_Down, 1).cell, 21);
    EXPECT_EQ(onKey(Qt::Key_Left, 21).cell, 21);  // no wrap to the row above
    EXPECT_EQ(onKey(Qt::Key_Right, 20).cell, 20);
    EXPECT_EQ(onKey(Qt::Key_Up, 5).cell, 5);
    EXPECT_EQ(onKey(Qt::Key_Down, 345).cell, 345);
    EXPECT_EQ(onKey(Qt::Key_Home, 187).cell, 181);
    EXPECT_EQ(onKey(Qt::Key_End, 187).cell, 200);
    EXPECT_EQ(onKey(Qt::Key_PageUp, 187).cell, 7);
    EXPECT_EQ(onKey(Qt::Key_PageDown, 187).cell, 347);
    EXPECT_EQ(onKey(Qt::Key_Left, 187).act, Act::Move);
    for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        EXPECT_EQ(onKey(key, 44).act, Act::LeftClick);
        EXPECT_EQ(onKey(key, 44).cell, 44);
    }
    EXPECT_EQ(onKey(Qt::Key_Escape, 44).act, Act::RightClick);
    EXPECT_EQ(onKey(Qt::Key_A, 44).act, Act::None);
    EXPECT_EQ(onKey(Qt::Key_Tab, 44).act, Act::None);
}

TEST(BoardKeyboard, PlaysAWordAsTwoClicksWithTheCursor) {
    TestGame game({{"ANT", 1, 3}, {"BEE", 21, 61}});
    game.state().soundOn = true;
    BoardWindow& board = game.board;
    board.show();
    EXPECT_EQ(board.focusPolicy(), Qt::StrongFocus);
    EXPECT_FALSE(board.cursorShown());

    // The pointer rests on a cell; the first key acts all the same, from row 1, column 1.
    QTest::mouseMove(&board, pixelOf(41));
    QTest::keyClick(&board, Qt::Key_Space);
    EXPECT_TRUE(board.cursorShown());
    EXPECT_EQ(board.cursorCell(), 1);
    EXPECT_TRUE(game.model().lines[1].visible);
    QTest::keyClick(&board, Qt::Key_Right, Qt::ControlModifier);  // left to the shortcuts
    EXPECT_EQ(board.cursorCell(), 1);
    QTest::keyClick(&board, Qt::Key_Right);
    QTest::keyClick(&board, Qt::Key_Right);
    EXPECT_EQ(board.cursorCell(), 3);
    EXPECT_EQ(game.model().lines[1].p2, board_geometry::cellCentre(3));  // the free end follows
    QTest::keyClick(&board, Qt::Key_Escape);  // cancels like a right click
    EXPECT_FALSE(game.model().lines[1].visible);

    QTest::keyClick(&board, Qt::Key_Enter);  // anchored on 3
    QTest::keyClick(&board, Qt::Key_Home);
    QTest::keyClick(&board, Qt::Key_Return);
    EXPECT_EQ(game.session.foundCount(), 1);
    EXPECT_EQ(game.effects(), QStringList({"click.wav", "click.wav", "strike_word.wav"}));

    // The mouse hides the cursor; keys take it on from the cell they left it on.
    QTest::mouseMove(&board, pixelOf(45));
    EXPECT_FALSE(board.cursorShown());
    QTest::keyClick(&board, Qt::Key_Down);
    EXPECT_EQ(board.cursorCell(), 21);

    // The menu key and Shift+F10 open the Options menu at the cursor, as a right click on
    // the word list does.
    QList<QPoint> menus;
    QObject::connect(&board, &BoardWindow::optionsMenuRequested,
                     [&](const QPoint& at) { menus << at; });
    QTest::keyClick(&board, Qt::Key_Menu);
    QTest::keyClick(&board, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_EQ(menus.size(), 2);
    for (const QPoint& at : menus) EXPECT_EQ(board.cellAt(board.mapFromGlobal(at)), 21);
    EXPECT_EQ(game.session.foundCount(), 1);
}

TEST(BoardDrag, ReleaseOnTheLastLetterActsAsTheSecondClick) {
    TestGame game({{"ANT", 1, 3}, {"BEE", 21, 61}});
    BoardWindow& board = game.board;
    board.show();
    QTest::mousePress(&board, Qt::LeftButton, {}, pixelOf(1));
    QTest::mouseMove(&board, pixelOf(3));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, pixelOf(3));
    EXPECT_EQ(game.session.foundCount(), 1);

    // Released on the cell it went down on, the press is the first of two clicks.
    QTest::mouseClick(&board, Qt::LeftButton, {}, pixelOf(21));
    EXPECT_TRUE(game.model().lines[2].visible);
    EXPECT_EQ(game.session.foundCount(), 1);
    QTest::mouseMove(&board, pixelOf(61));
    QTest::mouseClick(&board, Qt::LeftButton, {}, pixelOf(61));
    EXPECT_EQ(game.session.foundCount(), 2);
}

TEST(BoardDrag, AMissedDragDropsItsLineButAWrongClickKeepsIt) {
    TestGame game({{"ANT", 1, 3}, {"BEE", 21, 61}});
    BoardWindow& board = game.board;
    board.show();
    QTest::mousePress(&board, Qt::LeftButton, {}, pixelOf(1));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, pixelOf(40));
    EXPECT_FALSE(game.model().lines[1].visible);
    // So the next drag starts afresh and strikes its word.
    QTest::mousePress(&board, Qt::LeftButton, {}, pixelOf(21));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, pixelOf(61));
    EXPECT_EQ(game.session.foundCount(), 1);

    QTest::mouseClick(&board, Qt::LeftButton, {}, pixelOf(1));
    QTest::mouseClick(&board, Qt::LeftButton, {}, pixelOf(40));
    EXPECT_TRUE(game.model().lines[2].visible);
    QTest::mouseClick(&board, Qt::LeftButton, {}, pixelOf(3));
    EXPECT_EQ(game.session.foundCount(), 2);
}

TEST(BoardDrag, OnlyAPressThatOpensASelectionDrags) {
    TestGame game({{"ANT", 1, 3}, {"BEE", 21, 61}});
    BoardWindow& board = game.board;
    board.show();
    QTest::mouseClick(&board, Qt::LeftButton, {}, pixelOf(1));
    // The second press evaluates (no word from 1 to 40); its release elsewhere does nothing.
    QTest::mousePress(&board, Qt::LeftButton, {}, pixelOf(40));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, pixelOf(3));
    EXPECT_EQ(game.session.foundCount(), 0);
    EXPECT_EQ(game.model().lines[1].p2, board_geometry::cellCentre(40));

    // A second button during a drag is a chord, which does nothing but end the drag.
    QTest::mouseClick(&board, Qt::RightButton, {}, pixelOf(40));
    QTest::mousePress(&board, Qt::LeftButton, {}, pixelOf(21));
    QTest::mouseClick(&board, Qt::RightButton, {}, pixelOf(41));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, pixelOf(61));
    EXPECT_TRUE(game.model().lines[1].visible);
    EXPECT_EQ(game.model().lines[1].p1, board_geometry::cellCentre(21));
    EXPECT_EQ(game.session.foundCount(), 0);
}
