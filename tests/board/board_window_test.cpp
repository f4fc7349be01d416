#include "board/board_window.h"
#include "board/board_model.h"
#include "board_test_game.h"
#include "platform/twips.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHelpEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QToolTip>

#include <set>

using namespace board_geometry;

TEST(BoardGeometry, CellsRunRowByRowFromTheTopLeft) {
    EXPECT_EQ(cellTop(20), cellTop(1));
    EXPECT_GT(cellLeft(20), cellLeft(19));
    EXPECT_EQ(cellLeft(21), cellLeft(1));
    EXPECT_GT(cellTop(21), cellTop(1));
    // Centres fall on half twips and must stay exact for matching.
    EXPECT_DOUBLE_EQ(cellCentre(47).x(), 907.5 + 360 * 6);
    EXPECT_DOUBLE_EQ(cellCentre(47).y(), 1027.5 + 360 * 2);
}

TEST(BoardGeometry, HitTestsGiveOverlapsToTheLowerIndex) {
    for (int n : {1, 20, 21, 187, 360}) EXPECT_EQ(cellAt(cellCentre(n)), n);
    EXPECT_EQ(cellAt({1085, 900}), 1);  // in the 15-twip overlap of cells 1 and 2
    EXPECT_EQ(cellAt({1095, 900}), 2);  // just past cell 1's right edge
    EXPECT_EQ(cellAt({900, 1205}), 1);  // overlap of cells 1 and 21
    EXPECT_EQ(cellAt({719, 900}), 0);
    EXPECT_EQ(cellAt({7935, 900}), 0);
    EXPECT_EQ(cellAt({900, 7335}), 0);
    EXPECT_EQ(entryAt({8500, 500}), 1);
    EXPECT_EQ(entryAt({8500, 800}), 0);  // the gap between entries 1 and 2
    EXPECT_EQ(entryAt({11680, 7400}), 20);
    EXPECT_EQ(entryAt({11680, 7000}), 0);  // entries 2..19 are 20 twips narrower
}

TEST(BoardWindow, ShowsRandomCapitalsBeforeTheFirstGame) {
    TestEnv env;
    BoardWindow board(env.state);
    std::set<QChar> letters;
    for (int n = 1; n <= 360; ++n) {
        const QString caption = board.model().cells[n].caption;
        ASSERT_EQ(caption.size(), 1);
        ASSERT_TRUE(caption[0] >= 'A' && caption[0] <= 'Z') << caption.toStdString();
        letters.insert(caption[0]);
    }
    EXPECT_GT(letters.size(), 15u);  // 360 draws from 26 letters
    EXPECT_EQ(board.clientSizePixels(), QSize(782, 505));
}

TEST(BoardWindow, HidesOnlyAtTheFirstActivation) {
    TestEnv env;
    env.state.hideBoardOnActivate = true;
    BoardWindow board(env.state);
    board.show();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&board, &activate);
    EXPECT_FALSE(board.isVisible());
    EXPECT_FALSE(env.state.hideBoardOnActivate);

    board.showBoard();
    QCoreApplication::processEvents();
    QCoreApplication::sendEvent(&board, &activate);
    EXPECT_TRUE(board.isVisible());
    EXPECT_TRUE(board.boardVisible());
}

TEST(BoardWindow, InsideAnMdiAreaHidesItsSubWindow) {
    TestEnv env;
    env.state.hideBoardOnActivate = true;
    QMdiArea area;
    auto* board = new BoardWindow(env.state);
    QMdiSubWindow* sub = area.addSubWindow(board);
    area.show();
    QCoreApplication::processEvents();  // the queued check after the first show
    EXPECT_TRUE(sub->isHidden());
    EXPECT_FALSE(board->boardVisible());
    board->showBoard();
    EXPECT_TRUE(board->boardVisible());
}

TEST(BoardWindow, HoverCopiesTheEntryCaptionEvenWhenEmpty) {
    TestGame game({{"ANT", 1, 3}}, ShowMode::Questions);
    QStringList hover;
    QObject::connect(&game.board, &BoardWindow::hoverText, [&](const QString& t) { hover << t; });
    for (const double top : {600, 1000}) {  // entry 1, then the empty entry 2
        const QPointF over = twips::point(8500, top);
        QMouseEvent move(QEvent::MouseMove, over, over, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&game.board, &move);
    }
    EXPECT_EQ(hover, QStringList({"Q ANT", ""}));
}

TEST(BoardWindow, RightClickOnTheWordListAsksForTheOptionsMenu) {
    TestGame game({{"ANT", 1, 3}});
    QList<QPoint> menu;
    QObject::connect(&game.board, &BoardWindow::optionsMenuRequested,
                     [&](const QPoint& at) { menu << at; });
    const QPointF onEntry = twips::point(9000, 7400);  // entry 20, empty
    const QPointF global(400, 300);
    QMouseEvent left(QEvent::MouseButtonPress, onEntry, global, Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&game.board, &left);
    EXPECT_EQ(menu.count(), 0);
    QMouseEvent right(QEvent::MouseButtonPress, onEntry, global, Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&game.board, &right);
    EXPECT_EQ(menu, QList<QPoint>({QPoint(400, 300)}));
}

TEST(BoardWindow, MouseOnTheGridDrivesTheSelection) {
    TestGame game({{"ANT", 1, 3}});
    auto press = [&](int cell, Qt::MouseButton button, Qt::MouseButtons held) {
        const QPointF at = twips::point(cellCentre(cell).x(), cellCentre(cell).y());
        QMouseEvent event(QEvent::MouseButtonPress, at, at, button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&game.board, &event);
    };
    press(3, Qt::MiddleButton, Qt::MiddleButton);
    EXPECT_FALSE(game.model().lines[1].visible);
    press(3, Qt::LeftButton, Qt::LeftButton | Qt::RightButton);  // a chord does nothing
    EXPECT_FALSE(game.model().lines[1].visible);
    press(3, Qt::LeftButton, Qt::LeftButton);
    press(1, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(game.session.foundCount(), 1);

    // Paused, the board is covered and takes no part of the game.
    game.session.setPaused(true);
    game.board.setCovered(true);
    press(21, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(game.session.selection().open());
    const QImage covered = game.board.grab().toImage();
    game.board.setCovered(false);
    EXPECT_NE(covered, game.board.grab().toImage());
}

TEST(BoardWindow, ToolTipShowsTheEntrysToolTipText) {
    TestGame game({{"ANT", 1, 3}}, ShowMode::Questions);
    game.board.show();
    const QPoint at = twips::point(9000, 600).toPoint();
    QHelpEvent help(QEvent::ToolTip, at, game.board.mapToGlobal(at));
    QCoreApplication::sendEvent(&game.board, &help);
    EXPECT_EQ(QToolTip::text(), "Q ANT");
    QToolTip::hideText();
}
