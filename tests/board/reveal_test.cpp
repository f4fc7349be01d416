#include "board/board_model.h"
#include "board/reveal_commands.h"
#include "board/reveal_word_dialog.h"
#include "board_test_game.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QTest>

using board_geometry::cellCentre;

namespace {
// Opens the dialog through the command and picks row `slot`; the dialog must close itself.
void revealThroughDialog(TestGame& game, int slot) {
    QPointer<RevealWordDialog> dialog = revealWord(game.env.services, game.play);
    ASSERT_NE(dialog, nullptr);
    dialog->chooseRow(slot);
    EXPECT_FALSE(dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

int openDialogs() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<RevealWordDialog*>(w) && w->isVisible()) ++count;
    }
    return count;
}
}  // namespace

TEST(RevealWord, QuotaNotesAfterTheFourthAndFifthThenRefusal) {
    TestGame game(eightWords());
    for (int slot = 1; slot <= 5; ++slot) revealThroughDialog(game, slot);
    const auto boxes = game.env.dialogs.messages();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "You have one more 'reveal word' left!");
    EXPECT_EQ(boxes[1].text, "You have no more 'reveal word's left!");
    for (const auto& box : boxes) {
        EXPECT_EQ(box.title, "Reveal Word");
        EXPECT_EQ(box.icon, MsgIcon::Information);
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
    }
    EXPECT_EQ(game.session.wordsRevealed(), 5);
    EXPECT_EQ(game.setting("S_CHEAT"), "5");

    EXPECT_EQ(revealWord(game.env.services, game.play), nullptr);
    EXPECT_EQ(openDialogs(), 0);
    EXPECT_EQ(game.env.dialogs.last().text,
              "Sorry - You have already used your reveal word quota!");
    EXPECT_EQ(game.env.dialogs.last().title, "Reveal Word");
    EXPECT_EQ(game.env.dialogs.last().icon, MsgIcon::Critical);
    EXPECT_EQ(game.session.foundCount(), 5);
}

TEST(RevealWord, RowsOfStruckWordsAndEmptySlotsCannotBePicked) {
    TestGame game({{"ANT", 1, 3}, {"BEE", 21, 61}, {"CAT", 45, 87}});
    game.select(21, 61);
    RevealWordDialog dialog(game.env.services, game.session);
    EXPECT_EQ(dialog.windowTitle(), "Reveal QRW Word");
    EXPECT_EQ(dialog.row(1)->text(), "ANT");
    EXPECT_TRUE(dialog.pickable(1));
    EXPECT_EQ(dialog.row(2)->text(), "BEE");
    EXPECT_FALSE(dialog.pickable(2));
    for (int i = 4; i <= 20; ++i) {
        EXPECT_FALSE(dialog.pickable(i)) << i;
        EXPECT_EQ(dialog.row(i), nullptr) << i;
    }
    dialog.chooseRow(2);
    dialog.chooseRow(7);
    EXPECT_EQ(game.session.foundCount(), 1);
    EXPECT_EQ(game.session.wordsRevealed(), 0);
}

TEST(RevealWord, BlanksRowsAreEmptyButCanBePicked) {
    TestGame game(eightWords(), ShowMode::Blanks);
    QPointer<RevealWordDialog> dialog = revealWord(game.env.services, game.play);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->row(6)->text().isEmpty());
    EXPECT_TRUE(dialog->pickable(6));
    dialog->chooseRow(6);
    const BoardEntry& entry = game.model().entries[6];
    EXPECT_EQ(entry.caption, "FOX");
    EXPECT_TRUE(entry.struck);
    // The line runs from the first to the last letter, and the word flashes like a find.
    EXPECT_EQ(game.model().lines[1].p1, cellCentre(150));
    EXPECT_EQ(game.model().lines[1].p2, cellCentre(112));
    EXPECT_TRUE(game.model().lines[1].visible);
    EXPECT_TRUE(game.play.flashCheckRunning());
    EXPECT_EQ(game.session.lastLine(), 1);
    EXPECT_EQ(game.session.lastWord(), 6);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The focus opens on Cancel, so Enter reveals nothing; the list is one control read as a list,
