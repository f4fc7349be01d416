#pragma once

#include "core/puzzle.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// One game, from Start Game to the end-of-game dialog, free of widgets: what it was started
// with, the board, which words are struck and how, the open selection, the phase, the clock,
// pause, and the flash and completion sequence as steps the windows' timers run. Windows draw
// it and forward input to it; nothing else records whether a word is found or a game runs.

enum class GamePhase {
    NoGame,      // nothing on the board: before the first game, or after generation failed
    Generating,  // Start Game was pressed; the generator is placing words
    Playing,
    Completing,  // the last word is struck; the end-of-game dialog is not up yet
    Ended,       // the end-of-game dialog is up, or was closed over the finished board
    Abandoned,   // New WordSearch dropped a running game
};

enum class GameCommand {
    NewWordSearch,
    RevealWord,
    RevealPuzzle,
    PuzzleInformation,
    Print,
    Pause,
    ResumeSavedGame,  // given that a saved game exists
};

enum class GameTimer { GameClock, Flash, CompletionSequence };

// What a game was started with; the end of the game reports these, whatever the menus say
// by then.
struct GameSetup {
    QString puzzleFile;  // "data\" + file name
    QString puzzleTitle;
    QString puzzleAuthor;
    Level level = Level::Medium;
    ShowMode showMode = ShowMode::Words;
    bool timeChallenge = false;
};

enum class StrikeKind { Found, Revealed };

// Strike line k marks the k-th word struck; it joins the two cells it was drawn between.
struct Strike {
    int slot = 0;
    StrikeKind kind = StrikeKind::Found;
    int from = 0;
    int to = 0;
};

// The strike lines' drawing modes, with their classic numbers: the mask pen is the marker's
// normal look, the other two are the flash's inverse looks.
enum class LineMode { NotMaskPen = 8, MaskPen = 9, NotXorPen = 10 };

struct Selection {
    int anchor = 0;  // cell of the opening click, 0 when no selection is open
    int end = 0;     // cell the free end is on
    bool open() const { return anchor != 0; }
};

enum class PressButton { Left, Right };

enum class PressOutcome {
    Ignored,       // no game in play, paused, or nothing to do
    Opened,        // a selection opened on the cell
    Cancelled,     // the right button dropped the open selection
    NoMatch,       // the selection joins no word's ends; it stays open
    AlreadyFound,  // it joins the ends of a struck word; it stays open
    Struck,        // a word was struck and flashes
    Completed,     // the last word was struck: the game is over
};

enum class StrikeOutcome { Refused, Flash, Completed };

enum class FlashTick {
    GameOver,  // the game has ended: the completion sequence takes over from the flash
    Toggled,   // the last struck line and entry changed to their other flash state
    Idle,      // nothing struck yet
};

enum class CompletionTick {
    Stepped,   // one more line turned inverse and its entry red; a chime is due
    Finished,  // the board is back to normal colours; the end-of-game window is due
};

class GameSession {
  public:
    static constexpr int kRevealQuota = 5;

    GameSession();

    // ---- Phase
    GamePhase phase() const { return phase_; }
    const GameSetup& setup() const { return setup_; }
    // A game counts as running from Start Game until its last word is struck.
    bool gameInProgress() const;
    bool enabled(GameCommand command) const;
    bool mayRun(GameTimer timer) const;

    // Transitions; each returns false, and changes nothing, when the phase does not allow it.
    bool generationStarted(const GameSetup& setup);
    bool generated(Puzzle puzzle);
    bool generationFailed();
    bool endDialogShown();
    // New WordSearch confirmed: a running game is abandoned, a finished one leaves the board;
    // either way no word stays struck.
    bool newWordSearch();

    // A game in play rebuilt from what was saved of it; nullopt when the parts do not make
    // one (a board whose words are not where it says, a line off its word, a word struck twice,
    // every word struck, a Time Challenge that is not one).
    static std::optional<GameSession> resumed(const GameSetup& setup, Puzzle puzzle,
                                              const std::vector<Strike>& strikes, int clockSeconds);

    // ---- The board
    const Puzzle& puzzle() const { return puzzle_; }
    int wordCount() const { return puzzle_.wordCount(); }
    // What word-list entry `slot` shows: the word, its question (the word where the question
    // is empty), or in the Blanks mode nothing until it is struck. Only a question is a tip.
    QString entryCaption(int slot) const;
    QString entryToolTip(int slot) const;

    // ---- Struck words
    const std::vector<Strike>& strikes() const { return strikes_; }
    int foundCount() const { return static_cast<int>(strikes_.size()); }
    bool struck(int slot) const;
    bool complete() const { return wordCount() > 0 && foundCount() >= wordCount(); }
    int wordsRevealed() const { return wordsRevealed_; }
    bool puzzleRevealed() const { return puzzleRevealed_; }
    bool foundByHand() const;

    // ---- Play. Every way of striking ends in the same step; all of them are ignored unless a
    // game is in play and not paused.
    const Selection& selection() const { return selection_; }
    // A click (or its key) on a cell: the left button opens a selection or, with one open,
    // strikes the word whose ends it joins; the right button drops the selection.
    PressOutcome press(int cell, PressButton button);
    // The pointer or cursor is over `cell`: an open selection's free end follows. True when
    // the selection changed.
    bool moveTo(int cell);
    // A drag released on `cell`: evaluated like a second click, but a drag that strikes
    // nothing is over, so its selection is dropped.
    PressOutcome dragTo(int cell);
    bool mayRevealWord() const { return wordsRevealed_ < kRevealQuota; }
    // Reveal Word's pick: the line laid first to last letter. An open selection's line is
    // taken over (the selection closes).
    StrikeOutcome revealWord(int slot);
    // Every word struck, lines laid first to last letter in list order; the game is over.
    bool revealPuzzle();

    // ---- Clock and pause
    int clockSeconds() const { return clockSeconds_; }
    // One second of the game clock; true when it counted (a running Time Challenge, not
    // paused).
    bool tick();
    bool paused() const { return paused_; }
    bool setPaused(bool paused);  // only while a game is in play

    // ---- The flash of a struck word and the completion sequence
    int lastLine() const { return lastLine_; }
    int lastWord() const { return lastWord_; }
    LineMode lineMode(int line) const { return lineModes_[line]; }
    bool entryRed(int slot) const { return entryRed_[slot]; }
    // One 100 ms tick: mode 8 + black, then mode 10 + red, alternating.
    FlashTick flashTick();
    // The flash is over: line lastLine back to the mask pen, entry lastWord black.
    void settleFlash();
    // The completion sequence stops a flash still running: the last word's line normal.
    void flashHandedOver();
    // Turns the first line still in the mask pen inverse and the entry with the same number
    // red; once the last word's line is inverse, every line and entry returns to normal.
    CompletionTick completionTick();

  private:
    bool move(GamePhase from, GamePhase to);
    bool inPlay() const { return phase_ == GamePhase::Playing && !paused_; }
    // The one place a word becomes struck.
    StrikeOutcome strike(int slot, StrikeKind kind, int from, int to);
    PressOutcome evaluateSelection(int cell);
    void clearPlay();

    GamePhase phase_ = GamePhase::NoGame;
    GameSetup setup_;
    Puzzle puzzle_;
    std::vector<Strike> strikes_;
    Selection selection_;
    int wordsRevealed_ = 0;
    bool puzzleRevealed_ = false;
    int clockSeconds_ = 0;
    bool paused_ = false;
    int lastLine_ = 0;
    int lastWord_ = 0;
    std::array<LineMode, kMaxWords + 1> lineModes_{};
    std::array<bool, kMaxWords + 1> entryRed_{};
};
