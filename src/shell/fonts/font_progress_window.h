#pragma once

#include "shell/fonts/font_progress.h"

#include <memory>

class CreatingPuzzleWindow;
class QWidget;

// Font progress shown in the "Creating Puzzle" window, created for the update and gone after.
class FontProgressWindow : public FontProgress {
  public:
    // The window belongs to the top-level window of `anchor` (the main window).
    explicit FontProgressWindow(QWidget* anchor);
    ~FontProgressWindow() override;

    void begin(const QString& label, int maximum) override;
    void step(int value) override;
    void end() override;

  private:
    QWidget* anchor_;
    std::unique_ptr<CreatingPuzzleWindow> window_;
};
