#pragma once

#include "shell/fonts/board_fonts.h"

#include <memory>

class BoardWindow;
class FontProgress;
struct Services;

// Options > Fonts: "QRW Grid", "QRW Words (Questions)" and "Reset to Default". The main window
// stays enabled while they run.
class FontCommands {
  public:
    // Without a progress of its own the commands show the "Creating Puzzle" window.
    FontCommands(Services& services, BoardWindow& board,
                 std::unique_ptr<FontProgress> progress = nullptr);
    ~FontCommands();

    // Font dialog starting from element 1's font (underline included). A cancelled dialog
    // still re-applies and stores the unchanged font.
    void chooseGridFont();
    void chooseWordFont();
    // MS Sans Serif 14 pt grid / 8 pt words, bold and italic off, underline untouched; stores
    // the fonts and the sound setting on (the running program's sound switch is left alone).
    void resetToDefault();

  private:
    void chooseFont(FontTarget target);

    Services& services_;
    BoardWindow& board_;
    std::unique_ptr<FontProgress> progress_;
};
