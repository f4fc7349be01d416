#include "platform/owned_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>

// An owned window blocks its owner while open, and hands the keyboard back when it closes, to
// the window beneath it that still waits, else to the owner.
TEST(OwnedWindow, OpensOverTheOwnerBlocksItAndGivesTheKeyboardBackWhenClosed) {
    QWidget owner;
    owner.setGeometry(300, 200, 640, 480);
    owner.show();
    owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));

    QPointer<QWidget> first = new QWidget(&owner, Qt::Window);
    first->resize(120, 80);
    showOwnedWindow(first);
    ASSERT_TRUE(QTest::qWaitForWindowActive(first));
    // Opened centred over its owner, not in a corner of the screen.
    EXPECT_LE((first->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(),
              8);
    EXPECT_EQ(QApplication::activeModalWidget(), first.data());

    QPointer<QWidget> second = new QWidget(first, Qt::Window);
    showOwnedWindow(second);
    ASSERT_TRUE(QTest::qWaitForWindowActive(second));

    second->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return second.isNull(); }));
    EXPECT_TRUE(QTest::qWaitForWindowActive(first));

    first->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&owner));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
