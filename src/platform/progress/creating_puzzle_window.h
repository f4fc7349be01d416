#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The "Creating Puzzle" window cp_stat: a label, the progress bar PB1 and the hidden failed-cycle
// counter attempt_add. While a puzzle is generated it also offers a Stop button, and it takes
// input while the rest of the program takes none, so nothing can start a second game in the
// middle of this one. The font update uses it too, without Stop and without blocking.
class CreatingPuzzleWindow : public QWidget {
    Q_OBJECT
  public:
    enum class Use { PuzzleGeneration, FontUpdate };

    // `parent` owns the window: it stays above it and opens centred over it.
    explicit CreatingPuzzleWindow(Use use, QWidget* parent = nullptr);

    void setLabelText(const QString& text);  // "Creating Puzzle" or "Updating fonts"
    QString labelText() const;
    void setProgressMaximum(int maximum);  // PB1
    void setProgressValue(int value);
    int progressMaximum() const;
    int progressValue() const;

    // attempt_add: one more failed generation cycle; returns the number it now shows.
    int addFailedCycle();
    QString attemptAddText() const;

    bool stopRequested() const { return stopRequested_; }

  public slots:
    void requestStop();  // the Stop button

  protected:
    void showEvent(QShowEvent* event) override;  // opens centred over its owner
    // Closing from the title bar while a puzzle is generated means Stop: the generator ends and
    // its caller closes the window.
    void closeEvent(QCloseEvent* event) override;

  private:
    void releaseBarUpdates();
    qint64 frameInterval() const;  // milliseconds per displayed frame

    Use use_;
    QLabel* caption_;
    QProgressBar* progressBar_;
    QLabel* attemptAdd_;
    QPushButton* stop_ = nullptr;
    bool stopRequested_ = false;
    QTimer* frameTimer_;
};
