#pragma once

#include <QStringList>

class QWidget;

// What a screen reader finds in a window: "role name" for every visible control that takes
// the keyboard focus, in the order of the accessible tree, and "role (object name)" in place of
// the name where a control has none.
QStringList focusableControls(QWidget& window);
// The entries of focusableControls() that have no name.
QStringList unnamedControls(QWidget& window);
