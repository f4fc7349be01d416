#pragma once

#include "core/generator.h"

#include <QElapsedTimer>
#include <QPointer>

#include <functional>

class CreatingPuzzleWindow;
class Dialogs;

// Drives the "Creating Puzzle" window for buildPuzzle: progress bar, failed-cycle counter, Stop
// button, the wait question through Dialogs; the board's part comes in as two callbacks.
class CreatingPuzzleUi : public GeneratorUi {
  public:
    CreatingPuzzleUi(CreatingPuzzleWindow& window, Dialogs& dialogs,
                     std::function<void()> onWordListReady,
                     std::function<void()> onHideStrikeLines);

    void setProgressMaximum(int max) override;
    void setProgress(int value) override;
    void wordListReady() override;
    void pumpEvents() override;
    int addFailedCycle() override;
    bool askWait() override;
    bool stopRequested() override;
    void hideStrikeLines() override;

  private:
    static constexpr qint64 kPumpGapNs = 1'000'000;

    QPointer<CreatingPuzzleWindow> window_;  // guards against the window going away mid-run
    Dialogs& dialogs_;
    std::function<void()> onWordListReady_;
    std::function<void()> onHideStrikeLines_;
    QElapsedTimer lastPump_;
};

// The box shown when buildPuzzle gives up: "Could not generate puzzle!", "Puzzle Error".
void showGenerationFailure(Dialogs& dialogs);
