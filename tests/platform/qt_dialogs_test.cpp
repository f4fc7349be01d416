#include "platform/qt_dialogs.h"
#include "platform/owned_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QWindow>

// A box's transient parent is all a Wayland compositor has to place it over the window it
// belongs to: the modal window on top (the one that asked), else the owner.
TEST(QtDialogs, BoxesBelongToTheModalWindowOnTopElseTheOwner) {
    QtDialogs dialogs;
    QWidget mainWindow;
    mainWindow.show();
    dialogs.setOwner(&mainWindow);
    const QWindow* transientParent = nullptr;
    auto askAndRecord = [&] {
        QTimer::singleShot(0, [&transientParent] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            transientParent = box->windowHandle()->transientParent();
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.message(QStringLiteral("Text"), QStringLiteral("Title"), MsgButtons::Ok,
                        MsgIcon::Information);
    };

    askAndRecord();
    EXPECT_EQ(transientParent, mainWindow.windowHandle());

    auto* dialog = new QWidget(&mainWindow, Qt::Dialog);
    showOwnedWindow(dialog);
    askAndRecord();
    EXPECT_EQ(transientParent, dialog->windowHandle());
    delete dialog;
}
