#include "core/fit_bounds.h"

#include <algorithm>

namespace generator {

namespace {

// The number of cells of each line a word can run along at `level`. A column-long line in the
// last column is left out: a word there would either cross in the last column or start there
// without crossing, and the random generator makes neither.
std::vector<int> lineLengths(Level level, GridShape shape) {
    const bool across = allowed(level, 1) || allowed(level, 5);
    const bool down = allowed(level, 3);
    const bool falling = allowed(level, 2) || allowed(level, 6);
    const bool rising = allowed(level, 4) || allowed(level, 8);
    std::vector<int> lengths;
    if (across) lengths.insert(lengths.end(), shape.rows, shape.columns);
    if (down) lengths.insert(lengths.end(), shape.columns - 1, shape.rows);
    // Both kinds of diagonal have one line of each of these lengths.
    const int diagonals = shape.columns + shape.rows - 1;
    const int shorter = std::min(shape.columns, shape.rows);
    for (int line = 0; line < diagonals; ++line) {
        const int cells = std::min({line + 1, diagonals - line, shorter});
        if (falling) lengths.push_back(cells);
        if (rising) lengths.push_back(cells);
    }
    return lengths;
}

// Every word but the first can share one cell with the words before it, and only where it has
// a letter in common with one of them.
int mostCellsShared(const std::vector<QString>& words) {
    QString earlierLetters;
    int shared = 0;
    for (const QString& word : words) {
        if (std::any_of(word.begin(), word.end(),
                        [&](QChar letter) { return earlierLetters.contains(letter); }))
            ++shared;
        earlierLetters += word;
    }
    return shared;
}

}  // namespace

int fewestCellsCovered(const std::vector<QString>& words) {
    int letters = 0;
    for (const QString& word : words) letters += static_cast<int>(word.size());
    return letters - mostCellsShared(words);
}

bool mayAllFit(const std::vector<QString>& words, Level level, GridShape shape) {
    int longest = 0;
    for (const QString& word : words) {
        if (word.isEmpty()) return false;
        longest = std::max(longest, static_cast<int>(word.size()));
    }
    if (fewestCellsCovered(words) > shape.columns * shape.rows) return false;

    const std::vector<int> lines = lineLengths(level, shape);
    for (int least = 2; least <= longest; ++least) {
        const auto needing = std::count_if(words.begin(), words.end(),
                                           [least](const QString& w) { return w.size() >= least; });
        long room = 0;
        for (int cells : lines) {
            if (cells >= least) room += (cells - 1) / (least - 1);
        }
        if (needing > room) return false;
    }
    return true;
}

}  // namespace generator
