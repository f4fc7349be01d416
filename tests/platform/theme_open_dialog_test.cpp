#include "platform/theme_open_dialog.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>

TEST(ThemeOpenDialogTest, ListsFileNamesAndReturnsThePathOfThePickedOne) {
    ThemeOpenDialog dialog(
        {"/home/me/.local/share/quarrow/data/apples.qrw", "/usr/share/quarrow/data/birds.qrw"},
        "/home/me", "Qrw");
    auto* list = dialog.findChild<QListWidget*>("themes");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "apples.qrw");
    EXPECT_EQ(list->item(1)->text(), "birds.qrw");

    list->setCurrentRow(1);
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenPath(), "/usr/share/quarrow/data/birds.qrw");

    ThemeOpenDialog empty({}, "/home/me", "Qrw");
    EXPECT_FALSE(empty.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->isEnabled());
    EXPECT_TRUE(empty.chosenPath().isEmpty());
}
