#include "board/board_window.h"

#include "board/board_painter.h"
#include "board/board_speech.h"
#include "board/board_zoom.h"
#include "board/cursor_keys.h"
#include "board/session_view.h"
#include "core/game_state.h"
#include "platform/plain_text.h"
#include "platform/twips.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QToolTip>

#include <optional>
#include <utility>

namespace {
// Only a single left or right button counts; other buttons and chords do nothing.
std::optional<PressButton> singleButton(const QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    if (event->buttons() != button && event->buttons() != Qt::NoButton) return std::nullopt;
    if (button == Qt::LeftButton) return PressButton::Left;
    if (button == Qt::RightButton) return PressButton::Right;
    return std::nullopt;
}

}  // namespace

BoardWindow::BoardWindow(GameState& state, QWidget* parent) : QWidget(parent), state_(state) {
    // Until the first game the grid shows random letters, 'A'..'Z' with equal chance.
    for (int n = 1; n <= grid::kCells; ++n) {
        model_.cells[n].font = defaultCellFont();
        model_.cells[n].caption = QChar('A' + QRandomGenerator::global()->bounded(26));
    }
    for (int i = 1; i <= kMaxWords; ++i) model_.entries[i].font = defaultEntryFont();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Keyboard play: the board takes the focus by Tab or a click.
    setFocusPolicy(Qt::StrongFocus);
    resize(sizeHint());
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::setCellFont(int n, const QFont& font) {
    if (!board_geometry::isCell(n)) return;
    model_.cells[n].font = font;
    update();
}

void BoardWindow::setEntryFont(int i, const QFont& font) {
    if (i < 1 || i > kMaxWords) return;
    model_.entries[i].font = font;
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

void BoardWindow::showSession(const GameSession& session) {
    const std::array<BoardLine, kMaxWords + 1> before = model_.lines;
    if (::showSession(session, model_)) {
        update();
        return;
    }
    // Only the bands under the lines that moved or changed need painting.
    QRect dirty;
    for (int k = 1; k <= kMaxWords; ++k) {
        const BoardLine& was = before[k];
        const BoardLine& now = model_.lines[k];
        if (was.visible == now.visible && was.p1 == now.p1 && was.p2 == now.p2 &&
            was.mode == now.mode && was.slot == now.slot) {
            continue;
        }
        if (was.visible) dirty |= strikeLineBounds(was);
        if (now.visible) dirty |= strikeLineBounds(now);
    }
    if (!dirty.isEmpty()) updateBoardArea(dirty);
}

void BoardWindow::setCovered(bool covered) {
    if (covered_ == covered) return;
    covered_ = covered;
    if (covered) emit hoverText(QString());
    update();
    emit coveredChanged();
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
    if (!state_.hideBoardOnActivate) return;
    state_.hideBoardOnActivate = false;
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
    if (covered_) {
        painter.scale(zoom_, zoom_);
        paintCover(painter, model_, board_speech::paused());
        return;
    }
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

void BoardWindow::showCursor(bool shown) {
    if (cursorShown_ == shown) return;
    cursorShown_ = shown;
    updateBoardArea(cellCursorBounds(cursorCell_));
}

void BoardWindow::moveCursor(int cell) {
    updateBoardArea(cellCursorBounds(cursorCell_));
    cursorCell_ = cell;
    updateBoardArea(cellCursorBounds(cursorCell_));
    emit pointerOver(cell);  // an open selection's free end follows the cursor
}

void BoardWindow::mousePressEvent(QMouseEvent* event) {
    leftDownOnCell_ = false;
    const std::optional<PressButton> button = singleButton(event);
    if (covered_) {
        // The cover still offers the Options menu, which holds Pause.
        if (button == PressButton::Right)
            emit optionsMenuRequested(event->globalPosition().toPoint());
        return;
    }
    showCursor(false);
    const QPointF pos = event->position();
    if (const int cell = cellAt(pos)) {
        if (!button) return;
        leftDownOnCell_ = *button == PressButton::Left;
        emit cellPressed(cell, *button);
    } else if (const int entry = entryAt(pos); entry && button == PressButton::Right) {
        emit optionsMenuRequested(event->globalPosition().toPoint());
    }
}

void BoardWindow::mouseMoveEvent(QMouseEvent* event) {
    if (covered_) return;
    const QPointF pos = event->position();
    // Qt repeats the last position when windows change under a still pointer: not a mouse use.
    if (pos != lastPointer_) showCursor(false);
    lastPointer_ = pos;
    if (const int cell = cellAt(pos)) {
        emit pointerOver(cell);
    } else if (const int entry = entryAt(pos)) {
        emit hoverText(model_.entries[entry].caption);
    }
}

void BoardWindow::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasDown = std::exchange(leftDownOnCell_, false);
    if (!wasDown || covered_ || event->button() != Qt::LeftButton ||
        event->buttons() != Qt::NoButton) {
        return;
    }
    if (const int cell = cellAt(event->position())) emit leftReleased(cell);
}

void BoardWindow::keyPressEvent(QKeyEvent* event) {
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        emit optionsMenuRequested(cursorOnScreen());
        return;
    }
    const cursor_keys::Outcome outcome = cursor_keys::onKey(event->key(), cursorCell_);
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (covered_ || outcome.act == cursor_keys::Act::None || !plain) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Every key acts, from row 1, column 1 or the cell the keys last left the cursor on.
    showCursor(true);
    switch (outcome.act) {
        case cursor_keys::Act::Move:
            moveCursor(outcome.cell);
            break;
        case cursor_keys::Act::LeftClick:
            emit cellPressed(cursorCell_, PressButton::Left);
            break;
        case cursor_keys::Act::RightClick:
            emit cellPressed(cursorCell_, PressButton::Right);
            break;
        case cursor_keys::Act::None:
            break;
    }
}

QPoint BoardWindow::cursorOnScreen() const {
    return mapToGlobal(board_zoom::toWindow(cellCursorBounds(cursorCell_), zoom_).center());
}

void BoardWindow::contextMenuEvent(QContextMenuEvent* event) {
    // The right button acts on cells itself; only the keyboard's request opens the menu here.
    if (event->reason() != QContextMenuEvent::Mouse) {
        emit optionsMenuRequested(cursorOnScreen());
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
        case QEvent::ToolTip:
            showToolTip(static_cast<QHelpEvent*>(event));
            return true;
        default:
            break;
    }
    return QWidget::event(event);
}

void BoardWindow::showToolTip(QHelpEvent* help) {
    const int entry = covered_ ? 0 : entryAt(help->pos());
    const QString tip = entry ? model_.entries[entry].toolTip : QString();
    if (tip.isEmpty()) {
        QToolTip::hideText();
        help->ignore();
        return;
    }
    const QRectF area = board_geometry::entryRect(entry);
    const QRect shown = twips::rect(area.x(), area.y(), area.width(), area.height());
    QToolTip::showText(help->globalPos(), plain_text::toolTip(tip), this,
                       board_zoom::toWindow(shown, zoom_));
}
