#include "platform/owned_window.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// A window the program has not placed itself opens centred over its owner, never in a corner of
// the screen (as happens without a window manager).
void centreOverOwner(QWidget* window) {
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (!owner || window->testAttribute(Qt::WA_Moved)) return;
    window->adjustSize();
    QRect frame(QPoint(), window->size());
    frame.moveCenter(owner->frameGeometry().center());
    window->move(frame.topLeft());
}

void showOwnedWindow(QWidget* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    // Give the keyboard back when the window goes: to a window still waiting on top, else to the
    // owner. Without a window manager nobody else would, and the shortcuts would stay dead.
    const QPointer<QWidget> owner =
        window->parentWidget() ? window->parentWidget()->window() : nullptr;
    centreOverOwner(window);
    QObject::connect(window, &QObject::destroyed, qApp, [owner] {
        QTimer::singleShot(0, qApp, [owner] {
            QWidget* next = QApplication::activeModalWidget();
            if (!next) next = owner;
            if (next && next->isVisible()) next->activateWindow();
        });
    });
    window->show();
    window->raise();
    window->activateWindow();
}
