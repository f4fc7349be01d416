#pragma once

#include "core/game_session.h"

#include <QObject>

class BoardWindow;
class QTimer;
struct Services;

// Plays the game on the board: hands the board's presses and moves to the session, shows the
// result, and carries out what the session decides - the sounds, the "Word already found!"
// box, the count of completed games, and the flash and completion timers.
class BoardPlay : public QObject {
    Q_OBJECT
  public:
    BoardPlay(Services& services, GameSession& session, BoardWindow& board,
              QObject* parent = nullptr);

    GameSession& session() { return session_; }
    BoardWindow& board() { return board_; }
    // Draws the session on the board again after a change made elsewhere.
    void refresh();

    // What follows a strike, whatever made it: the strike sound, then the flash of the word
    // or the end of the puzzle.
    void afterStrike(StrikeOutcome outcome);
    // end_of_puzzle: the flash hands over to the completion sequence once pending events ran.
    void endOfPuzzle();

    // Timer handlers, public so tests can step them without waiting.
    void flashTick();       // hl_flash, 100 ms
    void flashCheckTick();  // hl_flash_check, 750 ms after a strike
    void completionTick();  // puzzle_complete, 10 ms
    bool flashRunning() const;
    bool flashCheckRunning() const;
    bool completionRunning() const;
    // Once a game has ended or been dropped no tick of it may reach the next game.
    void stopTimers();

  signals:
    void wordFoundByHand();  // Puzzle Information goes off at the first
    void gameEnded();        // end_of_puzzle: reveal entries off, game clock stopped
    void completionReady();  // completion sequence done: hide title_img, open end_puzzle

  private:
    void onCellPressed(int cell, PressButton button);
    void onPointerOver(int cell);
    void onLeftReleased(int cell);
    // A press or a drag's release has been evaluated.
    void carryOut(PressOutcome outcome);
    void startFlash();

    Services& services_;
    GameSession& session_;
    BoardWindow& board_;
    QTimer* flash_;
    QTimer* flashCheck_;
    QTimer* completion_;
    int dragFrom_ = 0;  // the cell whose press opened the selection, while the button is down
};
