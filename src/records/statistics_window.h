#pragma once

#include <QWidget>

struct Services;
class QLabel;

// The window Statistics: the lifetime counters, re-read every time the window becomes active,
// and their reset. Shown by the caller with showOwnedWindow().
class StatisticsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit StatisticsWindow(Services& services, QWidget* parent = nullptr);

    // Re-reads the counters into the value labels (and rewrites the games-played counter).
    void refresh();
    // "Reset Statistics", after asking.
    void resetStatistics();

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    Services& services_;
    QLabel* played_ = nullptr;
    QLabel* completed_ = nullptr;
    QLabel* revealed_ = nullptr;
    QLabel* percentage_ = nullptr;
    QLabel* revealWord_ = nullptr;
    QLabel* wordsPerGame_ = nullptr;
    QLabel* playing_ = nullptr;
};
