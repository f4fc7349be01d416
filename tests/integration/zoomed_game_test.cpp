// A whole game on the real main window with the board at twice its designed size.

#include "integration/player.h"

#include "board/board_window.h"
#include "platform/twips.h"

#include <QApplication>
#include <QTest>

namespace {

TEST_F(IntegrationTest, GamePlayedAtTwiceTheSizeWithClicksAndDrags) {
    window->resize(1700, 1150);
    QApplication::setActiveWindow(window.get());
    for (int step = 0; step < 4; ++step) {
        QTest::keyClick(window.get(), Qt::Key_Equal, Qt::ControlModifier);
    }
    player->startGame({QStringLiteral("capitals.qrw"), ShowMode::Words, Level::Expert, false});
    BoardWindow& board = window->board();
    ASSERT_EQ(board.zoom(), 2);
    const BoardModel& model = board.model();

    // Each end letter is where the window shows the board's cell, not covered or cut off.
    const auto seenAt = [&](int cell) {
        const QPointF centre = board_geometry::cellCentre(cell);
        const QPoint onBoard = (twips::point(centre.x(), centre.y()) * 2).toPoint();
        return window->childAt(board.mapTo(window.get(), onBoard)) == &board;
    };
    for (int slot = 1; slot <= game().wordCount(); ++slot) {
        ASSERT_TRUE(seenAt(game().puzzle().word(slot).first) &&
                    seenAt(game().puzzle().word(slot).last))
            << slot;
        if (slot % 2) {
            player->find(slot, slot % 4 == 1);
        } else {
            player->dragOver(slot);
        }
        ASSERT_EQ(foundCount(), slot);
        EXPECT_TRUE(model.entries[slot].struck);
        if (slot < game().wordCount()) player->letFlashEnd();
    }
    EXPECT_TRUE(env.dialogs.shown().empty());
    EXPECT_EQ(setting("S_COMP"), "1");
    player->runCompletion();
    EXPECT_NE(Player::endOfGameDialog(), nullptr);
}

}  // namespace
