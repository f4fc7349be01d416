#pragma once

#include <QString>

// The life of one game as the main window sees it, free of widgets. The windows tell it what
// happened; it answers which game commands are available and which timers may run, so that a
// command can never act on a game that is not on the board.
enum class GamePhase {
    NoGame,      // nothing on the board: before the first game, or after generation failed
    Generating,  // Start Game was pressed; the generator is placing words
    Playing,
    Completing,  // the last word is struck; the end-of-game dialog is not up yet
    Ended,       // the end-of-game dialog is up, or was closed over the finished board
    Abandoned,   // New WordSearch dropped a running game
};

enum class GameCommand { NewWordSearch, RevealWord, RevealPuzzle, PuzzleInformation, Print };

enum class GameTimer { GameClock, Flash, CompletionSequence };

// What a game was started with; the end of the game reports these, whatever the menus say
// by then.
struct GameSetup {
    QString puzzleFile;
    QString puzzleTitle;
    int level = 0;
    int showMode = 0;
    bool timeChallenge = false;
};

class GameLife {
  public:
    GamePhase phase() const { return phase_; }
    const GameSetup& setup() const { return setup_; }
    // A game counts as running from Start Game until its last word is struck.
    bool gameInProgress() const;

    bool enabled(GameCommand command) const;
    bool mayRun(GameTimer timer) const;

    // Transitions. Each returns false, and changes nothing, when the current phase does not
    // allow it.
    bool generationStarted(const GameSetup& setup);
    bool generated();
    bool generationFailed();
    bool wordFoundByHand();  // only the first of a game matters: Puzzle Information goes off
    bool lastWordStruck();
    bool endDialogShown();
    // New WordSearch confirmed: a running game is abandoned, a finished one leaves the board.
    bool newWordSearch();

  private:
    // The transition from `from` to `to`; refused from any other phase.
    bool move(GamePhase from, GamePhase to);

    GamePhase phase_ = GamePhase::NoGame;
    GameSetup setup_;
    bool foundByHand_ = false;
};
