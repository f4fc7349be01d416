#pragma once

#include "core/generator.h"

// No window: progress is dropped, the failed cycles are counted as the window would count them
// and the wait question is noted and answered Yes.
class NullGeneratorUi : public GenerationProgress {
  public:
    void setProgressMaximum(int) override {}
    void setProgress(int) override {}
    int addFailedCycle() override { return ++failedShown; }
    bool askWait() override {
        asked = true;
        return true;
    }
    bool stopRequested() override { return false; }

    int failedShown = 1;  // the window's counter starts at "1"
    bool asked = false;
};
