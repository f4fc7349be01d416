#include "platform/pickable_label.h"

#include <gtest/gtest.h>

#include <QTest>

TEST(PickableLabel, IsPickedByAClickOrFromTheKeyboardOnlyWhileEnabled) {
    int picks = 0;
    PickableLabel label(
        QStringLiteral("BANANA"), [&picks] { ++picks; }, nullptr);
    label.resize(100, 20);
    EXPECT_EQ(label.focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(&label, Qt::Key_Space);
    QTest::keyClick(&label, Qt::Key_Return);
    QTest::keyClick(&label, Qt::Key_A);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(picks, 3);
    label.setEnabled(false);
    QTest::keyClick(&label, Qt::Key_Space);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(picks, 3);
}
