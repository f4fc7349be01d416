#pragma once

#include "shell/fonts/font_progress.h"

#include <memory>

class CreatingPuzzleWindow;

// Font progress shown in the "Creating Puzzle" window, created for the update and gone after.
class CpStatProgress : public FontProgress {
  public:
    CpStatProgress();
    ~CpStatProgress() override;

    void begin(const QString& label, int maximum) override;
    void step(int value) override;
    void end() override;

  private:
    std::unique_ptr<CreatingPuzzleWindow> window_;
};
