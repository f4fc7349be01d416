#pragma once

class BoardPlay;
class GameSession;
class QMdiSubWindow;
class QWidget;
class RandomSource;
class StatusStrip;
struct Services;

// Starts the game the new-game dialog set up: reads the theme, shows "Creating Puzzle" while
// the generator hides the words, and on success puts the board in front of the player. On
// failure the board stays hidden. The menus and the game clock follow the game's phase, which
// the main window applies.
class GameStarter {
  public:
    // The parts of the main window a new game touches.
    struct View {
        BoardPlay& play;
        QMdiSubWindow& boardFrame;
        StatusStrip& strip;
        QWidget* progressParent;  // owner of the "Creating Puzzle" window
    };

    GameStarter(Services& services, RandomSource& random, View view);

    // Generates the board of the session that is generating; true when the game is on the
    // board and in play.
    bool start(GameSession& session);
    // Board preparation for the game in play, new or resumed: the word list's size, the level
    // caption, the Time Challenge mark, the clock, the title, and the board shown in front.
    void prepareBoard();

  private:
    Services& services_;
    RandomSource& random_;
    View view_;
};
