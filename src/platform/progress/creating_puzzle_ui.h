#pragma once

#include "core/generator.h"

#include <QElapsedTimer>
#include <QPointer>

class CreatingPuzzleWindow;
class Dialogs;

// Shows generation on the "Creating Puzzle" window: progress bar, failed-cycle counter, Stop
// button, the wait question through Dialogs. Window events run once per word and whenever
// generation asks whether to stop, so the window repaints and Stop can be pressed.
class CreatingPuzzleUi : public GenerationProgress {
  public:
    CreatingPuzzleUi(CreatingPuzzleWindow& window, Dialogs& dialogs);

    void setProgressMaximum(int max) override;
    void setProgress(int value) override;
    int addFailedCycle() override;
    bool askWait() override;
    bool stopRequested() override;

  private:
    void pumpEvents();

    static constexpr qint64 kPumpGapNs = 1'000'000;

    QPointer<CreatingPuzzleWindow> window_;  // guards against the window going away mid-run
    Dialogs& dialogs_;
    QElapsedTimer lastPump_;
};

// The box shown when generation gives up: "Could not generate puzzle!", "Puzzle Error".
void showGenerationFailure(Dialogs& dialogs);
