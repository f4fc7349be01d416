#include "core/generator.h"

#include "core/random_source.h"
#include "core/theme_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <deque>
#include <set>
#include <vector>

using namespace generator;

namespace {

// Draws chosen by the test; running out of them is a test failure.
class ScriptedRandom : public RandomSource {
  public:
    // The draw that makes Int(draw * n + 1) come out as `value`.
    ScriptedRandom& give(int value, int n) {
        draws_.push_back((value - 0.5) / n);
        return *this;
    }
    double draw() override {
        if (draws_.empty()) {
            ADD_FAILURE() << "more draws than scripted";
            return 0;
        }
        const double d = draws_.front();
        draws_.pop_front();
        return d;
    }
    void reseed() override { ++reseeds; }
    bool exhausted() const { return draws_.empty(); }

    int reseeds = 0;

  private:
    std::deque<double> draws_;
};

// Records what generation reports and answers as scripted.
class RecordingProgress : public GenerationProgress {
  public:
    void setProgressMaximum(int max) override { maximums.push_back(max); }
    void setProgress(int value) override {
        progress.push_back(value);
        if (value == 1) ++cycles;
    }
    int addFailedCycle() override { return ++attemptAdd; }
    bool askWait() override {
        ++questionsAsked;
        askedAt = attemptAdd;
        return waitAnswer;
    }
    bool stopRequested() override {
        ++stopChecks;
        if (attemptAdd == 2) ++checksAfterFirstFailure;
        return attemptAdd >= stopAtAttemptAdd ||
               checksAfterFirstFailure >= stopAfterChecksAfterFirstFailure;
    }

    bool waitAnswer = false;
    int stopAtAttemptAdd = 1000000;  // the failed-cycle count at which Stop is pressed
    // Stop pressed at this many checks while the counter shows the first failed cycle.
    int stopAfterChecksAfterFirstFailure = 1000000;
    int checksAfterFirstFailure = 0;

