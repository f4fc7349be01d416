#pragma once

class QPushButton;
class QWidget;

// The game's dialogs are plain windows, which unlike QDialog get no keys of a dialog from Qt.
// This gives `window` those keys: Enter presses `defaultButton`, which is drawn as the default,
// whichever control has the focus (the space bar presses a focused button); Escape closes the
// window.
void giveDialogKeys(QWidget& window, QPushButton& defaultButton);
