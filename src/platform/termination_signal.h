#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM (a desktop logging out, a system shutting down) turned into a Qt signal on the window
// thread, so the program can keep what needs keeping before it ends. One per program.
class TerminationSignal : public QObject {
    Q_OBJECT
  public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

  signals:
    void received();

  private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
};
