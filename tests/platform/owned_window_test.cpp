#include "platform/owned_window.h"
#include "support/event_wait.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

bool isActive(QWidget* window) {
    return runEventsUntil([window] { return window->isActiveWindow(); });
}

}  // namespace

// An owned window blocks its owner while open, and hands the keyboard back when it closes, to
// the window beneath it that still waits, else to the owner.
TEST(OwnedWindow, OpensOverTheOwnerBlocksItAndGivesTheKeyboardBackWhenClosed) {
    QWidget owner;
    owner.setGeometry(300, 200, 640, 480);
    owner.show();
    owner.activateWindow();
    ASSERT_TRUE(isActive(&owner));

    QPointer<QWidget> first = new QWidget(&owner, Qt::Window);
    first->resize(120, 80);
    showOwnedWindow(first);
    ASSERT_TRUE(isActive(first));
    // Opened centred over its owner, not in a corner of the screen.
    EXPECT_LE((first->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(),
              8);
    EXPECT_EQ(QApplication::activeModalWidget(), first.data());

    QPointer<QWidget> second = new QWidget(first, Qt::Window);
    showOwnedWindow(second);
    ASSERT_TRUE(isActive(second));

    second->close();
    EXPECT_TRUE(runEventsUntil([&] { return second.isNull(); }));
    EXPECT_TRUE(isActive(first));

    first->close();
    EXPECT_TRUE(runEventsUntil([&] { return first.isNull(); }));
    EXPECT_TRUE(isActive(&owner));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
