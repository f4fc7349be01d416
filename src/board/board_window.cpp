#include "board/board_window.h"

#include "board/board_painter.h"
#include "board/board_zoom.h"
#include "board/cursor_keys.h"
#include "board/selection.h"
#include "board/strike_rules.h"
#include "core/game_state.h"
#include "platform/dialogs.h"
#include "platform/plain_text.h"
#include "platform/services.h"
#include "platform/settings_schema.h"
#include "platform/settings_store.h"
#include "platform/sound/sound_player.h"
#include "platform/twips.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>
#include <QToolTip>

#include <utility>

namespace {
QTimer* makeTimer(QObject* owner, int intervalMs, void (BoardWindow::*handler)()) {
    auto* timer = new QTimer(owner);
    timer->setInterval(intervalMs);
    QObject::connect(timer, &QTimer::timeout, static_cast<BoardWindow*>(owner), handler);
    return timer;
}

// Only a single left or right button counts; other buttons and chords do nothing.
Qt::MouseButton singleButton(const QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    return event->buttons() == button || event->buttons() == Qt::NoButton ? button : Qt::NoButton;
}
}  // namespace

BoardWindow::BoardWindow(Services& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      hlFlash_(makeTimer(this, 100, &BoardWindow::hlFlashTimer)),
      hlFlashCheck_(makeTimer(this, 750, &BoardWindow::hlFlashCheckTimer)),
      puzzleComplete_(makeTimer(this, 10, &BoardWindow::puzzleCompleteTimer)) {
    // Until the first game the grid shows random letters, 'A'..'Z' with equal chance.
    for (int n = 1; n <= grid::kCells; ++n) {
        model_.cells[n].font = defaultCellFont();
        model_.cells[n].caption = QChar('A' + QRandomGenerator::global()->bounded(26));
    }
    for (int i = 1; i <= 20; ++i) model_.entries[i].font = defaultEntryFont();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Keyboard play: the board takes the focus by Tab or a click.
    setFocusPolicy(Qt::StrongFocus);
    resize(sizeHint());
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::modelChanged() {
    update();
}

void BoardWindow::setCellFont(int n, const QFont& font) {
    if (!board_geometry::isCell(n)) return;
    model_.cells[n].font = font;
    update();
}

void BoardWindow::setEntryFont(int i, const QFont& font) {
    if (i < 1 || i > 20) return;
    // The strikethrough records that the word is found; a new font must not lose it.
    QFont applied = font;
    applied.setStrikeOut(model_.entries[i].font.strikeOut());
    model_.entries[i].font = applied;
    update();
}

void BoardWindow::setTitle(const QString& title) {
    model_.title = title;
    update();
}

void BoardWindow::setLook(const BoardLook& look) {
    model_.look = look;
    update();
}

void BoardWindow::wsMouseDown(int cell, Qt::MouseButton button) {
    GameState& state = services_.state;
    const int line = strike::selectionLine(state);
    if (line == 0 || !board_geometry::isCell(cell)) return;
    BoardLine& selection = model_.lines[line];
    if (button == Qt::RightButton) {
        selection.visible = false;
    } else if (button == Qt::LeftButton && !selection.visible) {
        // The free end starts on the anchor until the pointer moves to another cell.
        selection.visible = true;
        selection.slot = 0;
        selection.p1 = selection.p2 = board_geometry::cellCentre(cell);
        services_.sound.effect(Sound::Click);
    } else if (button == Qt::LeftButton) {
        // The second click evaluates the line up to the cell clicked, whether or not a move
        // over that cell was seen first.
        selection.p2 = board_geometry::cellCentre(cell);
        const int slot = selection::matchingWord(state, selection.p1, selection.p2);
        if (slot != 0 && model_.entries[slot].struck()) {
            services_.dialogs.message(QStringLiteral("Word already found!"),
                                      QStringLiteral("Illegal Move"), MsgButtons::Ok,
                                      MsgIcon::Critical);
        } else if (slot != 0) {
            addLine(slot);
        }
    }
    update();
}

void BoardWindow::wsMouseMove(int cell) {
    const int line = strike::selectionLine(services_.state);
    if (line == 0 || !board_geometry::isCell(cell) || !model_.lines[line].visible) return;
    BoardLine& selection = model_.lines[line];
    const QPointF centre = board_geometry::cellCentre(cell);
    if (selection.p2 == centre) return;
    // Only the band under the old and the new line needs painting while the pointer moves.
    const QRect before = strikeLineBounds(selection);
    selection.p2 = centre;
    updateBoardArea(before.united(strikeLineBounds(selection)));
}

void BoardWindow::wcoMouseDown(int entry, Qt::MouseButton button, const QPoint& globalPos) {
    if (entry >= 1 && entry <= 20 && button == Qt::RightButton) {
        emit optionsMenuRequested(globalPos);
    }
}

void BoardWindow::wcoMouseMove(int entry) {
    if (entry >= 1 && entry <= 20) emit hoverText(model_.entries[entry].caption);
}

void BoardWindow::settleRunningFlash() {
    if (!hlFlashCheck_->isActive()) return;
    strike::settleFlash(services_.state, model_);
    update();
}

void BoardWindow::addLine(int slot) {
    GameState& state = services_.state;
    if (slot < 1 || slot > GameState::kMaxWords || strike::puzzleComplete(state)) return;
    settleRunningFlash();
    ++state.foundCount;
    model_.lines[state.foundCount].slot = slot;
    strike::strikeEntry(model_, slot, state.showMode);
    services_.sound.effect(Sound::StrikeWord);
    state.lastLine = state.foundCount;
    state.lastWord = slot;
    emit puzzleInformationDisabled();
    update();
    if (state.foundCount < state.wordCount) {
        startFlash();
    } else {
        settings::addToCounter(services_.settings, settings::kCompleted.name, 1);
        endOfPuzzle();
    }
}

void BoardWindow::endOfPuzzle() {
    startFlash();
    // The game is marked over before pending events run, so none of them (New WordSearch, a
    // reveal) can act on it halfway through its end.
    emit gameEnded();
    services_.state.gameInProgress = false;
    QCoreApplication::processEvents();
}

void BoardWindow::layLineOverWord(int line, int slot) {
    strike::layLineOverWord(services_.state, model_, line, slot);
    update();
}

void BoardWindow::clearSurface() {
    update();
}

void BoardWindow::hlFlashTimer() {
    if (strike::flashTick(services_.state, model_) == strike::FlashTick::GameOver) {
        puzzleComplete_->start();
        hlFlash_->stop();
    }
    update();
}

void BoardWindow::hlFlashCheckTimer() {
    hlFlash_->stop();
    hlFlashCheck_->stop();
    strike::settleFlash(services_.state, model_);
    update();
}

void BoardWindow::puzzleCompleteTimer() {
    const GameState& state = services_.state;
    if (hlFlash_->isActive()) {
        hlFlash_->stop();
        if (state.wordCount >= 1 && state.wordCount <= GameState::kMaxWords) {
            model_.lines[state.wordCount].mode = DrawMode::MaskPen;
        }
    }
    const strike::CompletionTick tick = strike::completionTick(state, model_);
    update();
    if (tick == strike::CompletionTick::Stepped) {
        services_.sound.effect(Sound::CompleteWord);
        return;
    }
    puzzleComplete_->stop();
    emit completionReady();
}

bool BoardWindow::hlFlashEnabled() const {
    return hlFlash_->isActive();
}
bool BoardWindow::hlFlashCheckEnabled() const {
    return hlFlashCheck_->isActive();
}
bool BoardWindow::puzzleCompleteEnabled() const {
    return puzzleComplete_->isActive();
}

void BoardWindow::startFlash() {
    // Restarting gives a word struck during another's flash its own three quarters of a second.
    hlFlash_->start();
    hlFlashCheck_->start();
}

void BoardWindow::stopTimers() {
    hlFlash_->stop();
    hlFlashCheck_->stop();
    puzzleComplete_->stop();
}

void BoardWindow::paintBoard(QPainter& painter) const {
    paintBoardModel(painter, model_);
}

QSize BoardWindow::clientSizePixels() const {
    return {twips::toPixelsRounded(board_geometry::kClientWidth),
            twips::toPixelsRounded(board_geometry::kClientHeight)};
}

void BoardWindow::setZoom(double scale) {
    if (scale <= 0 || scale == zoom_) return;
    zoom_ = scale;
    resize(sizeHint());
    update();
}

QSize BoardWindow::sizeHint() const {
    return board_zoom::scaledSize(clientSizePixels(), zoom_);
}

int BoardWindow::cellAt(const QPointF& pos) const {
    const QPointF board = board_zoom::toBoard(pos, zoom_);
    return board_geometry::cellAt({twips::fromPixels(board.x()), twips::fromPixels(board.y())});
}

int BoardWindow::entryAt(const QPointF& pos) const {
    const QPointF board = board_zoom::toBoard(pos, zoom_);
    return board_geometry::entryAt({twips::fromPixels(board.x()), twips::fromPixels(board.y())});
}

void BoardWindow::formActivate() {
    GameState& state = services_.state;
    if (!state.hideBoardOnActivate) return;
    state.hideBoardOnActivate = false;
    hideBoard();
}

QWidget* BoardWindow::frame() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    return sub ? static_cast<QWidget*>(sub) : this;
}

void BoardWindow::showBoard() {
    show();
    frame()->show();
    frame()->raise();
}

void BoardWindow::hideBoard() {
    frame()->hide();
}

bool BoardWindow::boardVisible() const {
    return isVisible();
}

void BoardWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    staticBoard_.paint(painter, model_, clientSizePixels(), devicePixelRatioF(), event->rect(),
                       zoom_);
    if (cursorShown_ && hasFocus()) {
        if (zoom_ != 1) painter.scale(zoom_, zoom_);
        paintCellCursor(painter, cursorCell_);
    }
}

