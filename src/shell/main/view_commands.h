#pragma once

#include "board/board_look.h"

#include <QObject>

class BoardWindow;
class SettingsStore;
struct MainMenu;

// Options > View: Colour Found Words, Show Answers and High Contrast, each stored as it
// changes and restored at start. All off is the board's designed look.
class ViewCommands : public QObject {
    Q_OBJECT
  public:
    ViewCommands(SettingsStore& store, BoardWindow& board, const MainMenu& menu,
                 QObject* parent = nullptr);

    void restore();  // the stored choices, at start
    BoardLook look() const;

  private:
    SettingsStore& store_;
    BoardWindow& board_;
    const MainMenu& menu_;
};
