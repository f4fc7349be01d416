#pragma once

#include "core/game_vocabulary.h"

#include <QWidget>

struct Services;
class GameSession;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The reveal-word dialog rev_word: a list with one row per word slot; picking a row of a word
// not yet struck reports its slot through wordChosen, and whoever opened the dialog acts on it.
// The list is one control: the arrows move along it, Enter, Space or a click picks. It opens
// with the focus on Cancel, so a stray Enter reveals nothing. A repeating tune plays while it
// is open.
class RevealWordDialog : public QWidget {
    Q_OBJECT
  public:
    RevealWordDialog(Services& services, const GameSession& session, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }  // rw_list
    QListWidgetItem* row(int i) const;           // rows 1..wordCount, nullptr beyond
    bool pickable(int i) const;                  // a word not yet struck
    QPushButton* cancelButton() const { return cancelButton_; }

    // A pick of a row of the list, and the Cancel button; public so tests can drive them.
    void chooseRow(int index);
    void cancel();

  signals:
    void wordChosen(int slot);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Services& services_;
    QListWidget* list_;
    QPushButton* cancelButton_;
};