// walked by the arrows, struck words included, and only Enter or Space on a row picks it.
TEST(RevealWord, OnlyADeliberatePickReveals) {
    TestGame game({{"ANT", 1, 3}, {"BEE", 21, 61}, {"CAT", 45, 87}});
    game.select(21, 61);
    QPointer<RevealWordDialog> dialog = revealWord(game.env.services, game.play);
    QApplication::setActiveWindow(dialog);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(game.session.wordsRevealed(), 0);
    EXPECT_FALSE(dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    dialog = revealWord(game.env.services, game.play);
    QApplication::setActiveWindow(dialog);
    auto* list = dialog->findChild<QAbstractItemView*>();
    ASSERT_NE(list, nullptr);
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(list);
    EXPECT_EQ(spoken->role(), QAccessible::List);
    ASSERT_EQ(spoken->childCount(), 3);
    EXPECT_EQ(spoken->child(1)->text(QAccessible::Name), "BEE, found");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Space);  // BEE is found already
    EXPECT_EQ(game.session.wordsRevealed(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(game.session.wordsRevealed(), 1);
    EXPECT_TRUE(game.model().entries[3].struck);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

TEST(RevealWord, TheDialogOpensCentredOverTheGame) {
    TestGame game(eightWords());
    game.board.move(300, 200);  // the board is its own window here
    QPointer<RevealWordDialog> dialog = revealWord(game.env.services, game.play);
    ASSERT_NE(dialog, nullptr);
    const QPoint offCentre = dialog->frameGeometry().center() - game.board.frameGeometry().center();
    // Within the few pixels of a window frame, which is unknown until the dialog is shown.
    EXPECT_LE(offCentre.manhattanLength(), 8);
    dialog->cancel();
}

TEST(RevealWord, TheDialogPlaysItsTuneUntilItCloses) {
    TestGame game(eightWords());
    game.env.state.soundOn = true;
    QPointer<RevealWordDialog> dialog = revealWord(game.env.services, game.play);
    EXPECT_EQ(game.state().loopSound, 1);
    EXPECT_EQ(
        game.env.media.log(),
        QStringList({"Stop", "Close", "file:" + game.env.sfxFile("sf0002.wav"), "Open", "Play"}));
    game.env.media.clear();
    dialog->cancel();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(game.state().loopSound, 0);
    EXPECT_EQ(game.env.media.log(), QStringList({"Stop", "Close"}));
    EXPECT_EQ(game.session.foundCount(), 0);
}

TEST(RevealWord, RevealingTheLastWordEndsTheGameWithoutCountingACompletion) {
    TestGame game({{"ANT", 1, 3}, {"BEE", 21, 61}});
    int ended = 0;
    int puzzleInfoOff = 0;
    QObject::connect(&game.play, &BoardPlay::gameEnded, [&] { ++ended; });
    QObject::connect(&game.play, &BoardPlay::wordFoundByHand, [&] { ++puzzleInfoOff; });
    game.press(30);  // an open selection is taken over
    revealThroughDialog(game, 1);
    EXPECT_EQ(game.model().lines[1].p1, cellCentre(1));
    revealThroughDialog(game, 2);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(puzzleInfoOff, 0);
    EXPECT_FALSE(game.session.gameInProgress());
    EXPECT_EQ(game.setting("S_COMP"), "absent");
    EXPECT_EQ(game.setting("S_CHEAT"), "2");
    game.play.flashTick();
    EXPECT_TRUE(game.play.completionRunning());
}

TEST(RevealWord, ARevealedWordSelectedOnTheGridIsAlreadyFound) {
    TestGame game(eightWords());
    revealThroughDialog(game, 3);
    game.select(87, 45);
    EXPECT_EQ(game.env.dialogs.last().text, "Word already found!");
    EXPECT_EQ(game.session.foundCount(), 1);
}

TEST(RevealPuzzle, NoChangesNothing) {
    TestGame game(eightWords());
    game.select(1, 3);
    game.env.dialogs.answerMessage(MsgAnswer::No);
    revealPuzzle(game.env.services, game.play);
    const auto& box = game.env.dialogs.last();
    EXPECT_EQ(box.text, "Are you sure you want to reveal the puzzle?");
    EXPECT_EQ(box.title, "Reveal Puzzle");
    EXPECT_EQ(box.buttons, MsgButtons::YesNo);
    EXPECT_EQ(box.icon, MsgIcon::Information);
    EXPECT_EQ(game.session.foundCount(), 1);
    EXPECT_FALSE(game.session.puzzleRevealed());
    EXPECT_TRUE(game.session.gameInProgress());
    EXPECT_FALSE(game.model().entries[2].struck);
    EXPECT_EQ(game.setting("S_REV"), "absent");
}

TEST(RevealPuzzle, YesStrikesEveryWordWithLinesInListOrder) {
    TestGame game(eightWords(), ShowMode::Blanks);
    int ended = 0;
    QObject::connect(&game.play, &BoardPlay::gameEnded, [&] { ++ended; });
    game.select(198, 200);  // word 4 found backwards on line 1
    game.env.dialogs.answerMessage(MsgAnswer::Yes);
    revealPuzzle(game.env.services, game.play);
    EXPECT_TRUE(game.session.puzzleRevealed());
    EXPECT_EQ(game.session.foundCount(), 8);
    const auto words = eightWords();
    for (int i = 1; i <= 8; ++i) {
        const BoardLine& line = game.model().lines[i];
        EXPECT_TRUE(line.visible) << i;
        EXPECT_EQ(line.p1, cellCentre(words[i - 1].first)) << i;
        EXPECT_EQ(line.p2, cellCentre(words[i - 1].last)) << i;
        EXPECT_TRUE(game.model().entries[i].struck) << i;
        EXPECT_EQ(game.model().entries[i].caption, words[i - 1].text) << i;
    }
    EXPECT_EQ(game.setting("S_REV"), "1");
    EXPECT_EQ(game.setting("S_COMP"), "absent");
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(game.session.gameInProgress());
    game.press(10);
    EXPECT_FALSE(game.model().lines[9].visible);
}
