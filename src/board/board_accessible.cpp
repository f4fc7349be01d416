#include "board/board_accessible.h"

#include "board/board_accessibility.h"
#include "board/board_model.h"
#include "board/board_window.h"
#include "board/board_zoom.h"
#include "platform/twips.h"

QWindow* BoardPartAccessible::window() const {
    const QWidget* top = owner_.board().window();
    return top ? top->windowHandle() : nullptr;
}

QAccessibleInterface* BoardPartAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(&owner_.board());
}

namespace {
// The child of `parent` under a point of the screen, or nullptr.
QAccessibleInterface* childContaining(const QAccessibleInterface& parent, int x, int y) {
    for (int i = 0; i < parent.childCount(); ++i) {
        QAccessibleInterface* part = parent.child(i);
        if (part && part->rect().contains(x, y)) return part;
    }
    return nullptr;
}
}  // namespace

QAccessibleInterface* BoardPartAccessible::childAt(int x, int y) const {
    return childContaining(*this, x, y);
}

QAccessible::State BoardPartAccessible::state() const {
    QAccessible::State state;
    state.invisible = !owner_.board().isVisible();
    return state;
}

QString BoardPartAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? name() : QString();
}

QRect BoardPartAccessible::onScreen(double left, double top, double width, double height) const {
    const BoardWindow& board = owner_.board();
    const QRect local = board_zoom::toWindow(twips::rect(left, top, width, height), board.zoom());
    return {board.mapToGlobal(local.topLeft()), local.size()};
}

QRect SpokenStatusAccessible::rect() const {
    using namespace board_geometry;
    return onScreen(kTitleLeft, kTitleTop, kTitleWidth, kTitleHeight);
}

QString SpokenStatusAccessible::name() const {
    return owner_.lastAnnouncement();
}

BoardAccessible::BoardAccessible(QWidget* board, BoardAccessibility& owner)
    : QAccessibleWidget(board, QAccessible::Pane), owner_(owner) {}

QString BoardAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? QStringLiteral("Puzzle board") : QAccessibleWidget::text(t);
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    switch (index) {
        case 0:
            return owner_.grid();
        case 1:
            return owner_.wordList();
        case 2:
            return owner_.status();
        default:
            return nullptr;
    }
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* part) const {
    for (int i = 0; i < childCount(); ++i) {
        if (child(i) == part) return i;
    }
    return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    return childContaining(*this, x, y);
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    return owner_.grid()->focusChild();
}