    std::vector<int> maximums;
    std::vector<int> progress;
    int stopChecks = 0;
    int attemptAdd = 1;  // the window's counter starts at "1"
    int questionsAsked = 0;
    int askedAt = 0;
    int cycles = 0;
};

struct ThemeWord {
    QByteArray word;
    QByteArray question;  // written when the theme has questions
};

class GeneratorTest : public ::testing::Test {
  protected:
    QString writeFile(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("theme.qrw"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString writeTheme(const std::vector<QByteArray>& words) {
        QByteArray bytes = "Theme\r\n!Someone\r\n#" + QByteArray::number(words.size()) + "W\r\n";
        if (words.size() < 10) bytes.insert(bytes.indexOf('#') + 1, '0');
        for (const QByteArray& word : words) bytes += word + "\r\n";
        return writeFile(bytes);
    }
    QString writeQuestionTheme(const std::vector<ThemeWord>& words) {
        QByteArray bytes = "Theme\r\n!Someone\r\n#" + QByteArray::number(words.size()) + "WQ\r\n";
        for (const ThemeWord& w : words) bytes += w.word + "\r\n" + w.question + "\r\n";
        return writeFile(bytes);
    }

    // The theme read once, as the game does, then generated from.
    std::optional<Puzzle> build(const QString& path, RandomSource& random,
                                std::chrono::milliseconds placerBudget = kPlacerBudget) {
        const auto theme = readTheme(path);
        const auto words = theme ? wordsToHide(*theme) : std::nullopt;
        if (!words) {
            failure = GenerationFailure::Unreadable;
            return std::nullopt;
        }
        GenerationResult result = generatePuzzle(*words, level, progress, random, placerBudget);
        failure = result.failure;
        return result.puzzle;
    }

    QTemporaryDir dir;
    Level level = Level::Expert;
    RecordingProgress progress;
    GenerationFailure failure = GenerationFailure::Unreadable;
};

int columnOf(int cell) {
    return (cell - 1) % 20 + 1;
}
int rowOf(int cell) {
    return (cell - 1) / 20;
}

// The direction code whose steps lead from the first to the last letter.
int codeOf(const PuzzleWord& word) {
    const int span = static_cast<int>(word.word.size()) - 1;
    for (int code = 1; code <= 8; ++code) {
        const Direction dir = direction(code);
        if (columnOf(word.first) + span * dir.columnStep == columnOf(word.last) &&
            rowOf(word.first) + span * dir.rowStep == rowOf(word.last)) {
            return code;
        }
    }
    return 0;
}

// Every rule a finished puzzle keeps, checked from the outside.
void expectValidPuzzle(Level level, const Puzzle& puzzle) {
    ASSERT_TRUE(puzzle.isConsistent());
    std::set<int> wordCells;
    for (int i = 1; i <= puzzle.wordCount(); ++i) {
        const PuzzleWord& word = puzzle.word(i);
        SCOPED_TRACE(word.word.toStdString());
        const int code = codeOf(word);
        ASSERT_TRUE(allowed(level, code)) << code;
        ASSERT_NE(code, 7);
        // Its letters lie on the straight line from first to last cell.
        const int step = (word.last - word.first) / (static_cast<int>(word.word.size()) - 1);
        std::vector<int> shared;
        for (int j = 0; j < word.word.size(); ++j) {
            const int cell = word.first + j * step;
            EXPECT_EQ(puzzle.letters[cell], word.word[j]) << cell;
            if (wordCells.count(cell)) shared.push_back(cell);
        }
        // A word crosses at most one earlier letter; one that crosses none was placed freely
        // and so does not start in column 20. The first word crosses nothing.
        EXPECT_LE(shared.size(), 1u);
        if (shared.empty()) {
            EXPECT_NE(word.first % 20, 0) << "free start in column 20";
        }
        if (i == 1) {
            EXPECT_TRUE(shared.empty()) << "the first word crossed";
        }
        for (int j = 0; j < word.word.size(); ++j) wordCells.insert(word.first + j * step);
    }
    for (int cell = 1; cell <= 360; ++cell) {
        const QChar letter = puzzle.letters[cell];
        if (!wordCells.count(cell)) {
            EXPECT_TRUE(letter >= 'A' && letter <= 'Z') << cell;
        }
    }
}

}  // namespace

// Column 20 reads as column 0 of the next row, so the edge tests treat it apart.
TEST(GeneratorRules, WordsFitOnlyWhereTheyStayOnTheGrid) {
    std::set<int> rightColumns, downRows;
    for (int p = 1; p <= 360; ++p) {
        const CellPosition pos = cellPosition(p);
        if (passesTestA(1, 14, pos.col, pos.row) && passesTestB(1, 14, p, pos.col))
            rightColumns.insert(columnOf(p));
        if (passesTestA(3, 14, pos.col, pos.row) && passesTestB(3, 14, p, pos.col))
            downRows.insert(rowOf(p));
        for (int code = 1; code <= 8; ++code) {
            EXPECT_FALSE(passesTestA(code, 21, pos.col, pos.row) &&
                         passesTestB(code, 21, p, pos.col));
            // No free start in column 20.
            if (p % 20 == 0) {
                EXPECT_FALSE(passesTestB(code, 3, p, pos.col));
            }
        }
    }
    EXPECT_EQ(rightColumns, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(downRows, (std::set<int>{0, 1, 2, 3, 4}));
}

TEST(PlacementGridTest, FiveLetterDiagonalFromCellTwentyThree) {
    std::array<bool, 361> used{};
    PlacementGrid grid(used);
    ScriptedRandom random;
    random.give(2, 8).give(23, 360).give(1, 3);  // down-right, cell 23, free
    const auto placement = grid.attempt(QStringLiteral("GRAPE"), 1, Level::Expert, random);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->first, 23);
    EXPECT_EQ(placement->last, 107);
    EXPECT_EQ(placement->crossingCell, 0);
    EXPECT_EQ(random.reseeds, 1);
    const int cells[] = {23, 44, 65, 86, 107};
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(grid.letter(cells[j]), QStringLiteral("GRAPE")[j]);
        EXPECT_TRUE(used[cells[j]]);
    }
    EXPECT_EQ(std::count(used.begin(), used.end(), true), 5);
}

TEST(PlacementGridTest, AttemptsEndOnForbiddenDirectionsAndOnTheFirstWordCrossing) {
    std::array<bool, 361> used{};
    PlacementGrid grid(used);
    ScriptedRandom random;
    random.give(7, 8);  // bottom to top is never used, even on Expert
    EXPECT_FALSE(grid.attempt(QStringLiteral("FIG"), 1, Level::Expert, random));
    random.give(5, 8);  // right to left is not an Easy direction
    EXPECT_FALSE(grid.attempt(QStringLiteral("FIG"), 1, Level::Easy, random));
    random.give(1, 8).give(190, 360).give(3, 3);  // a crossing draw for word 1
    EXPECT_FALSE(grid.attempt(QStringLiteral("FIG"), 1, Level::Expert, random));
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(random.reseeds, 3);
}

TEST(PlacementGridTest, CrossingCellInColumnTwentyNeverYieldsAPlacement) {
    std::array<bool, 361> used{};
    PlacementGrid grid(used);
    ScriptedRandom random;
    random.give(1, 8).give(18, 360).give(1, 3);  // XYZ in cells 18, 19, 20
    ASSERT_TRUE(grid.attempt(QStringLiteral("XYZ"), 1, Level::Expert, random));
    for (int code : {1, 2, 3, 4, 5, 6, 8}) {
        for (int k = 1; k <= 3; ++k) {
            // A start in the middle passes the first test; the crossing Z is the only one.
            random.give(code, 8).give(190, 360).give(2, 3).give(k, 3).give(1, 1);
            EXPECT_FALSE(grid.attempt(QStringLiteral("ZZZ"), 2, Level::Expert, random))
                << "code " << code << " k " << k;
            EXPECT_TRUE(random.exhausted());
        }
    }
}

TEST(PlacementGridTest, CrossingWordMayStartInColumnTwentyRunningLeft) {
    std::array<bool, 361> used{};
    PlacementGrid grid(used);
    ScriptedRandom random;
    random.give(3, 8).give(18, 360).give(1, 3);  // PZQ down from cell 18: Z in cell 38
    ASSERT_TRUE(grid.attempt(QStringLiteral("PZQ"), 1, Level::Expert, random));
    random.give(5, 8).give(190, 360).give(3, 3).give(3, 3).give(1, 1);  // ABZ right to left
    const auto placement = grid.attempt(QStringLiteral("ABZ"), 2, Level::Expert, random);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->first, 40);
    EXPECT_EQ(placement->last, 38);
    EXPECT_EQ(placement->crossingCell, 38);
    EXPECT_EQ(grid.letter(40), QChar('A'));
    EXPECT_EQ(grid.letter(39), QChar('B'));
    EXPECT_EQ(grid.letter(38), QChar('Z'));
}

