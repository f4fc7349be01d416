#include "core/puzzle.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {
using grid::columnOf;
using grid::isCell;
using grid::rowOf;

bool liesOnGrid(const Puzzle& puzzle, const PuzzleWord& entry) {
    const int length = static_cast<int>(entry.word.size());
    if (length < 1 || !isCell(entry.first) || !isCell(entry.last)) return false;
    const int rows = rowOf(entry.last) - rowOf(entry.first);
    const int columns = columnOf(entry.last) - columnOf(entry.first);
    const int span = std::max(std::abs(rows), std::abs(columns));
    if (span == 0) return length == 1 && puzzle.letters[entry.first] == entry.word[0];
    // A row, a column or a diagonal, exactly as long as the word.
    if (span != length - 1 || (rows != 0 && columns != 0 && std::abs(rows) != std::abs(columns)))
        return false;
    const int step = (rows / span) * grid::kColumns + columns / span;
    for (int j = 0; j < length; ++j) {
        if (puzzle.letters[entry.first + j * step] != entry.word[j]) return false;
    }
    return true;
}
}  // namespace

int Puzzle::slotWithEnds(int a, int b) const {
    for (int slot = 1; slot <= wordCount(); ++slot) {
        const PuzzleWord& entry = word(slot);
        if ((entry.first == a && entry.last == b) || (entry.first == b && entry.last == a))
            return slot;
    }
    return 0;
}

bool Puzzle::isConsistent() const {
    if (words.empty() || wordCount() > kMaxWords) return false;
    for (int cell = 1; cell <= GameState::kCells; ++cell) {
        if (letters[cell].isNull()) return false;
    }
    for (const PuzzleWord& entry : words) {
        if (!liesOnGrid(*this, entry)) return false;
    }
    return true;
}

void sortWords(std::vector<QString>& words, std::vector<QString>& questions) {
    questions.resize(words.size());
    std::vector<std::size_t> order(words.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&words](std::size_t a, std::size_t b) { return words[a] < words[b]; });
    std::vector<QString> sortedWords, sortedQuestions;
    for (const std::size_t i : order) {
        sortedWords.push_back(words[i]);
        sortedQuestions.push_back(questions[i]);
    }
    words = std::move(sortedWords);
    questions = std::move(sortedQuestions);
}
