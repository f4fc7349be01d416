#include "core/filler_copies.h"

#include "core/generator.h"
#include "core/random_source.h"
#include "core/theme_file.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

int cellAt(int col, int row) {  // col 1..20, row 0..17
    return row * 20 + col;
}

void write(GridLetters& letters, std::array<bool, GameState::kCells + 1>* placed, const char* word,
           int col, int row, int colStep, int rowStep) {
    for (int j = 0; word[j]; ++j) {
        const int cell = cellAt(col + j * colStep, row + j * rowStep);
        letters[cell] = QLatin1Char(word[j]);
        if (placed) {
            (*placed)[cell] = true;
        }
    }
}

// Every line of the grid in both senses, as one string of letters with the cell of each
// character beside it (0 between lines), so a copy is found by plain text search.
struct GridLines {
    QString text;
    std::vector<int> cells;
};
std::vector<int> lineCells() {
    std::vector<int> cells;
    const std::array<std::pair<int, int>, 4> steps{{{1, 0}, {0, 1}, {1, 1}, {-1, 1}}};
    for (auto [dc, dr] : steps) {
        for (int start = 1; start <= GameState::kCells; ++start) {
            const int col = (start - 1) % 20 + 1, row = (start - 1) / 20;
            // Start only where the line enters the grid.
            const int prevCol = col - dc, prevRow = row - dr;
            if (prevCol >= 1 && prevCol <= 20 && prevRow >= 0 && prevRow < 18) continue;
            std::vector<int> line;
            for (int c = col, r = row; c >= 1 && c <= 20 && r < 18; c += dc, r += dr)
                line.push_back(cellAt(c, r));
            cells.insert(cells.end(), line.begin(), line.end());
            cells.push_back(0);
            cells.insert(cells.end(), line.rbegin(), line.rend());
            cells.push_back(0);
        }
    }
    return cells;
}
GridLines readLines(const std::array<QString, GameState::kCells + 1>& captions) {
    static const std::vector<int> cells = lineCells();
    GridLines lines{QString(static_cast<qsizetype>(cells.size()), QLatin1Char('.')), cells};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i]) lines.text[i] = captions[cells[i]][0];
    }
    return lines;
}

class NullProgress : public GenerationProgress {
  public:
    void setProgressMaximum(int) override {}
    void setProgress(int) override {}
    int addFailedCycle() override { return 0; }
    bool askWait() override { return false; }
    bool stopRequested() override { return false; }
};

// The cells the puzzle's words lie on.
std::array<bool, GameState::kCells + 1> placedCells(const Puzzle& puzzle) {
    std::array<bool, GameState::kCells + 1> placed{};
    for (const PuzzleWord& word : puzzle.words) {
        const int span = static_cast<int>(word.word.size()) - 1;
        const int step = span == 0 ? 0 : (word.last - word.first) / span;
        for (int j = 0; j <= span; ++j) placed[word.first + j * step] = true;
    }
    return placed;
}

TEST(FillerCopiesTest, RedrawsOnlyFillerThatSpellsAWordAgain) {
    GridLetters letters;
    letters.fill(QLatin1Char('Q'));
    std::array<bool, GameState::kCells + 1> placed{};
    write(letters, &placed, "COMET", 1, 0, 1, 0);
    write(letters, &placed, "PINEAPPLE", 1, 5, 0, 1);  // holds APPLE: not a copy
    write(letters, nullptr, "COMET", 20, 17, -1, -1);  // filler copy, up and to the left
    write(letters, nullptr, "APPL", 10, 3, 0, 1);      // a copy through one placed E below
    write(letters, &placed, "E", 10, 7, 0, 1);
    const GridLetters before = letters;

    SeededRandom random(4);
    EXPECT_TRUE(redrawFillerCopies(letters, placed, {"APPLE", "COMET", "PINEAPPLE"}, random));
    for (int cell = 1; cell <= GameState::kCells; ++cell) {
        if (placed[cell]) {
            EXPECT_EQ(letters[cell], before[cell]) << cell;
        }
    }
    std::array<QString, GameState::kCells + 1> captions;
    for (int cell = 1; cell <= GameState::kCells; ++cell) captions[cell] = letters[cell];
    const QString text = readLines(captions).text;
    EXPECT_EQ(text.count(QStringLiteral("COMET")), 1);
    EXPECT_EQ(text.count(QStringLiteral("APPLE")), 1);

    // A list no fill can avoid gives up, placed letters kept.
    std::vector<QString> alphabet;
    for (char c = 'A'; c <= 'Z'; ++c) alphabet.push_back(QString(QLatin1Char(c)));
    EXPECT_FALSE(redrawFillerCopies(letters, placed, alphabet, random));
    for (int cell = 1; cell <= GameState::kCells; ++cell) {
        if (placed[cell]) {
            EXPECT_EQ(letters[cell], before[cell]) << cell;
        }
    }
}

// Ten thousand boards: run once per CI run, apart from the quick tests (label "long").
TEST(FillerCopiesSweep, NoShippedBoardShowsAWordTwice) {
    const QDir data(QStringLiteral(QUARROW_SOURCE_DIR "/data"));
    const QStringList themes = data.entryList({QStringLiteral("*.qrw")}, QDir::Files);
    ASSERT_FALSE(themes.isEmpty());
    const int boardsPerTheme = 10000 / static_cast<int>(themes.size()) + 1;
    SeededRandom random(2024);
    NullProgress progress;
    int boards = 0;
    for (const QString& name : themes) {
        SCOPED_TRACE(name.toStdString());
        const auto theme = readTheme(data.filePath(name));
        const auto words = theme ? wordsToHide(*theme) : std::nullopt;
        ASSERT_TRUE(words);
        for (int n = 0; n < boardsPerTheme; ++n) {
            const auto puzzle = generatePuzzle(*words, kLevels[n % 4], progress, random).puzzle;
            ASSERT_TRUE(puzzle);
            ++boards;
            std::array<QString, GameState::kCells + 1> captions;
            for (int cell = 1; cell <= GameState::kCells; ++cell)
                captions[cell] = puzzle->letters[cell];
            const auto placed = placedCells(*puzzle);
            const GridLines lines = readLines(captions);
            for (const PuzzleWord& entry : puzzle->words) {
                const QString& word = entry.word;
                for (qsizetype at = lines.text.indexOf(word); at >= 0;
                     at = lines.text.indexOf(word, at + 1)) {
                    bool throughFiller = false;
                    for (qsizetype j = at; j < at + word.size(); ++j) {
                        throughFiller = throughFiller || !placed[lines.cells[j]];
                    }
                    ASSERT_FALSE(throughFiller) << word.toStdString() << " board " << n;
                }
            }
        }
    }
    EXPECT_GE(boards, 10000);
}

}  // namespace