TEST(PlacementGridTest, WordsNeverOverlapBeyondTheCrossingCell) {
    std::array<bool, 361> used{};
    PlacementGrid grid(used);
    ScriptedRandom random;
    random.give(1, 8).give(21, 360).give(1, 3);  // HELLO in cells 21..25
    ASSERT_TRUE(grid.attempt(QStringLiteral("HELLO"), 1, Level::Expert, random));
    random.give(1, 8).give(23, 360).give(1, 3);  // a free LLAMA over the Ls
    EXPECT_FALSE(grid.attempt(QStringLiteral("LLAMA"), 2, Level::Expert, random));
    // Crossing at the second L of HELLO with LLAMA's first L runs LLAMA over HELLO's O.
    random.give(1, 8).give(190, 360).give(2, 3).give(1, 5).give(2, 2);
    EXPECT_FALSE(grid.attempt(QStringLiteral("LLAMA"), 2, Level::Expert, random));
    EXPECT_EQ(std::count(used.begin(), used.end(), true), 5);
}

TEST_F(GeneratorTest, EveryLevelKeepsItsDirectionsOverManySeeds) {
    const QString path =
        writeTheme({"APPLE", "BANANA", "CHERRY", "DATE", "ELDERBERRY", "FIG", "GRAPE", "HONEYDEW",
                    "KIWI", "LEMON", "MANGO", "NECTARINE", "OLIVE", "PEAR", "PEAR", "QUINCE"});
    // Easy: across and down; Medium adds right to left; Hard the two diagonals running right;
    // Expert every direction but bottom to top.
    const std::set<int> levelCodes[] = {{1, 3}, {1, 3, 5}, {1, 2, 3, 5, 8}, {1, 2, 3, 4, 5, 6, 8}};
    for (std::size_t i = 0; i < kLevels.size(); ++i) {
        level = kLevels[i];
        std::set<int> codesSeen;
        for (std::uint64_t seed = 1; seed <= 150; ++seed) {
            SCOPED_TRACE(testing::Message() << "level " << levelNumber(level) << " seed " << seed);
            SeededRandom random(seed);
            const auto puzzle = build(path, random);
            ASSERT_TRUE(puzzle);
            expectValidPuzzle(level, *puzzle);
            for (const PuzzleWord& word : puzzle->words) codesSeen.insert(codeOf(word));
        }
        EXPECT_EQ(codesSeen, levelCodes[i]) << "level " << levelNumber(level);
    }
}

