#include "board/word_list_accessible.h"

#include "board/board_accessibility.h"
#include "board/board_model.h"
#include "board/board_window.h"

QRect WordListAccessible::rect() const {
    using namespace board_geometry;
    return onScreen(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
}

int WordListAccessible::childCount() const {
    return owner_.snapshot().entryCount;
}

QAccessibleInterface* WordListAccessible::child(int index) const {
    return index >= 0 && index < childCount() ? owner_.entry(index + 1) : nullptr;
}

int WordListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const WordListItemAccessible*>(child);
    return item && owner_.entry(item->slot()) == item ? item->slot() - 1 : -1;
}

QString WordListAccessible::name() const {
    return QStringLiteral("Word list");
}

QAccessibleInterface* WordListItemAccessible::parent() const {
    return owner_.wordList();
}

QRect WordListItemAccessible::rect() const {
    const QRectF area = board_geometry::entryRect(slot_);
    return onScreen(area.x(), area.y(), area.width(), area.height());
}

QAccessible::State WordListItemAccessible::state() const {
    QAccessible::State state = BoardPartAccessible::state();
    state.readOnly = true;
    return state;
}

QString WordListItemAccessible::name() const {
    return owner_.snapshot().entryNames[slot_];
}
