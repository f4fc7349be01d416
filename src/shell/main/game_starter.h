#pragma once

#include <QPointer>

class BoardWindow;
class CreatingPuzzleWindow;
class QMdiSubWindow;
class QWidget;
class RandomSource;
class StatusStrip;
struct Services;

// Starts the game the new-game dialog set up: shows "Creating Puzzle", runs the generator
// with the word list laid out on the board in every cycle, and on success prepares the board
// and the main window for play. On failure the board stays hidden. The menus and the game clock
// follow the game's phase, which the main window keeps.
class GameStarter {
  public:
    // The parts of the main window a new game touches.
    struct View {
        BoardWindow& board;
        QMdiSubWindow& boardFrame;
        StatusStrip& strip;
        QWidget* progressParent;  // owner of the "Creating Puzzle" window
    };

    GameStarter(Services& services, RandomSource& random, View view);

    // True when the game is on the board.
    bool start();

  private:
    void layOutWordList();
    void hideStrikeLines();
    void finish();  // board preparation after the grid is complete

    Services& services_;
    RandomSource& random_;
    View view_;
};