TEST_F(GeneratorTest, SortsWordsWithTheirQuestionsAndReportsProgress) {
    const QString path = writeQuestionTheme({{"pear", "Green or yellow"},
                                             {"Apple", "Keeps the doctor away"},
                                             {"FIG", "Leaf"},
                                             {"MANGO", "Tropical"},
                                             {"CHERRY", "Red and small"},
                                             {"BANANA", "Curved"},
                                             {"PLUM", "Purple"},
                                             {"LEMON", "Sour"},
                                             {"OLIVE", "Oil"},
                                             {"DATE", "Sweet and brown"},
                                             {"GRAPE", "Vine"},
                                             {"APPLE", "Second apple"}});
    SeededRandom random(7);
    const auto puzzle = build(path, random);
    ASSERT_TRUE(puzzle);
    expectValidPuzzle(level, *puzzle);

    const std::vector<QString> sorted = {"APPLE", "APPLE", "BANANA", "CHERRY", "DATE", "FIG",
                                         "GRAPE", "LEMON", "MANGO",  "OLIVE",  "PEAR", "PLUM"};
    ASSERT_EQ(puzzle->wordCount(), 12);
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(puzzle->word(i).word, sorted[i - 1]);
    // Equal words keep their file order.
    EXPECT_EQ(puzzle->word(1).question, "Keeps the doctor away");
    EXPECT_EQ(puzzle->word(2).question, "Second apple");
    EXPECT_EQ(puzzle->word(12).question, "Purple");
    EXPECT_NE(puzzle->word(1).first, puzzle->word(2).first);

    // Progress counts the words placed.
    EXPECT_EQ(progress.maximums.back(), 12);
    const std::vector<int> expectedProgress = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ(std::vector<int>(progress.progress.end() - 12, progress.progress.end()),
              expectedProgress);
    EXPECT_GE(progress.stopChecks, 12);
}

// Without the complete placer's help the random generator asks after its ninth failed cycle:
// No gives up, Yes keeps cycling without asking again until Stop.
TEST_F(GeneratorTest, WaitQuestionComesOnceOnTheNinthFailedCycle) {
    const QString path = writeTheme(
        {"ABCDEFGHIJKLMNOPQRSTU", "CAT", "DOG", "EEL", "FOX", "GNU", "HEN", "OWL", "PIG", "RAT"});
    SeededRandom random(11);
    EXPECT_FALSE(build(path, random, std::chrono::milliseconds::zero()));
    EXPECT_EQ(failure, GenerationFailure::GaveUp);
    EXPECT_EQ(progress.questionsAsked, 1);
    EXPECT_EQ(progress.askedAt, kWaitQuestionCount);
    EXPECT_EQ(progress.attemptAdd, 10);
    EXPECT_EQ(progress.cycles, 9);

    progress = RecordingProgress();
    progress.waitAnswer = true;
    progress.stopAtAttemptAdd = 14;
    EXPECT_FALSE(build(path, random, std::chrono::milliseconds::zero()));
    EXPECT_EQ(failure, GenerationFailure::Stopped);
    EXPECT_EQ(progress.questionsAsked, 1);
    EXPECT_EQ(progress.cycles, 13);
}

