#include "platform/dialog_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A plain window with a text box and two buttons, "OK" the default, counting their clicks.
struct KeyedWindow {
    KeyedWindow() {
        auto* column = new QVBoxLayout(&window);
        column->addWidget(edit);
        column->addWidget(other);
        column->addWidget(ok);
        QObject::connect(ok, &QPushButton::clicked, [this] { ++okClicks; });
        QObject::connect(other, &QPushButton::clicked, [this] { ++otherClicks; });
        giveDialogKeys(window, *ok);
        window.show();
    }
    // A key pressed in `target`, passed on to its window when the control leaves it unused.
    void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(target, &event);
    }

    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    QPushButton* other = new QPushButton(QStringLiteral("Other"), &window);
    QPushButton* ok = new QPushButton(QStringLiteral("OK"), &window);
    int okClicks = 0;
    int otherClicks = 0;
};

TEST(DialogKeys, EnterPressesTheDefaultButtonWhereverTheFocusIs) {
    KeyedWindow keyed;
    EXPECT_TRUE(keyed.ok->isDefault());
    keyed.press(keyed.edit, Qt::Key_Return);
    keyed.press(keyed.edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(keyed.okClicks, 2);

    keyed.other->setFocus();
    keyed.press(keyed.other, Qt::Key_Return);
    EXPECT_EQ(keyed.okClicks, 3);
    EXPECT_EQ(keyed.otherClicks, 0);

    // With a modifier it is not the dialog's key.
    keyed.press(keyed.edit, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(keyed.okClicks, 3);
    EXPECT_TRUE(keyed.window.isVisible());
}

TEST(DialogKeys, EscapeClosesTheWindow) {
    KeyedWindow keyed;
    keyed.press(keyed.edit, Qt::Key_Escape);
    EXPECT_FALSE(keyed.window.isVisible());
    EXPECT_EQ(keyed.okClicks, 0);
}

}  // namespace
