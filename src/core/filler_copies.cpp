#include "core/filler_copies.h"

#include "core/grid_shape.h"
#include "core/random_source.h"

#include <cstdint>

namespace {

using grid::kColumns;
using grid::kRows;
// Far more re-draws than any real list needs; only a list such as every single letter of the
// alphabet could use them up.
constexpr int kRedrawLimit = 20 * GameState::kCells;

struct Step {
    int col;
    int row;
};
constexpr std::array<Step, 8> kSteps{
    {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}}};

class CopyFinder {
  public:
    CopyFinder(GridLetters& letters, const std::array<bool, GameState::kCells + 1>& placed,
               const std::vector<QString>& words)
        : letters_(letters), placed_(placed) {
        // Words grouped by their first letter (counting sort), so each cell tries only the
        // words that start with its letter.
        for (const QString& word : words) {
            if (!word.isEmpty()) ++groupStart_[bucket(word[0]) + 1];
        }
        for (std::size_t b = 1; b < groupStart_.size(); ++b) groupStart_[b] += groupStart_[b - 1];
        sorted_.resize(static_cast<std::size_t>(groupStart_.back()));
        std::array<int, 257> next = groupStart_;
        for (const QString& word : words) {
            if (word.isEmpty()) continue;
            sorted_[static_cast<std::size_t>(next[bucket(word[0])]++)] = &word;
            secondLetters_[bucket(word[0])] |= word.size() == 1 ? kAnyLetter : bitOf(word[1]);
        }
    }

    // Calls fix(cells of the copy that are filler) for each copy found; fix may change letters.
    template <class Fix>
    bool sweep(Fix fix) {
        bool found = false;
        std::vector<int> filler;
        for (int cell = 1; cell <= GameState::kCells; ++cell) {
            const int col = (cell - 1) % kColumns;
            const int row = (cell - 1) / kColumns;
            const int b = bucket(letters_[cell]);
            if (groupStart_[b] == groupStart_[b + 1]) continue;
            for (const Step& step : kSteps) {
                // A cheap look at the next letter rules out nearly every direction.
                if (secondLetters_[b] != kAnyLetter) {
                    const int nextCol = col + step.col, nextRow = row + step.row;
                    if (nextCol < 0 || nextCol >= kColumns || nextRow < 0 || nextRow >= kRows)
                        continue;
                    if (!(secondLetters_[b] &
                          bitOf(letters_[cell + step.row * kColumns + step.col])))
                        continue;
                }
                for (int w = groupStart_[b]; w < groupStart_[b + 1]; ++w) {
                    const QString& word = *sorted_[static_cast<std::size_t>(w)];
                    const int span = static_cast<int>(word.size()) - 1;
                    const int lastCol = col + span * step.col;
                    const int lastRow = row + span * step.row;
                    if (lastCol < 0 || lastCol >= kColumns || lastRow < 0 || lastRow >= kRows)
                        continue;
                    const int cellStep = step.row * kColumns + step.col;
                    if (!readsAt(word, cell, cellStep)) continue;
                    filler.clear();
                    for (int j = 0; j <= span; ++j) {
                        if (!placed_[cell + j * cellStep]) filler.push_back(cell + j * cellStep);
                    }
                    if (filler.empty()) continue;
                    found = true;
                    fix(filler);
                }
            }
        }
        return found;
    }

  private:
    static int bucket(QChar letter) { return letter.unicode() & 0xFF; }
    // A to Z as bits 0..25; any other letter shares bit 26. A one-letter word matches whatever
    // follows it.
    static constexpr std::uint32_t kAnyLetter = ~0u;
    static std::uint32_t bitOf(QChar letter) {
        const int c = letter.unicode() - 'A';
        return c >= 0 && c < 26 ? 1u << c : 1u << 26;
    }
    // The hot path: most tries end at the first or second letter.
    bool readsAt(const QString& word, int cell, int cellStep) const {
        const QChar* letters = word.constData();
        for (int j = 0, at = cell; j < word.size(); ++j, at += cellStep) {
            if (letters_[at] != letters[j]) return false;
        }
        return true;
    }

    GridLetters& letters_;
    const std::array<bool, GameState::kCells + 1>& placed_;
    std::array<int, 257>
        groupStart_{};  // words of bucket b: sorted_[groupStart_[b] .. groupStart_[b+1])
    std::vector<const QString*> sorted_;
    std::array<std::uint32_t, 256> secondLetters_{};  // per bucket: the words' second letters
};

}  // namespace

bool redrawFillerCopies(GridLetters& letters, const std::array<bool, GameState::kCells + 1>& placed,
                        const std::vector<QString>& words, RandomSource& random) {
    CopyFinder finder(letters, placed, words);
    int redraws = 0;
    const auto redrawOne = [&](const std::vector<int>& filler) {
        if (redraws >= kRedrawLimit) return;
        const int cell = filler[random.drawInt(static_cast<int>(filler.size())) - 1];
        letters[cell] = QChar(64 + random.drawInt(26));
        ++redraws;
    };
    while (finder.sweep(redrawOne)) {
        if (redraws >= kRedrawLimit) return false;
    }
    return true;
}
