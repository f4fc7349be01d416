#include "core/generator.h"

#include "core/complete_placer.h"
#include "core/filler_copies.h"
#include "core/random_source.h"
#include "core/theme_file.h"

#include <algorithm>
#include <utility>

namespace generator {

namespace {
constexpr std::array<Direction, 9> kDirections{{
    {0, 0, 0},                // unused
    {1, 1, 0},                // 1 left to right
    {kColumns + 1, 1, 1},     // 2 down and right
    {kColumns, 0, 1},         // 3 top to bottom
    {kColumns - 1, -1, 1},    // 4 down and left
    {-1, -1, 0},              // 5 right to left
    {-kColumns - 1, -1, -1},  // 6 up and left
    {-kColumns, 0, -1},       // 7 bottom to top
    {-kColumns + 1, 1, -1},   // 8 up and right
}};
}  // namespace

Direction direction(int code) {
    return kDirections[code];
}

bool allowed(int level, int code) {
    switch (level) {
        case 1:
            return code == 1 || code == 3;
        case 2:
            return code == 1 || code == 3 || code == 5;
        case 3:
            return code == 1 || code == 2 || code == 3 || code == 5 || code == 8;
        default:
            return code != 7;
    }
}

CellPosition cellPosition(int p) {
    const int col = p % kColumns;
    return {col, (p - col) / kColumns};
}

bool passesTestA(int code, int length, int col, int row) {
    const Direction dir = direction(code);
    const int span = length - 1;
    if (dir.columnStep > 0 && col + span > kColumns) return false;
    if (dir.columnStep < 0 && col - span < 1) return false;
    if (dir.rowStep > 0 && row + span > kRows - 1) return false;
    if (dir.rowStep < 0 && row - span < 0) return false;
    return true;
}

bool passesTestB(int code, int length, int p, int col) {
    if (col == 0 || p < 0 || p > kCells) return false;
    const Direction dir = direction(code);
    const int span = length - 1;
    if (dir.columnStep > 0 && p + span > kCells) return false;
    if (dir.columnStep < 0 && p - span < 1) return false;
    if (dir.rowStep > 0 && p + span * kColumns > kCells) return false;
    if (dir.rowStep < 0 && p - span * kColumns < 1) return false;
    return true;
}

PlacementGrid::PlacementGrid(std::array<bool, GameState::kCells + 1>& used) : used_(used) {}

void PlacementGrid::clear() {
    letters_.fill(QChar());
    used_.fill(false);
    for (LetterCells& entry : byLetter_) entry.cells.clear();
}

std::optional<Placement> PlacementGrid::attempt(const QString& word, int slot, int level,
                                                RandomSource& random) {
    if (word.isEmpty()) return std::nullopt;
    random.reseed();
    const int code = random.drawInt(8);
    if (code == 7 || !allowed(level, code)) return std::nullopt;
    const Direction dir = direction(code);
    const int length = static_cast<int>(word.size());

    const int p = random.drawInt(kCells);
    const CellPosition pos = cellPosition(p);
    if (!passesTestA(code, length, pos.col, pos.row)) return std::nullopt;
    Start start{p, pos.col, pos.row, 0};

    // Two draws in three try to cross an earlier word; the first word never crosses.
    const bool crossing = random.drawInt(3) != 1;
    if (crossing) {
        if (slot == 1) return std::nullopt;
        const auto crossed = crossingStart(word, dir, random);
        if (!crossed) return std::nullopt;
        start = *crossed;
    }

    if (!passesTestA(code, length, start.col, start.row) ||
        !passesTestB(code, length, start.cell, start.col) ||
        !fits(word, start.cell, dir.cellStep, start.crossingCell)) {
        return std::nullopt;
    }

    for (int j = 0; j < length; ++j) {
        const int cell = start.cell + j * dir.cellStep;
        if (cell != start.crossingCell) setLetter(cell, word[j]);
        used_[cell] = true;
    }
    return Placement{code, start.cell, start.cell + (length - 1) * dir.cellStep,
                     start.crossingCell};
}

std::optional<PlacementGrid::Start> PlacementGrid::crossingStart(const QString& word,
                                                                 const Direction& dir,
                                                                 RandomSource& random) const {
    const int length = static_cast<int>(word.size());
    const int k = random.drawInt(length);
    const QChar letter = word[k - 1];

    const auto entry = std::find_if(byLetter_.begin(), byLetter_.end(),
                                    [letter](const LetterCells& e) { return e.letter == letter; });
    if (entry == byLetter_.end() || entry->cells.empty()) return std::nullopt;
    const int count = static_cast<int>(entry->cells.size());
    const int crossingCell = entry->cells[random.drawInt(count) - 1];

    const CellPosition at = cellPosition(crossingCell);
    const int col = at.col - (k - 1) * dir.columnStep;
    const int row = at.row - (k - 1) * dir.rowStep;
    if (col < 1 || col > kColumns) return std::nullopt;
    return Start{kColumns * row + col, col, row, crossingCell};
}

void PlacementGrid::setLetter(int cell, QChar letter) {
    letters_[cell] = letter;
    auto entry = std::find_if(byLetter_.begin(), byLetter_.end(),
                              [letter](const LetterCells& e) { return e.letter == letter; });
    if (entry == byLetter_.end()) entry = byLetter_.insert(byLetter_.end(), {letter, {}});
    auto& cells = entry->cells;
    cells.insert(std::upper_bound(cells.begin(), cells.end(), cell), static_cast<short>(cell));
}

void PlacementGrid::place(const QString& word, const Placement& placement) {
    const int step = direction(placement.code).cellStep;
    for (int j = 0; j < word.size(); ++j) {
        const int cell = placement.first + j * step;
        if (!used_[cell]) setLetter(cell, word[j]);
        used_[cell] = true;
    }
}

bool PlacementGrid::fits(const QString& word, int start, int step, int crossingCell) const {
    for (int j = 0; j < word.size(); ++j) {
        const int cell = start + j * step;
        if (cell == crossingCell) {
            if (letters_[cell] != word[j]) return false;
        } else if (used_[cell]) {
            return false;
        }
    }
    return true;
}

}  // namespace generator

