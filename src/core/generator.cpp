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

bool allowed(Level level, int code) {
    const Direction dir = direction(code);
    const auto directions = directionsFor(level);
    return std::find(directions.begin(), directions.end(),
                     WordDirection{dir.columnStep, dir.rowStep}) != directions.end();
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

std::optional<Placement> PlacementGrid::attempt(const QString& word, int slot, Level level,
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

enum class CycleOutcome { Placed, Failed, Stopped };

// How often the complete placer asks whether to stop: once per displayed frame.
constexpr std::chrono::milliseconds kStopCheckInterval{16};
// The failed-cycle count the window shows after the first failed cycle. A theme whose first
// cycle fails goes to the complete placer at once: when random cycles fail once they mostly
// go on failing, and the placer finds a board or proves there is none far sooner.
constexpr int kFirstFailedCount = 2;

class Generation {
  public:
    Generation(const std::vector<PuzzleWord>& words, Level level, GenerationProgress& progress,
               RandomSource& random, std::chrono::milliseconds placerBudget)
        : words_(words),
          level_(level),
          progress_(progress),
          random_(random),
          placerBudget_(placerBudget),
          grid_(used_) {}

    GenerationResult run();
    int attempts() const { return attempts_; }

  private:
    CycleOutcome runCycle();
    bool placeWord(int slot);
    PlacerVerdict runCompletePlacer();
    Puzzle finish();
    int wordCount() const { return static_cast<int>(words_.size()); }
    const QString& word(int slot) const { return words_[slot - 1].word; }

    const std::vector<PuzzleWord>& words_;
    Level level_;
    GenerationProgress& progress_;
    RandomSource& random_;
    std::chrono::milliseconds placerBudget_;
    std::array<bool, GameState::kCells + 1> used_{};
    PlacementGrid grid_;
    int attemptCount_ = 0;
    int attempts_ = 0;
    std::array<generator::Placement, kMaxWords + 1> placements_{};
};

GenerationResult Generation::run() {
    progress_.setProgressMaximum(wordCount());
    bool keepWaiting = true;
    for (;;) {
        const CycleOutcome outcome = runCycle();
        if (outcome == CycleOutcome::Placed) return {finish()};
        if (outcome == CycleOutcome::Stopped) return {std::nullopt, GenerationFailure::Stopped};

        const int failedShown = progress_.addFailedCycle();
        if (progress_.stopRequested()) return {std::nullopt, GenerationFailure::Stopped};
        if (failedShown == kFirstFailedCount) {
            const PlacerVerdict verdict = runCompletePlacer();
            if (verdict == PlacerVerdict::Found) return {finish()};
            if (verdict == PlacerVerdict::Impossible)
                return {std::nullopt, GenerationFailure::Impossible};
            if (progress_.stopRequested()) return {std::nullopt, GenerationFailure::Stopped};
        }
        if (failedShown == generator::kWaitQuestionCount) keepWaiting = progress_.askWait();
        if (failedShown >= generator::kWaitQuestionCount && !keepWaiting)
            return {std::nullopt, GenerationFailure::GaveUp};
    }
}

CycleOutcome Generation::runCycle() {
    grid_.clear();
    random_.reseed();
    attemptCount_ = 1;
    placements_ = {};

    for (int slot = 1; slot <= wordCount(); ++slot) {
        progress_.setProgress(slot);
        if (progress_.stopRequested()) return CycleOutcome::Stopped;
        if (!placeWord(slot)) return CycleOutcome::Failed;
    }
    return CycleOutcome::Placed;
}

// Attempts count against the whole cycle, not the word.
bool Generation::placeWord(int slot) {
    for (;;) {
        if (++attemptCount_ >= generator::kAttemptLimit) return false;
        ++attempts_;
        const auto placement = grid_.attempt(word(slot), slot, level_, random_);
        if (placement) {
            placements_[slot] = *placement;
            return true;
        }
    }
}

// A puzzle found here replaces whatever the failed cycle had placed.
PlacerVerdict Generation::runCompletePlacer() {
    if (placerBudget_ <= std::chrono::milliseconds::zero()) return PlacerVerdict::Undecided;
    std::vector<QString> words;
    for (const PuzzleWord& entry : words_) words.push_back(entry.word);
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    Clock::time_point lastCheck = start;
    const auto keepGoing = [&] {
        const Clock::time_point now = Clock::now();
        if (now - lastCheck >= kStopCheckInterval) {
            lastCheck = now;
            if (progress_.stopRequested()) return false;
        }
        return now - start < placerBudget_;
    };
    const generator::PlacerResult result =
        generator::placeAllWords(words, level_, {}, random_, keepGoing);
    if (result.verdict != PlacerVerdict::Found) return result.verdict;

    grid_.clear();
    placements_ = {};
    for (int slot = 1; slot <= wordCount(); ++slot) {
        const generator::Placement& placement = result.placements[slot - 1];
        grid_.place(word(slot), placement);
        placements_[slot] = placement;
    }
    progress_.setProgress(wordCount());
    return PlacerVerdict::Found;
}

Puzzle Generation::finish() {
    GridLetters letters;
    for (int cell = 1; cell <= generator::kCells; ++cell) {
        letters[cell] = used_[cell] ? grid_.letter(cell) : QChar(64 + random_.drawInt(26));
    }
    std::vector<QString> words;
    for (const PuzzleWord& entry : words_) words.push_back(entry.word);
    redrawFillerCopies(letters, used_, words, random_);
    Puzzle puzzle{letters, words_};
    for (int slot = 1; slot <= wordCount(); ++slot) {
        puzzle.words[slot - 1].first = placements_[slot].first;
        puzzle.words[slot - 1].last = placements_[slot].last;
    }
    return puzzle;
}

}  // namespace

std::optional<std::vector<PuzzleWord>> wordsToHide(const ThemeContents& theme) {
    if (theme.wordCount < 1 || theme.wordCount > kMaxWords) return std::nullopt;
    std::vector<QString> words, questions;
    for (int i = 1; i <= theme.wordCount; ++i) {
        // A theme whose count promises more words than it holds would leave empty words on the
        // board that can never be found.
        if (theme.words[i].isEmpty()) return std::nullopt;
        words.push_back(theme.words[i]);
        questions.push_back(theme.hasQuestions ? theme.questions[i] : QString());
    }
    sortWords(words, questions);
    std::vector<PuzzleWord> entries;
    for (std::size_t i = 0; i < words.size(); ++i) entries.push_back({words[i], questions[i]});
    return entries;
}

GenerationResult generatePuzzle(const std::vector<PuzzleWord>& words, Level level,
                                GenerationProgress& progress, RandomSource& random,
                                std::chrono::milliseconds placerBudget) {
    if (words.empty() || static_cast<int>(words.size()) > kMaxWords) return {};
    Generation generation(words, level, progress, random, placerBudget);
    GenerationResult result = generation.run();
    result.attempts = generation.attempts();
    return result;
}
