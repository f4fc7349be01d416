#pragma once

#include "newgame/new_game_form.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

// The new-game dialog new_puzzle ("Quarrow : New Game"). Every rule is NewGameForm's; the
// dialog forwards clicks to it and shows the result. Open it with showOwnedWindow().
class NewPuzzleDialog : public QWidget {
    Q_OBJECT
  public:
    explicit NewPuzzleDialog(Services& services, QWidget* parent = nullptr);

    const NewGameForm& form() const { return form_; }

  signals:
    // The choices are in the game state and the dialog has closed: show "Creating Puzzle" and
    // run the generator.
    void startGameRequested();
    // Closed without starting (Cancel or the close box); the board stays hidden.
    void cancelled();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildThemeColumn();
    QWidget* buildLevelColumn();
    void startGame();  // Command1_Click
    void refresh();    // shows the form's state without re-running any handler
    void findThemes(const QString& typed);

    NewGameForm form_;
    bool gameStarted_ = false;
    QGroupBox* themeFrame_;
    QListWidget* puzzles_;
    QLineEdit* find_;
    QLabel* gameTitle_;
    QLabel* wordCount_;
    QLabel* themeNote_;
    std::array<QRadioButton*, 4> show_{};    // by display mode number, 1..3
    std::array<QRadioButton*, 5> levels_{};  // by level number, 1..4
    std::array<QLabel*, 5> pictures_{};      // by level number, 1..4, stacked
    QRadioButton* standardGameOption_;
    QRadioButton* timeChallengeOption_;
};