void BoardWindow::updateBoardArea(const QRect& boardPixels) {
    update(board_zoom::toWindow(boardPixels, zoom_));
}

bool BoardWindow::selectionOpen() const {
    const int line = strike::selectionLine(services_.state);
    return line != 0 && model_.lines[line].visible;
}

void BoardWindow::showCursor(bool shown) {
    if (cursorShown_ == shown) return;
    cursorShown_ = shown;
    updateBoardArea(cellCursorBounds(cursorCell_));
}

void BoardWindow::moveCursor(int cell) {
    updateBoardArea(cellCursorBounds(cursorCell_));
    cursorCell_ = cell;
    updateBoardArea(cellCursorBounds(cursorCell_));
    wsMouseMove(cell);  // an open selection's free end follows the cursor
}

void BoardWindow::mousePressEvent(QMouseEvent* event) {
    showCursor(false);
    dragFrom_ = 0;
    const QPointF pos = event->position();
    if (const int cell = cellAt(pos)) {
        const Qt::MouseButton button = singleButton(event);
        const bool wasOpen = selectionOpen();
        wsMouseDown(cell, button);
        // A press that opens a selection may become a drag: released on another cell, it
        // acts as the second click.
        if (button == Qt::LeftButton && !wasOpen && selectionOpen()) dragFrom_ = cell;
    } else if (const int entry = entryAt(pos)) {
        wcoMouseDown(entry, singleButton(event), event->globalPosition().toPoint());
    }
}

void BoardWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    // Qt repeats the last position when windows change under a still pointer: not a mouse use.
    if (pos != lastPointer_) showCursor(false);
    lastPointer_ = pos;
    if (const int cell = cellAt(pos)) {
        if (!cursorShown_) cursorCell_ = cell;  // keys go on from where the pointer is
        wsMouseMove(cell);
    } else if (const int entry = entryAt(pos)) {
        wcoMouseMove(entry);
    }
}

void BoardWindow::mouseReleaseEvent(QMouseEvent* event) {
    const int from = std::exchange(dragFrom_, 0);
    if (from == 0 || event->button() != Qt::LeftButton || event->buttons() != Qt::NoButton) {
        return;
    }
    // Released where it went down, the press was the first of two clicks.
    const int cell = cellAt(event->position());
    if (cell != 0 && cell != from && selectionOpen()) wsMouseDown(cell, Qt::LeftButton);
}

void BoardWindow::keyPressEvent(QKeyEvent* event) {
    const cursor_keys::Outcome outcome = cursor_keys::onKey(event->key(), cursorCell_);
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (outcome.act == cursor_keys::Act::None || !plain) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The first key only shows where the cursor is; Escape needs no cell and acts at once.
    const bool wasShown = cursorShown_;
    showCursor(true);
    switch (outcome.act) {
        case cursor_keys::Act::Move:
            if (wasShown) moveCursor(outcome.cell);
            break;
        case cursor_keys::Act::LeftClick:
            if (wasShown) wsMouseDown(cursorCell_, Qt::LeftButton);
            break;
        case cursor_keys::Act::RightClick:
            wsMouseDown(cursorCell_, Qt::RightButton);
            break;
        case cursor_keys::Act::None:
            break;
    }
}

void BoardWindow::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    updateBoardArea(cellCursorBounds(cursorCell_));
}

void BoardWindow::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    updateBoardArea(cellCursorBounds(cursorCell_));
}

bool BoardWindow::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowActivate:
            formActivate();
            break;
        case QEvent::Show:
            // A board shown inside an already active window gets no activation of its own.
            QMetaObject::invokeMethod(this, &BoardWindow::formActivate, Qt::QueuedConnection);
            break;
        case QEvent::ToolTip: {
            auto* help = static_cast<QHelpEvent*>(event);
            const int entry = entryAt(help->pos());
            const QString tip = entry ? model_.entries[entry].toolTip : QString();
            if (tip.isEmpty()) {
                QToolTip::hideText();
                event->ignore();
            } else {
                const QRectF area = board_geometry::entryRect(entry);
                const QRect shown = twips::rect(area.x(), area.y(), area.width(), area.height());
                QToolTip::showText(help->globalPos(), plain_text::toolTip(tip), this,
                                   board_zoom::toWindow(shown, zoom_));
            }
            return true;
        }
        default:
            break;
    }
    return QWidget::event(event);
}
