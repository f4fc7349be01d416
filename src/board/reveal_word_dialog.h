#pragma once

#include <QWidget>

#include <array>

struct Services;
class BoardWindow;
class QLabel;

// The reveal-word dialog rev_word: one row per word slot; picking an enabled row reports its slot
// through wordChosen, and whoever opened the dialog acts on it. A repeating tune plays while it
// is open.
class RevealWordDialog : public QWidget {
    Q_OBJECT
  public:
    RevealWordDialog(Services& services, BoardWindow& board, QWidget* parent = nullptr);

    QLabel* row(int i) const { return rows_.at(i); }  // rw_list, rows 1..20

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
    BoardWindow& board_;
    std::array<QLabel*, 21> rows_{};
};
