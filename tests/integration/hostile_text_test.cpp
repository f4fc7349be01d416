// Theme files and settings files come from elsewhere: markup in them shows as typed in every
// window (never rendered, never loading "/dev/zero"), and a long title is cut with an ellipsis
// instead of widening a window.

#include "integration/player.h"

#include "board/board_model.h"
#include "board/board_window.h"
#include "board/reveal_word_dialog.h"
#include "core/theme_file.h"
#include "newgame/new_puzzle_dialog.h"
#include "platform/plain_label.h"
#include "platform/settings_store.h"
#include "platform/twips.h"
#include "records/fast_times_window.h"
#include "shell/main/status_strip.h"

#include <QFile>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QToolTip>

namespace {

QByteArray testData(const char* name) {
    QFile file(QStringLiteral(QUARROW_SOURCE_DIR "/tests/data/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The named label of a window, checked to show plain text before anything paints it.
PlainLabel* plainLabel(QWidget* window, const char* name) {
    auto* label = window ? window->findChild<PlainLabel*>(QLatin1String(name)) : nullptr;
    EXPECT_NE(label, nullptr) << name;
    if (label) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << name;
    }
    return label;
}

QPoint entryCentre(int entry) {
    const QPointF centre = board_geometry::entryRect(entry).center();
    return twips::point(centre.x(), centre.y()).toPoint();
}

class HostileText : public IntegrationTest {
  protected:
    void SetUp() override {
        IntegrationTest::SetUp();
        markup = testData("markup.qrw");
        ASSERT_FALSE(markup.isEmpty());
        env.writeFile(QStringLiteral("data/markup.qrw"), markup);
        header = *parseThemeHeader(markup);
        theme = *parseThemeForEditor(markup);
    }

    // Opens the new-game dialog on the theme, checks its title, and cancels.
    NewPuzzleDialog* pickInDialog(const QString& file) {
        NewPuzzleDialog* dialog = player->openNewGameDialog();
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("puzzles"));
        list->setCurrentItem(list->findItems(file, Qt::MatchExactly).value(0));
        return dialog;
    }

    QByteArray markup;
    ThemeHeader header;
    EditorTheme theme;
};

TEST_F(HostileText, MarkupInAThemeShowsAsTypedInTheDialogBoardStripRevealAndEnd) {
    NewPuzzleDialog* dialog = pickInDialog(QStringLiteral("markup.qrw"));
    PlainLabel* title = plainLabel(dialog, "game_title");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), header.title);
    dialog->grab();
    dialog->close();

    player->startGame({QStringLiteral("markup.qrw"), ShowMode::Questions, Level::Medium, false});
    BoardWindow& board = window->board();
    // Words sort into slots; slot 1 is "Anchor", whose question loads an image if rendered.
    const QString question = theme.questions[1];
    ASSERT_TRUE(question.startsWith("<img"));
    const QPoint at = entryCentre(1);
    QHelpEvent help(QEvent::ToolTip, at, board.mapToGlobal(at));
    QCoreApplication::sendEvent(&board, &help);
    EXPECT_TRUE(QToolTip::text().contains("&lt;img")) << QToolTip::text().toStdString();
    QToolTip::hideText();

    QTest::mouseMove(&board, at);
    PlainLabel* hint = plainLabel(&window->strip(), "show_full");
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->text(), question);
    window->grab();

    // Printing paints the board, title and questions included, through the same routine.
    QImage page(board.clientSizePixels(), QImage::Format_RGB32);
    QPainter painter(&page);
    board.paintBoard(painter);
    painter.end();

    RevealWordDialog* reveal = player->openRevealWord();
    ASSERT_NE(reveal, nullptr);
    EXPECT_EQ(reveal->row(1)->text(), question);
    reveal->grab();
    reveal->close();

    player->findTheRest();
    player->runCompletion();
    QWidget* end = Player::endOfGameDialog();
    PlainLabel* name = plainLabel(end, "ep_name");
    PlainLabel* verdict = plainLabel(end, "puz_stat");
    ASSERT_TRUE(name && verdict);
    EXPECT_EQ(name->text(), header.title);
    EXPECT_TRUE(verdict->text().contains(header.title));
    end->grab();
    Player::closeEndOfGameDialog();
}

TEST_F(HostileText, MarkupTitleAndNameShowAsTypedInFastestTimes) {
    env.dialogs.answerInput(QStringLiteral("<img src=\"/dev/zero\"><b>Me</b>"));
    player->startGame({QStringLiteral("markup.qrw"), ShowMode::Words, Level::Expert, true});
    player->findTheRest();
    player->runCompletion();
    EXPECT_EQ(fastTime("S1_P"), header.title);

    QWidget* end = Player::endOfGameDialog();
    ASSERT_NE(end, nullptr);
    Player::clickButton(*end, "Command1");
    QWidget* times = Player::windowTitled(QStringLiteral("Fastest Times"));
    PlainLabel* name = plainLabel(times, "ft_n1");
    PlainLabel* puzzle = plainLabel(times, "ft_pn1");
    ASSERT_TRUE(name && puzzle);
    EXPECT_EQ(name->text(), "<img src=\"/dev/zero\"><b>Me</b>");
    EXPECT_EQ(puzzle->text(), header.title);
    times->grab();
    Player::clickButton(*times, "Command1");
    Player::closeEndOfGameDialog();
}

TEST_F(HostileText, AnUnbreakableThousandCharacterTitleIsCutNotWidened) {
    const QString longTitle(1000, QLatin1Char('W'));
    QByteArray bytes = markup;
    bytes.replace(0, bytes.indexOf('\r'), longTitle.toLatin1());
    env.writeFile(QStringLiteral("data/long.qrw"), bytes);

    NewPuzzleDialog* dialog = pickInDialog(QStringLiteral("long.qrw"));
    dialog->adjustSize();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(dialog->frameGeometry().width(), screen.width());
    PlainLabel* title = plainLabel(dialog, "game_title");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), longTitle);
    EXPECT_TRUE(title->shownText().endsWith(QChar(0x2026)));
    dialog->close();

    player->startGame({QStringLiteral("long.qrw"), ShowMode::Words, Level::Medium, false});
    player->findTheRest();
    player->runCompletion();
    QWidget* end = Player::endOfGameDialog();
    for (const char* label : {"ep_name", "puz_stat"}) {
        PlainLabel* shown = plainLabel(end, label);
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->shownText().endsWith(QChar(0x2026))) << label;
    }
    Player::closeEndOfGameDialog();

    env.settings->write(settings::kFastTimes, QStringLiteral("S1_N"), QString(300, 'N'));
    env.settings->write(settings::kFastTimes, QStringLiteral("S1_P"), longTitle);
    FastTimesWindow times(env.services);
    times.show();
    for (const char* label : {"ft_n1", "ft_pn1"}) {
        PlainLabel* shown = plainLabel(&times, label);
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->shownText().endsWith(QChar(0x2026))) << label;
    }
    EXPECT_EQ(plainLabel(&times, "ft_pn2")->shownText(), "Rock 'N' Roll Legends");
}

}  // namespace
