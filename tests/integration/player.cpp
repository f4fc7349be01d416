#include "integration/player.h"

#include "board/board_play.h"
#include "board/board_window.h"
#include "board/reveal_word_dialog.h"
#include "newgame/new_puzzle_dialog.h"
#include "platform/settings_store.h"
#include "platform/twips.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <stdexcept>
#include <string>

namespace {

template <class Window>
Window* visibleWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(widget);
        if (window && window->isVisible()) return window;
    }
    return nullptr;
}

// The centre of a cell as the board shows it, at whatever zoom.
QPoint cellPixel(const BoardWindow& board, int cell) {
    const QPointF centre = board_geometry::cellCentre(cell);
    return (twips::point(centre.x(), centre.y()) * board.zoom()).toPoint();
}

// A named control of a window; a missing one fails the test through the exception.
template <class Widget>
Widget* child(QWidget& parent, const char* name) {
    auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) throw std::runtime_error(std::string("no control named ") + name);
    return widget;
}

}  // namespace

BoardWindow& Player::board() {
    return window_.board();
}

BoardPlay& Player::play() {
    return window_.play();
}

NewPuzzleDialog* Player::openNewGameDialog() {
    window_.menu().newGameAction->trigger();
    return visibleWindow<NewPuzzleDialog>();
}

void Player::startGame(const GameChoice& choice) {
    NewPuzzleDialog* dialog = openNewGameDialog();
    ASSERT_NE(dialog, nullptr);
    auto* themes = child<QListWidget>(*dialog, "puzzles");
    const QList<QListWidgetItem*> items = themes->findItems(choice.themeFile, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << choice.themeFile.toStdString();
    themes->setCurrentItem(items.front());
    if (choice.timeChallenge) {
        child<QRadioButton>(*dialog, "Option2")->click();
    } else {
        static const char* const levels[] = {"", "easy_opt", "medium_opt", "hard_opt",
                                             "expert_opt"};
        child<QRadioButton>(*dialog, levels[levelNumber(choice.level)])->click();
        child<QRadioButton>(
            *dialog, QByteArray("show" + QByteArray::number(showModeNumber(choice.showMode))))
            ->click();
    }
    child<QPushButton>(*dialog, "Command1")->click();
    ASSERT_FALSE(dialog->isVisible());
    // The generator is queued behind the dialog's closing.
    for (int round = 0; round < 50 && !window_.boardFrame().isVisible(); ++round) {
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(window_.boardFrame().isVisible());
}

void Player::moveOver(int cell) {
    QTest::mouseMove(&board(), cellPixel(board(), cell));
}

void Player::click(int cell, Qt::MouseButton button) {
    const QPoint at = cellPixel(board(), cell);
    QTest::mousePress(&board(), button, {}, at);
    QTest::mouseRelease(&board(), button, {}, at);
}

void Player::find(int slot, bool lastToFirst) {
    const PuzzleWord& word = game().puzzle().word(slot);
    const int first = lastToFirst ? word.last : word.first;
    const int last = lastToFirst ? word.first : word.last;
    moveOver(first);
    click(first);
    moveOver(last);
    click(last);
}

void Player::dragOver(int slot) {
    const QPoint first = cellPixel(board(), game().puzzle().word(slot).first);
    const QPoint last = cellPixel(board(), game().puzzle().word(slot).last);
    QTest::mouseMove(&board(), first);
    QTest::mousePress(&board(), Qt::LeftButton, {}, first);
    QTest::mouseMove(&board(), last);
    QTest::mouseRelease(&board(), Qt::LeftButton, {}, last);
}

void Player::key(int key) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, static_cast<Qt::Key>(key));
}

void Player::cursorTo(int cell) {
    const auto row = [](int n) { return (n - 1) / 20; };
    const auto column = [](int n) { return (n - 1) % 20; };
    for (int step = 0; step < 40 && board().cursorCell() != cell; ++step) {
        const int at = board().cursorCell();
        key(row(at) < row(cell)         ? Qt::Key_Down
            : row(at) > row(cell)       ? Qt::Key_Up
            : column(at) < column(cell) ? Qt::Key_Right
                                        : Qt::Key_Left);
    }
    ASSERT_EQ(board().cursorCell(), cell);
}

void Player::findByKeyboard(int slot) {
    cursorTo(game().puzzle().word(slot).first);
    key(Qt::Key_Space);
    cursorTo(game().puzzle().word(slot).last);
    key(Qt::Key_Return);
}

void Player::findTheRest() {
    for (int slot = 1; slot <= game().wordCount(); ++slot) {
        if (board().model().entries[slot].struck) continue;
        find(slot);
        if (game().foundCount() < game().wordCount()) letFlashEnd();
    }
}

void Player::letFlashEnd() {
    play().flashTick();
    play().flashTick();
    play().flashCheckTick();
}

void Player::runCompletion() {
    play().flashTick();
    for (int tick = 0; tick <= 2 * game().wordCount() && play().completionRunning(); ++tick) {
        play().completionTick();
    }
    EXPECT_FALSE(play().completionRunning());
}

RevealWordDialog* Player::openRevealWord() {
    window_.menu().revealWordAction->trigger();
    return visibleWindow<RevealWordDialog>();
}

void Player::clickRow(RevealWordDialog& dialog, int slot) {
    QTest::mouseClick(dialog.list()->viewport(), Qt::LeftButton, {},
                      dialog.list()->visualItemRect(dialog.row(slot)).center());
}

QWidget* Player::windowTitled(const QString& caption) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle() == caption) return widget;
    }
    return nullptr;
}

QString Player::labelText(const QWidget* window, const char* name) {
    if (!window) return QStringLiteral("(no window)");
    const auto* label = window->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("(no %1)").arg(QLatin1String(name));
}

void Player::clickButton(QWidget& window, const char* name) {
    child<QPushButton>(window, name)->click();
}

void Player::closeEndOfGameDialog() {
    QWidget* dialog = endOfGameDialog();
    ASSERT_NE(dialog, nullptr);
    auto* ok = child<QPushButton>(*dialog, "Command2");
    ASSERT_EQ(ok->text(), "OK");
    ok->click();
}

int Player::cellOfNoWordEnd() const {
    for (int cell = 1; cell <= GameState::kCells; ++cell) {
        bool end = false;
        for (int slot = 1; slot <= game().wordCount(); ++slot) {
            end = end || game().puzzle().word(slot).first == cell ||
                  game().puzzle().word(slot).last == cell;
        }
        if (!end) return cell;
    }
    return 0;
}

void IntegrationTest::SetUp() {
    for (const char* theme : {"fruit.qrw", "capitals.qrw", "kitchen.qrw"}) {
        QFile source(QStringLiteral(QUARROW_SOURCE_DIR "/data/") + QLatin1String(theme));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << theme;
        env.writeFile(QStringLiteral("data/") + QLatin1String(theme), source.readAll());
    }
    window = std::make_unique<MainWindow>(env.services, &random);
    clockTickedByHand(*window);
    env.dialogs.answerMessage(MsgAnswer::Yes);  // the first run's warranty question
    ASSERT_TRUE(window->load());
    window->show();
    QCoreApplication::processEvents();
    ASSERT_FALSE(window->boardFrame().isVisible());
    env.dialogs.clear();
    player = std::make_unique<Player>(*window, env);
}

QString IntegrationTest::setting(const QString& key) const {
    return env.settings->read(settings::kSettings, key, QStringLiteral("?"));
}

QString IntegrationTest::fastTime(const QString& key) const {
    return env.settings->read(settings::kFastTimes, key, QStringLiteral("?"));
}
