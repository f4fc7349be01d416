#include "platform/pickable_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <utility>

PickableLabel::PickableLabel(const QString& text, std::function<void()> onPick, QWidget* parent)
    : PlainLabel(text, parent), onPick_(std::move(onPick)) {
    setFocusPolicy(Qt::StrongFocus);
}

void PickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        onPick_();
    }
}

void PickableLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            onPick_();
            break;
        default:
            PlainLabel::keyPressEvent(event);
    }
}

void PickableLabel::paintEvent(QPaintEvent* event) {
    PlainLabel::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(1, 1, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}
