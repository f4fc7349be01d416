#pragma once

#include <QWidget>

class MediaControl;
class QProgressBar;
class QTimer;
struct Services;

// The splash window start_up: fills its bar while the start-up tune plays, then reports
// finished() so the main window can open. With sound off it finishes as soon as the bar is
// full; with sound on it waits for the tune's Done - but never longer than the safety timeout.
class SplashWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kStartDelayMs = 500;
    static constexpr int kBarMaximum = 4000;
    static constexpr int kBarStep = 1000;
    static constexpr int kSafetyTimeoutMs = 15000;

    // `media` is the splash's own media control (not the board's).
    SplashWindow(Services& services, MediaControl& media, QWidget* parent = nullptr);
    ~SplashWindow() override;

    // The start delay's handler: bar to 1, SOUND into soundOn, the tune, the bar to 4000, then
    // finish or wait for Done. Runs once however often it is triggered.
    void runSequence();
    bool waitingForDone() const { return waitingForDone_; }
    bool isFinished() const { return finished_; }
    QProgressBar* progressBar() const { return progressBar_; }
    QTimer* safetyTimer() const { return safetyTimer_; }

  signals:
    void finished();  // the splash has closed; show the main window

  private:
    void onDone();
    void finish();

    Services& services_;
    MediaControl& media_;
    QProgressBar* progressBar_;
    QTimer* startDelay_;
    QTimer* safetyTimer_;
    bool started_ = false;
    bool doneReported_ = false;
    bool waitingForDone_ = false;
    bool finished_ = false;
};
