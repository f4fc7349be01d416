#pragma once

#include "core/game_vocabulary.h"

#include <QWidget>

#include <array>

struct Services;
class GameSession;
class QLabel;

// The reveal-word dialog rev_word: one row per word slot; picking an enabled row reports its slot
// through wordChosen, and whoever opened the dialog acts on it. A repeating tune plays while it
// is open.
class RevealWordDialog : public QWidget {
    Q_OBJECT
  public:
    RevealWordDialog(Services& services, const GameSession& session, QWidget* parent = nullptr);

    QLabel* row(int i) const { return rows_.at(i); }  // rw_list, rows 1..kMaxWords

    // A click on a row of the list, and the Cancel button; public so tests can drive them.
    void chooseRow(int index);
    void cancel();

  signals:
    void wordChosen(int slot);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Services& services_;
    std::array<QLabel*, kMaxWords + 1> rows_{};
};