TEST_F(GeneratorTest, CompletePlacerAnswersInsteadOfTheWaitQuestion) {
    // Twenty fourteen-letter words at Easy: the random cycles nearly always fail; the placer
    // finds a board and it is played without a question.
    std::vector<QByteArray> fourteen;
    for (char c = 'A'; c < 'A' + 20; ++c) fourteen.push_back(QByteArray(7, c) + "ABCDEFG");
    level = Level::Easy;
    SeededRandom random(6);
    // Time enough for a slow build on a busy machine: the speed is measured in the benchmark.
    const auto puzzle = build(writeTheme(fourteen), random, std::chrono::minutes(1));
    ASSERT_TRUE(puzzle);
    EXPECT_EQ(progress.questionsAsked, 0);
    expectValidPuzzle(level, *puzzle);

    // No board can hold these: proven once the first cycle has failed, no question.
    for (const std::vector<QByteArray>& words :
         {std::vector<QByteArray>{"ABCDEFGHIJKLMNOPQRSTU", "CAT", "DOG"},
          std::vector<QByteArray>(20, "ABCDEFGHIJKLMNOPQRST")}) {
        progress = RecordingProgress();
        SeededRandom random2(11);
        EXPECT_FALSE(build(writeTheme(words), random2));
        EXPECT_EQ(failure, GenerationFailure::Impossible);
        EXPECT_EQ(progress.questionsAsked, 0);
        EXPECT_EQ(progress.attemptAdd, 2);
    }
}

TEST_F(GeneratorTest, StopWorksWhileTheCompletePlacerSearches) {
    // Twenty words of 15 to 18 random letters: the search cannot settle them quickly. Stop is
    // pressed once it has begun.
    std::vector<QByteArray> crowded;
    SeededRandom letters(5);
    for (int i = 0; i < 20; ++i) {
        QByteArray word;
        for (int length = 14 + letters.drawInt(4); word.size() < length;)
            word += char('A' + letters.drawInt(26) - 1);
        crowded.push_back(word);
    }
    progress.stopAtAttemptAdd = 3;
    // The check after the failed cycle, then the placer's.
    progress.stopAfterChecksAfterFirstFailure = 2;
    SeededRandom random(2);
    EXPECT_FALSE(build(writeTheme(crowded), random));
    EXPECT_EQ(failure, GenerationFailure::Stopped);
    EXPECT_EQ(progress.questionsAsked, 0);
    EXPECT_EQ(progress.attemptAdd, 2);
}

TEST_F(GeneratorTest, StopBeforeTheFirstWordGivesUp) {
    const QString path =
        writeTheme({"ONE", "TWO", "SIX", "TEN", "FOUR", "FIVE", "NINE", "EIGHT", "SEVEN", "THREE"});
    progress.stopAtAttemptAdd = 1;
    SeededRandom random(5);
    EXPECT_FALSE(build(path, random));
    EXPECT_EQ(failure, GenerationFailure::Stopped);
    EXPECT_EQ(progress.progress, std::vector<int>{1});
    EXPECT_EQ(progress.questionsAsked, 0);
}

// Broken files are refused by the reader; this guards what reaches the generator anyway.
TEST_F(GeneratorTest, NoBoardFromEmptyWordSlotsOrNoWords) {
    ThemeContents theme;
    theme.wordCount = 3;
    theme.words[1] = QStringLiteral("ONE");
    theme.words[2] = QStringLiteral("TWO");  // the third can never be found
    EXPECT_FALSE(wordsToHide(theme));
    theme.wordCount = 0;
    EXPECT_FALSE(wordsToHide(theme));
    SeededRandom random(1);
    EXPECT_FALSE(generatePuzzle({}, Level::Expert, progress, random).puzzle);
    EXPECT_EQ(progress.attemptAdd, 1);
    EXPECT_TRUE(progress.progress.empty());
}

TEST_F(GeneratorTest, LowerCaseWordsArePlayedInUpperCaseWithoutQuestionsInAWordTheme) {
    SeededRandom random(2);
    const auto puzzle = build(writeTheme({"apple", "Kiwi", "fig"}), random);
    ASSERT_TRUE(puzzle);
    ASSERT_EQ(puzzle->wordCount(), 3);
    EXPECT_EQ(puzzle->word(1).word, "APPLE");
    EXPECT_EQ(puzzle->word(2).word, "FIG");
    EXPECT_EQ(puzzle->word(3).word, "KIWI");
    for (const PuzzleWord& word : puzzle->words) EXPECT_EQ(word.question, QString());
    expectValidPuzzle(level, *puzzle);
}
