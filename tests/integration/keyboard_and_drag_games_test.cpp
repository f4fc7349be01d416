// Whole games on the real main window played with the keyboard alone, and with drags.

#include "integration/player.h"

#include "board/board_window.h"

#include <QApplication>
#include <QMenuBar>

namespace {

QPointF centre(int cell) {
    return board_geometry::cellCentre(cell);
}

TEST_F(IntegrationTest, GamePlayedWithTheKeyboardAlone) {
    player->startGame({QStringLiteral("fruit.qrw"), ShowMode::Words, Level::Easy, false});
    BoardWindow& board = window->board();
    const BoardModel& model = board.model();
    env.state.soundOn = true;
    QCoreApplication::processEvents();
    // The started game has the keyboard; from the menu bar Tab brings it back to the board.
    EXPECT_EQ(QApplication::focusWidget(), &board);
    window->menuBar()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), window->menuBar());
    player->key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &board);
    EXPECT_FALSE(board.cursorShown());

    // Escape drops an open selection, as a right click does.
    player->cursorTo(game().puzzle().word(1).first);
    EXPECT_TRUE(board.cursorShown());
    player->key(Qt::Key_Space);
    EXPECT_TRUE(model.lines[1].visible);
    player->key(Qt::Key_Escape);
    EXPECT_FALSE(model.lines[1].visible);

    // A wrong end leaves the selection open; the free end follows the cursor to the right one.
    player->key(Qt::Key_Enter);
    const int wrong = player->cellOfNoWordEnd();
    player->cursorTo(wrong);
    player->key(Qt::Key_Enter);
    EXPECT_EQ(foundCount(), 0);
    player->cursorTo(game().puzzle().word(1).last);
    EXPECT_EQ(model.lines[1].p2, centre(game().puzzle().word(1).last));
    player->key(Qt::Key_Return);
    EXPECT_EQ(foundCount(), 1);
    EXPECT_TRUE(model.entries[1].struck);
    player->letFlashEnd();

    // A word already found: the message, as for a click.
    player->findByKeyboard(1);
    ASSERT_EQ(env.dialogs.messages().size(), 1u);
    EXPECT_EQ(env.dialogs.messages()[0].text, "Word already found!");
    player->key(Qt::Key_Escape);

    for (int slot = 2; slot <= game().wordCount(); ++slot) {
        player->findByKeyboard(slot);
        ASSERT_EQ(foundCount(), slot);
        if (slot < game().wordCount()) player->letFlashEnd();
    }
    EXPECT_EQ(setting("S_COMP"), "1");
    EXPECT_EQ(env.media.log().count(QStringLiteral("file:") + env.sfxFile("strike_word.wav")), 20);
    player->runCompletion();
    EXPECT_EQ(Player::verdict(),
              "You have completed Fruit on Easy level! Try a harder level next time!");
    Player::closeEndOfGameDialog();
}

TEST_F(IntegrationTest, GamePlayedByDraggingFromFirstToLastLetter) {
    player->startGame({QStringLiteral("kitchen.qrw"), ShowMode::Words, Level::Expert, false});
    const BoardModel& model = window->board().model();
    for (int slot = 1; slot <= game().wordCount(); ++slot) {
        if (slot == 2) {
            // Released where it went down, a press stays the first of two clicks.
            player->click(game().puzzle().word(2).last);
            EXPECT_TRUE(model.lines[2].visible);
            EXPECT_EQ(foundCount(), 1);
            player->moveOver(game().puzzle().word(2).first);
            player->click(game().puzzle().word(2).first);
        } else {
            player->dragOver(slot);
        }
        ASSERT_EQ(foundCount(), slot);
        EXPECT_TRUE(model.entries[slot].struck);
        if (slot != 2) {
            EXPECT_EQ(model.lines[slot].p1, centre(game().puzzle().word(slot).first));
            EXPECT_EQ(model.lines[slot].p2, centre(game().puzzle().word(slot).last));
        }
        if (slot < game().wordCount()) player->letFlashEnd();
    }
    EXPECT_TRUE(env.dialogs.shown().empty());
    player->runCompletion();
    EXPECT_EQ(Player::verdict(),
              "You have completed In the Kitchen on Expert level! Congratulations!");
    Player::closeEndOfGameDialog();
}

}  // namespace
