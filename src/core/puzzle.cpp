#include "core/puzzle.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {
using grid::columnOf;
using grid::isCell;
using grid::rowOf;

// Marks the word's cells in `covered`; false unless it lies on them as the board spells it.
bool liesOnGrid(const Puzzle& puzzle, const PuzzleWord& entry,
                std::array<bool, GameState::kCells + 1>& covered) {
    const int length = static_cast<int>(entry.word.size());
    if (length < 1 || !isCell(entry.first) || !isCell(entry.last)) return false;
    const int rows = rowOf(entry.last) - rowOf(entry.first);
    const int columns = columnOf(entry.last) - columnOf(entry.first);
    const int span = std::max(std::abs(rows), std::abs(columns));
    // A row, a column or a diagonal, exactly as long as the word.
    if (span != length - 1 ||
        (span != 0 && rows != 0 && columns != 0 && std::abs(rows) != std::abs(columns)))
        return false;
    const int step = span == 0 ? 0 : (rows / span) * grid::kColumns + columns / span;
    for (int j = 0; j < length; ++j) {
        const int cell = entry.first + j * step;
        if (puzzle.letters[cell] != entry.word[j]) return false;
        covered[cell] = true;
    }
    return true;
}

// As the theme readers make a word: upper case, every character one a player can see.
bool isThemeWord(const QString& word) {
    return std::all_of(word.begin(), word.end(),
                       [](QChar c) { return showsInACell(c) && c.toUpper() == c; });
}

bool isFillerLetter(QChar c) {
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
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
    std::array<bool, GameState::kCells + 1> covered{};
    for (int slot = 1; slot <= wordCount(); ++slot) {
        const PuzzleWord& entry = word(slot);
        // A second word on the same ends could never be found: a match strikes the first.
        if (!isThemeWord(entry.word) || !liesOnGrid(*this, entry, covered) ||
            slotWithEnds(entry.first, entry.last) != slot)
            return false;
    }
    for (int cell = 1; cell <= GameState::kCells; ++cell) {
        if (!covered[cell] && !isFillerLetter(letters[cell])) return false;
    }
    return true;
}

bool showsInACell(QChar c) {
    return c.isPrint() && !c.isSpace();
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
