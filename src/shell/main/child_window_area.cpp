#include "shell/main/child_window_area.h"

#include <QResizeEvent>

bool ChildWindowArea::eventFilter(QObject* watched, QEvent* event) {
    // Keys go on to the window they were sent to, untouched.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) return false;
    return QMdiArea::eventFilter(watched, event);
}

void ChildWindowArea::resizeEvent(QResizeEvent* event) {
    QMdiArea::resizeEvent(event);
    emit resized();
}
