#pragma once

#include <QWidget>

#include <array>

struct Services;
class QLabel;
class QTimer;

// The window fast_times: the ten fastest Speed Challenge times on a black table, the top row
// blinking red. Shown by the caller with showOwnedWindow().
class FastTimesWindow : public QWidget {
    Q_OBJECT
  public:
    explicit FastTimesWindow(Services& services, QWidget* parent = nullptr);

    // Timer1, every 460 ms: row 1 between pure red and its normal colours.
    void blinkTick();
    // "Reset Scores to Default", after asking.
    void resetScores();
    // "Visit Our Webpage".
    void visitWebpage();

    static constexpr int kBlinkIntervalMs = 460;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    struct Row {
        QLabel* name;
        QLabel* time;
        QLabel* puzzle;
    };

    void buildControls();
    // Reads the table into the labels and plays the window's tune.
    void load();
    void setRowOneColours(bool red);
    void centreOnScreen();

    Services& services_;
    std::array<Row, 10> rows_{};
    QLabel* webpage_ = nullptr;
    QTimer* blinkTimer_ = nullptr;
};
