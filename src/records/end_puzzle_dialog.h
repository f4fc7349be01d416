#pragma once

#include "records/end_of_game.h"

#include <QWidget>

struct Services;
class QLabel;

// The end-of-game dialog end_puzzle. Constructing it runs the whole evaluation at once - the
// game is counted, the verdict and closing tune chosen and, in a Speed Challenge that beats the
// tenth fastest time, the player's name asked for and stored - so any name prompt comes before
// the dialog is shown. The caller then shows it with showOwnedWindow().
class EndPuzzleDialog : public QWidget {
    Q_OBJECT
  public:
    // `positionReference` is the main window the dialog is centred over (the screen when null).
    EndPuzzleDialog(Services& services, const FinishedGame& game, QWidget* positionReference,
                    QWidget* parent = nullptr);

    const EndOfGameResult& result() const { return result_; }

    // "View Fastest Times": silences the closing tune and asks for the fastest-times window;
    // this dialog stays open.
    void viewFastestTimes();

  signals:
    void viewFastestTimesRequested();
    void closed();  // by any route; the board is shown again

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls(const FinishedGame& game);
    void showResult();
    void positionOver(const QWidget* reference);

    Services& services_;
    EndOfGameResult result_;
    QLabel* finishTime_ = nullptr;
    QLabel* verdictLabel_ = nullptr;
};
