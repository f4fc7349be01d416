#include "board/board_accessibility.h"
#include "board/board_speech.h"
#include "board_test_game.h"
#include "platform/twips.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>

namespace {
struct AccessibleGame : TestGame {
    using TestGame::TestGame;
    BoardAccessibility* access = new BoardAccessibility(play);
    QAccessibleInterface* tree() { return QAccessible::queryAccessibleInterface(&board); }
};
}  // namespace

TEST(BoardAccessibility, TheGridIsATableOfNamedCellsAndTheListSaysWhatIsFound) {
    AccessibleGame game({{"ANT", 1, 3}, {"BEE", 21, 61}});
    QAccessibleInterface* board = game.tree();
    ASSERT_EQ(board->childCount(), 3);
    QAccessibleInterface* grid = board->child(0);
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->rowCount(), 18);
    EXPECT_EQ(table->columnCount(), 20);
    EXPECT_EQ(grid->childCount(), 360);
    EXPECT_TRUE(grid->child(0)->state().invisible);  // no game shown yet
    EXPECT_EQ(table->cellAt(0, 2)->text(QAccessible::Name), "T, row 1, column 3");
    EXPECT_EQ(table->cellAt(3, 0)->text(QAccessible::Name), "E, row 4, column 1");
    EXPECT_EQ(table->cellAt(17, 19)->tableCellInterface()->rowIndex(), 17);
    EXPECT_EQ(table->cellAt(18, 0), nullptr);
    EXPECT_EQ(grid->indexOfChild(grid->child(45)), 45);
    EXPECT_EQ(grid->child(45)->parent(), grid);

    QAccessibleInterface* list = board->child(1);
    EXPECT_EQ(list->role(), QAccessible::List);
    ASSERT_EQ(list->childCount(), 2);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), "ANT");
    game.select(1, 3);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), "ANT, found");
    EXPECT_EQ(list->child(1)->text(QAccessible::Name), "BEE");
}

TEST(BoardSpeech, BlanksAndQuestionsNameTheirEntries) {
    using board_speech::entryName;
    EXPECT_EQ(entryName({2, "", "BEE", false, ShowMode::Blanks}), "word 2, 3 letters");
    EXPECT_EQ(entryName({2, "BEE", "BEE", true, ShowMode::Blanks}),
              "word 2, 3 letters, BEE, found");
    EXPECT_EQ(entryName({1, "Stings?", "BEE", true, ShowMode::Questions}), "Stings?, found");
}

TEST(BoardAccessibility, KeysMoveTheFocusedCellAndPlayIsAnnounced) {
    AccessibleGame game({{"ANT", 1, 3}, {"BEE", 21, 61}});
    game.board.show();
    QApplication::setActiveWindow(&game.board);
    game.board.setFocus();
    QTest::keyClick(&game.board, Qt::Key_Space);
    QApplication::processEvents();
    QAccessibleInterface* grid = game.tree()->child(0);
    EXPECT_EQ(grid->focusChild(), grid->child(0));
    EXPECT_FALSE(grid->child(0)->state().invisible);
    EXPECT_TRUE(grid->child(0)->state().focused);
    EXPECT_EQ(game.access->lastAnnouncement(), "Selection starts at A, row 1, column 1");
    EXPECT_TRUE(grid->child(0)->state().selected);
    QTest::keyClick(&game.board, Qt::Key_Escape);  // a dropped selection is said to be gone
    QApplication::processEvents();
    EXPECT_EQ(game.access->lastAnnouncement(), "Selection cleared");
    QTest::keyClick(&game.board, Qt::Key_Space);

    QTest::keyClick(&game.board, Qt::Key_Right);
    QTest::keyClick(&game.board, Qt::Key_Right);
    QTest::keyClick(&game.board, Qt::Key_Space);
    QApplication::processEvents();
    EXPECT_EQ(grid->focusChild(), grid->child(2));
    EXPECT_EQ(game.access->lastAnnouncement(), "ANT found, 1 of 2");
    EXPECT_FALSE(grid->child(0)->state().selected);

    // The last word, struck without a key (as a reveal would), ends the game in one breath.
    game.select(21, 61);
    QApplication::processEvents();
    EXPECT_EQ(game.access->lastAnnouncement(), "BEE found, 2 of 2. Puzzle complete");
}

TEST(BoardAccessibility, ThePauseCoverHidesTheLettersAndTheListFromTheBusToo) {
    AccessibleGame game({{"ANT", 1, 3}, {"BEE", 21, 61}});
    game.board.show();
    game.press(1);
    QAccessibleInterface* grid = game.tree()->child(0);
    QAccessibleInterface* list = game.tree()->child(1);
    const auto shows = [&](int cells, int rows, int entries) {
        EXPECT_EQ(grid->childCount(), cells);
        EXPECT_EQ(grid->tableInterface()->rowCount(), rows);
        EXPECT_EQ(list->childCount(), entries);
    };
    game.board.setCovered(true);
    QApplication::processEvents();
    shows(0, 0, 0);
    EXPECT_EQ(grid->tableInterface()->cellAt(0, 0), nullptr);
    EXPECT_TRUE(grid->tableInterface()->selectedCells().isEmpty());
    EXPECT_EQ(game.access->lastAnnouncement(), "Paused");
    game.board.setCovered(false);
    QApplication::processEvents();
    shows(360, 18, 2);
    EXPECT_EQ(game.access->lastAnnouncement(), "Resumed");
}

TEST(BoardSpeech, ANewGameIsNotAnnouncedAsFinds) {
    BoardSnapshot ended;
    ended.entryCount = 10;
    ended.found.fill(true);
    ended.complete = true;
    BoardSnapshot fresh;
    fresh.entryCount = 12;
    EXPECT_TRUE(announcements(ended, fresh).isEmpty());
    fresh.entryCount = 10;
    EXPECT_TRUE(announcements(ended, fresh).isEmpty());
}

TEST(BoardAccessibility, PartsAreWhereTheZoomedBoardShowsThem) {
    AccessibleGame game({{"ANT", 1, 3}});
    game.board.show();
    game.board.setZoom(2);
    QAccessibleInterface* grid = game.tree()->child(0);
    const QRect cell = grid->child(186)->rect();  // cell 187
    const QPointF centre = board_geometry::cellCentre(187);
    const QPoint shown =
        game.board.mapToGlobal((twips::point(centre.x(), centre.y()) * 2).toPoint());
    EXPECT_TRUE(cell.contains(shown));
    EXPECT_EQ(cell.width(), 50);
    EXPECT_EQ(grid->childAt(shown.x(), shown.y()), grid->child(186));
}