namespace {

using generator::PlacementGrid;
using generator::PlacerVerdict;

enum class CycleOutcome { Placed, Failed, Abandoned };

// How often the complete placer lets window events run: once per displayed frame.
constexpr std::chrono::milliseconds kPumpInterval{16};
// The failed-cycle count the window shows after the first failed cycle. A theme whose first
// cycle fails goes to the complete placer at once: when random cycles fail once they mostly
// go on failing, and the placer finds a board or proves there is none far sooner.
constexpr int kFirstFailedCount = 2;

class Generation {
  public:
    Generation(GameState& state, const QString& themePath, GeneratorUi& ui, RandomSource& random,
               std::chrono::milliseconds placerBudget)
        : state_(state),
          themePath_(themePath),
          ui_(ui),
          random_(random),
          placerBudget_(placerBudget),
          grid_(state.cellUsed) {}

    std::optional<GeneratedPuzzle> run();

  private:
    CycleOutcome runCycle();
    bool readWords();
    void sortWords();
    bool placeWord(int slot);
    PlacerVerdict runCompletePlacer();
    GeneratedPuzzle finish();

    GameState& state_;
    const QString& themePath_;
    GeneratorUi& ui_;
    RandomSource& random_;
    std::chrono::milliseconds placerBudget_;
    PlacementGrid grid_;
    std::array<generator::Placement, GameState::kMaxWords + 1> placements_{};
};

std::optional<GeneratedPuzzle> Generation::run() {
    state_.puzzleRevealed = false;
    bool keepWaiting = true;
    for (;;) {
        const CycleOutcome outcome = runCycle();
        if (outcome == CycleOutcome::Placed) return finish();
        if (outcome == CycleOutcome::Abandoned) break;

        const int failedShown = ui_.addFailedCycle();
        ui_.pumpEvents();
        if (ui_.stopRequested()) break;
        if (failedShown == kFirstFailedCount) {
            const PlacerVerdict verdict = runCompletePlacer();
            if (verdict == PlacerVerdict::Found) return finish();
            if (verdict == PlacerVerdict::Impossible || ui_.stopRequested()) break;
        }
        if (failedShown == generator::kWaitQuestionCount) keepWaiting = ui_.askWait();
        if (failedShown >= generator::kWaitQuestionCount && !keepWaiting) break;
    }
    state_.gameInProgress = false;
    return std::nullopt;
}

CycleOutcome Generation::runCycle() {
    grid_.clear();
    random_.reseed();
    state_.attemptCount = 1;
    ui_.hideStrikeLines();
    for (int i = 1; i <= GameState::kMaxWords; ++i) state_.wordList[i].clear();

    if (!readWords()) return CycleOutcome::Abandoned;
    sortWords();
    ui_.wordListReady();
    placements_ = {};

    for (int slot = 1; slot <= state_.wordCount; ++slot) {
        ui_.setProgress(slot);
        ui_.pumpEvents();
        if (ui_.stopRequested()) return CycleOutcome::Abandoned;
        if (!placeWord(slot)) return CycleOutcome::Failed;
    }
    return CycleOutcome::Placed;
}

// A theme whose count promises more words than it holds would leave empty words on the board
// that can never be found, so it is refused like any other malformed theme.
bool Generation::readWords() {
    const std::optional<ThemeContents> theme = readTheme(themePath_);
    if (!theme || theme->wordCount < 1 || theme->wordCount > GameState::kMaxWords) return false;
    for (int i = 1; i <= theme->wordCount; ++i) {
        if (theme->words[i].isEmpty()) return false;
    }
    state_.wordCount = theme->wordCount;
    ui_.setProgressMaximum(state_.wordCount);
    for (int i = 1; i <= state_.wordCount; ++i) {
        state_.wordList[i] = theme->words[i];
        if (theme->hasQuestions) state_.questionList[i] = theme->questions[i];
    }
    return true;
}

// Bubble sort, so equal words keep their order; each question moves with its word.
void Generation::sortWords() {
    const int count = state_.wordCount;
    for (int pass = 1; pass <= count; ++pass) {
        for (int j = 1; j < count; ++j) {
            if (state_.wordList[j] > state_.wordList[j + 1]) {
                std::swap(state_.wordList[j], state_.wordList[j + 1]);
                std::swap(state_.questionList[j], state_.questionList[j + 1]);
            }
        }
    }
}

// Attempts count against the whole cycle, not the word.
bool Generation::placeWord(int slot) {
    for (;;) {
        if (++state_.attemptCount >= generator::kAttemptLimit) return false;
        const auto placement = grid_.attempt(state_.wordList[slot], slot, state_.level, random_);
        if (placement) {
            placements_[slot] = *placement;
            state_.wordCells[slot] = {0, placement->first, placement->last};
            return true;
        }
    }
}

// The words of the failed cycle are still read and sorted; a puzzle found here replaces
// whatever that cycle had placed.
PlacerVerdict Generation::runCompletePlacer() {
    if (placerBudget_ <= std::chrono::milliseconds::zero()) return PlacerVerdict::Undecided;
    const std::vector<QString> words(state_.wordList.begin() + 1,
                                     state_.wordList.begin() + 1 + state_.wordCount);
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    Clock::time_point lastPump = start;
    const auto keepGoing = [&] {
        const Clock::time_point now = Clock::now();
        if (now - lastPump >= kPumpInterval) {
            ui_.pumpEvents();
            lastPump = now;
            if (ui_.stopRequested()) return false;
        }
        return now - start < placerBudget_;
    };
    const generator::PlacerResult result =
        generator::placeAllWords(words, state_.level, {}, random_, keepGoing);
    if (result.verdict != PlacerVerdict::Found) return result.verdict;

    grid_.clear();
    placements_ = {};
    for (int slot = 1; slot <= state_.wordCount; ++slot) {
        const generator::Placement& placement = result.placements[slot - 1];
        grid_.place(state_.wordList[slot], placement);
        placements_[slot] = placement;
        state_.wordCells[slot] = {0, placement.first, placement.last};
    }
    ui_.setProgress(state_.wordCount);
    return PlacerVerdict::Found;
}

GeneratedPuzzle Generation::finish() {
    // Cells showing the same letter share one string instead of allocating 360.
    std::array<QString, 256> shared;
    const auto caption = [&shared](QChar letter) {
        if (letter.unicode() >= shared.size()) return QString(letter);
        QString& text = shared[letter.unicode()];
        if (text.isNull()) text = QString(letter);
        return text;
    };
    GridLetters letters;
    for (int cell = 1; cell <= generator::kCells; ++cell) {
        letters[cell] =
            state_.cellUsed[cell] ? grid_.letter(cell) : QChar(64 + random_.drawInt(26));
    }
    const std::vector<QString> words(state_.wordList.begin() + 1,
                                     state_.wordList.begin() + 1 + state_.wordCount);
    redrawFillerCopies(letters, state_.cellUsed, words, random_);
    GeneratedPuzzle puzzle;
    for (int cell = 1; cell <= generator::kCells; ++cell)
        puzzle.cells[cell] = caption(letters[cell]);
    puzzle.placements = placements_;
    return puzzle;
}

}  // namespace

std::optional<GeneratedPuzzle> buildPuzzle(GameState& state, const QString& themePath,
                                           GeneratorUi& ui, RandomSource& random,
                                           std::chrono::milliseconds placerBudget) {
    return Generation(state, themePath, ui, random, placerBudget).run();
}
