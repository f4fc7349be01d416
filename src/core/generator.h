#pragma once

#include "core/game_state.h"
#include "core/grid_shape.h"
#include "core/puzzle.h"

#include <QChar>
#include <QString>

#include <array>
#include <chrono>
#include <optional>
#include <vector>

class RandomSource;
struct ThemeContents;

// Boxes shown around puzzle generation; the window layer shows them, tests compare with them.
namespace generator_messages {
// Yes/No, information icon: asked once, when the ninth generation cycle has failed.
inline constexpr char kWaitText[] =
    "Due to the size of the words in this puzzle, QRW is having difficulty generating a puzzle. "
    "Do you want wait?";
inline constexpr char kWaitTitle[] = "Puzzle Generation";
// OK, exclamation icon: shown by the caller whenever buildPuzzle gives up.
inline constexpr char kFailureText[] = "Could not generate puzzle!";
inline constexpr char kFailureTitle[] = "Puzzle Error";
}  // namespace generator_messages

// How generation reports its progress and learns that the player wants it to stop. The
// window behind it decides when to let the player act; generation itself never runs events.
class GenerationProgress {
  public:
    virtual ~GenerationProgress() = default;
    virtual void setProgressMaximum(int max) = 0;  // the number of words
    virtual void setProgress(int value) = 0;       // before word `value` is placed
    // Counts one more failed cycle and returns the new number (the count starts at 1, so the
    // first failed cycle returns 2).
    virtual int addFailedCycle() = 0;
    virtual bool askWait() = 0;  // the "Puzzle Generation" question; true = Yes
    // Asked before every word and now and then during a long search.
    virtual bool stopRequested() = 0;
};

namespace generator {

using grid::kCells;
using grid::kColumns;
using grid::kRows;
// attemptCount starts each cycle at 1 and the cycle fails when it reaches this.
constexpr int kAttemptLimit = 1500;
// The failed-cycle count at which the player is asked whether to wait.
constexpr int kWaitQuestionCount = 10;
// Time the complete placer gets after the first failed cycle to find a puzzle or prove there is
// none; zero leaves the question to the random generator alone.
constexpr std::chrono::milliseconds kPlacerBudget{1000};

// Direction codes 1..8 clockwise from left-to-right; code 7 (bottom to top) is never drawn.
struct Direction {
    int cellStep;    // index difference between consecutive letters
    int columnStep;  // -1, 0, +1
    int rowStep;     // -1, 0, +1
};
Direction direction(int code);  // code 1..8
// Whether a word may run in direction `code` at `level`.
bool allowed(Level level, int code);

// The placement arithmetic's view of cell p: col = p mod 20, so column 20 reads as col 0 and
// its row comes out one too big; the tests below reject such starts.
struct CellPosition {
    int col;
    int row;
};
CellPosition cellPosition(int p);

// Row-and-column test: a word of `length` letters from (col, row) stays inside the grid.
bool passesTestA(int code, int length, int col, int row);
// Index test: the start index p and the last index (and its horizontal and vertical parts)
// stay inside 1..360, and the start is not a column-20 cell seen as col 0.
bool passesTestB(int code, int length, int p, int col);

struct Placement {
    int code = 0;          // direction
    int first = 0;         // cell of the first letter
    int last = 0;          // cell of the last letter
    int crossingCell = 0;  // the shared cell of a crossing placement, 0 for a free one
};

// The letters placed so far, with `used` as the record of used cells.
class PlacementGrid {
  public:
    explicit PlacementGrid(std::array<bool, GameState::kCells + 1>& used);

    void clear();  // no letters, no used cells
    // One placement attempt for word `slot` (1-based, sorted order) at `level`: reseeds, draws
    // direction, start and mode, and on success writes the letters and returns the placement.
    std::optional<Placement> attempt(const QString& word, int slot, Level level,
                                     RandomSource& random);
    QChar letter(int cell) const { return letters_[cell]; }  // null when empty
    // Writes a placement found elsewhere, as a successful attempt would have.
    void place(const QString& word, const Placement& placement);

  private:
    struct Start {
        int cell;
        int col;
        int row;
        int crossingCell;  // 0 for a free placement
    };
    // Draws the crossing letter and cell and steps back to the word's start; nullopt when the
    // drawn crossing cannot work.
    std::optional<Start> crossingStart(const QString& word, const Direction& dir,
                                       RandomSource& random) const;
    bool fits(const QString& word, int start, int step, int crossingCell) const;
    void setLetter(int cell, QChar letter);

    std::array<QChar, GameState::kCells + 1> letters_{};
    // The cells holding each letter, in index order, so that drawing a crossing cell needs no
    // scan of the grid. Entries stay allocated across clear() and are only emptied.
    struct LetterCells {
        QChar letter;
        std::vector<short> cells;
    };
    std::vector<LetterCells> byLetter_;
    std::array<bool, GameState::kCells + 1>& used_;
};

}  // namespace generator

enum class GenerationFailure {
    Unreadable,  // the theme gave no words to hide
    Impossible,  // the words can be proven not to fit
    GaveUp,      // the wait question was answered No
    Stopped,     // the player pressed Stop
};

struct GenerationResult {
    std::optional<Puzzle> puzzle;
    GenerationFailure failure = GenerationFailure::Unreadable;  // when there is no puzzle
    int attempts = 0;  // random placement attempts, every cycle together
};

// The theme's words, upper case and with their questions, in list order; nullopt for a theme
// with no words, more than 20, or an empty word (which could never be found).
std::optional<std::vector<PuzzleWord>> wordsToHide(const ThemeContents& theme);

// Hides the words (in list order) in the grid at `level` and fills the rest with random
// letters (re-drawn where they would spell a list word a second time). When the first cycle has
// failed, the complete placer gets `placerBudget`: a puzzle it finds is played without the wait
// question, a proof that none exists gives up at once; otherwise the cycles go on and the ninth
// failed one asks.
GenerationResult generatePuzzle(const std::vector<PuzzleWord>& words, Level level,
                                GenerationProgress& progress, RandomSource& random,
                                std::chrono::milliseconds placerBudget = generator::kPlacerBudget);
