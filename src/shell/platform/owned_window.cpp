#include "shell/platform/owned_window.h"

#include <QWidget>

void showOwnedWindow(QWidget* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->raise();
    window->activateWindow();
}
