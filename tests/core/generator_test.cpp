#include "core/generator.h"

#include "core/random_source.h"

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

// Records what the generator asks of the window layer and answers as scripted.
class RecordingUi : public GeneratorUi {
  public:
    void setProgressMaximum(int max) override { maximums.push_back(max); }
    void setProgress(int value) override { progress.push_back(value); }
    void wordListReady() override {
        ++wordListLayouts;
        if (state) listAtLayout.assign(state->wordList.begin(), state->wordList.end());
    }
    void pumpEvents() override {
        ++pumps;
        if (attemptAdd == 2) ++pumpsAfterFirstFailure;
    }
    int addFailedCycle() override { return ++attemptAdd; }
    bool askWait() override {
        ++questionsAsked;
        askedAt = attemptAdd;
        return waitAnswer;
    }
    bool stopRequested() override {
        return attemptAdd >= stopAtAttemptAdd ||
               pumpsAfterFirstFailure >= stopAfterPumpsAfterFirstFailure;
    }
    void hideStrikeLines() override { ++cycles; }

    const GameState* state = nullptr;
    bool waitAnswer = false;
    int stopAtAttemptAdd = 1000000;  // the failed-cycle count at which Stop is pressed
    // Stop pressed after this many event pumps while the counter shows the first failed cycle.
    int stopAfterPumpsAfterFirstFailure = 1000000;
    int pumpsAfterFirstFailure = 0;

    std::vector<int> maximums;
    std::vector<int> progress;
    std::vector<QString> listAtLayout;
    int wordListLayouts = 0;
    int pumps = 0;
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
    GeneratorTest() {
        state.level = 4;
        state.gameInProgress = true;
        ui.state = &state;
    }

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

    std::optional<GeneratedPuzzle> build(const QString& path, RandomSource& random,
                                         std::chrono::milliseconds placerBudget = kPlacerBudget) {
        return buildPuzzle(state, path, ui, random, placerBudget);
    }

    QTemporaryDir dir;
    GameState state;
    RecordingUi ui;
};

int columnOf(int cell) {
    return (cell - 1) % 20 + 1;
}
int rowOf(int cell) {
    return (cell - 1) / 20;
}

std::vector<int> cellsOf(const Placement& placement, int length) {
    std::vector<int> cells;
    for (int j = 0; j < length; ++j)
        cells.push_back(placement.first + j * direction(placement.code).cellStep);
    return cells;
}

// Every rule a finished puzzle keeps, checked from the outside.
void expectValidPuzzle(const GameState& state, const GeneratedPuzzle& puzzle) {
    std::set<int> wordCells;
    for (int i = 1; i <= state.wordCount; ++i) {
        SCOPED_TRACE(state.wordList[i].toStdString());
        const Placement& placement = puzzle.placements[i];
        ASSERT_TRUE(allowed(state.level, placement.code)) << placement.code;
        ASSERT_NE(placement.code, 7);
        const QString& word = state.wordList[i];
        const std::vector<int> cells = cellsOf(placement, word.size());
        EXPECT_EQ(state.wordCells[i][1], cells.front());
        EXPECT_EQ(state.wordCells[i][2], cells.back());

        const Direction dir = direction(placement.code);
        for (std::size_t j = 0; j < cells.size(); ++j) {
            ASSERT_GE(cells[j], 1);
            ASSERT_LE(cells[j], 360);
            EXPECT_EQ(puzzle.cells[cells[j]], QString(word[j]));
            if (j > 0) {  // one straight line, no wrapping round the grid's edge
                EXPECT_EQ(columnOf(cells[j]) - columnOf(cells[j - 1]), dir.columnStep);
                EXPECT_EQ(rowOf(cells[j]) - rowOf(cells[j - 1]), dir.rowStep);
            }
        }

        std::vector<int> shared;
        for (int cell : cells)
            if (wordCells.count(cell)) shared.push_back(cell);
        if (placement.crossingCell == 0) {
            EXPECT_TRUE(shared.empty());
            EXPECT_NE(cells.front() % 20, 0) << "free placement starting in column 20";
        } else {
            EXPECT_NE(i, 1) << "the first word crossed";
            EXPECT_EQ(shared, std::vector<int>{placement.crossingCell});
        }
        wordCells.insert(cells.begin(), cells.end());
    }
    for (int cell = 1; cell <= 360; ++cell) {
        EXPECT_EQ(state.cellUsed[cell], wordCells.count(cell) == 1) << cell;
        ASSERT_EQ(puzzle.cells[cell].size(), 1);
        EXPECT_TRUE(puzzle.cells[cell][0] >= 'A' && puzzle.cells[cell][0] <= 'Z') << cell;
    }
}

}  // namespace

TEST(GeneratorRules, DirectionsAndLevels) {
    const std::vector<std::vector<int>> allowedCodes = {
        {1, 2, 3, 4, 5, 6, 8}, {1, 3}, {1, 3, 5}, {1, 2, 3, 5, 8}, {1, 2, 3, 4, 5, 6, 8},
        {1, 2, 3, 4, 5, 6, 8}};
    for (int level = 0; level <= 5; ++level) {
        std::vector<int> codes;
        for (int code = 1; code <= 8; ++code)
            if (allowed(level, code)) codes.push_back(code);
        EXPECT_EQ(codes, allowedCodes[level]) << "level " << level;
    }
    const int steps[] = {0, 1, 21, 20, 19, -1, -21, -20, -19};
    for (int code = 1; code <= 8; ++code) {
        const Direction dir = direction(code);
        EXPECT_EQ(dir.cellStep, steps[code]);
        EXPECT_EQ(dir.cellStep, 20 * dir.rowStep + dir.columnStep);
    }
}

TEST(GeneratorRules, ColumnTwentyReadsAsColumnZeroOfTheNextRow) {
    EXPECT_EQ(cellPosition(1).col, 1);
    EXPECT_EQ(cellPosition(1).row, 0);
    EXPECT_EQ(cellPosition(19).col, 19);
    EXPECT_EQ(cellPosition(20).col, 0);
    EXPECT_EQ(cellPosition(20).row, 1);
    EXPECT_EQ(cellPosition(21).col, 1);
    EXPECT_EQ(cellPosition(21).row, 1);
    EXPECT_EQ(cellPosition(360).col, 0);
    EXPECT_EQ(cellPosition(360).row, 18);
}

TEST(GeneratorRules, FourteenLetterWordsFitOnlyNearTheStartEdges) {
    std::set<int> rightColumns, downRows;
    for (int p = 1; p <= 360; ++p) {
        const CellPosition pos = cellPosition(p);
        if (passesTestA(1, 14, pos.col, pos.row) && passesTestB(1, 14, p, pos.col))
            rightColumns.insert(columnOf(p));
        if (passesTestA(3, 14, pos.col, pos.row) && passesTestB(3, 14, p, pos.col))
            downRows.insert(rowOf(p));
    }
    EXPECT_EQ(rightColumns, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(downRows, (std::set<int>{0, 1, 2, 3, 4}));
}

TEST(GeneratorRules, NoFreeStartInColumnTwentyAndNoTwentyOneLetterWord) {
    for (int p = 20; p <= 360; p += 20) {
        const CellPosition pos = cellPosition(p);
        for (int code = 1; code <= 8; ++code) EXPECT_FALSE(passesTestB(code, 3, p, pos.col));
    }
    for (int p = 1; p <= 360; ++p) {
        const CellPosition pos = cellPosition(p);
        for (int code = 1; code <= 8; ++code) {
            EXPECT_FALSE(passesTestA(code, 21, pos.col, pos.row) &&
                         passesTestB(code, 21, p, pos.col));
        }
    }
}

TEST(PlacementGridTest, FiveLetterDiagonalFromCellTwentyThree) {
    GameState state;
    PlacementGrid grid(state.cellUsed);
    ScriptedRandom random;
    random.give(2, 8).give(23, 360).give(1, 3);  // down-right, cell 23, free
    const auto placement = grid.attempt(QStringLiteral("GRAPE"), 1, 4, random);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->first, 23);
    EXPECT_EQ(placement->last, 107);
    EXPECT_EQ(placement->crossingCell, 0);
    EXPECT_EQ(random.reseeds, 1);
    const int cells[] = {23, 44, 65, 86, 107};
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(grid.letter(cells[j]), QStringLiteral("GRAPE")[j]);
        EXPECT_TRUE(state.cellUsed[cells[j]]);
    }
    EXPECT_EQ(std::count(state.cellUsed.begin(), state.cellUsed.end(), true), 5);
}

TEST(PlacementGridTest, AttemptsEndOnForbiddenDirectionsAndOnTheFirstWordCrossing) {
    GameState state;
    PlacementGrid grid(state.cellUsed);
    ScriptedRandom random;
    random.give(7, 8);  // bottom to top is never used, even on Expert
    EXPECT_FALSE(grid.attempt(QStringLiteral("FIG"), 1, 4, random));
    random.give(5, 8);  // right to left is not an Easy direction
    EXPECT_FALSE(grid.attempt(QStringLiteral("FIG"), 1, 1, random));
    random.give(1, 8).give(190, 360).give(3, 3);  // a crossing draw for word 1
    EXPECT_FALSE(grid.attempt(QStringLiteral("FIG"), 1, 4, random));
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(random.reseeds, 3);
}

TEST(PlacementGridTest, CrossingCellInColumnTwentyNeverYieldsAPlacement) {
    GameState state;
    PlacementGrid grid(state.cellUsed);
    ScriptedRandom random;
    random.give(1, 8).give(18, 360).give(1, 3);  // XYZ in cells 18, 19, 20
    ASSERT_TRUE(grid.attempt(QStringLiteral("XYZ"), 1, 4, random));
    for (int code : {1, 2, 3, 4, 5, 6, 8}) {
        for (int k = 1; k <= 3; ++k) {
            // A start in the middle passes the first test; the crossing Z is the only one.
            random.give(code, 8).give(190, 360).give(2, 3).give(k, 3).give(1, 1);
            EXPECT_FALSE(grid.attempt(QStringLiteral("ZZZ"), 2, 4, random))
                << "code " << code << " k " << k;
            EXPECT_TRUE(random.exhausted());
        }
    }
}

TEST(PlacementGridTest, CrossingWordMayStartInColumnTwentyRunningLeft) {
    GameState state;
    PlacementGrid grid(state.cellUsed);
    ScriptedRandom random;
    random.give(3, 8).give(18, 360).give(1, 3);  // PZQ down from cell 18: Z in cell 38
    ASSERT_TRUE(grid.attempt(QStringLiteral("PZQ"), 1, 4, random));
    random.give(5, 8).give(190, 360).give(3, 3).give(3, 3).give(1, 1);  // ABZ right to left
    const auto placement = grid.attempt(QStringLiteral("ABZ"), 2, 4, random);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->first, 40);
    EXPECT_EQ(placement->last, 38);
    EXPECT_EQ(placement->crossingCell, 38);
    EXPECT_EQ(grid.letter(40), QChar('A'));
    EXPECT_EQ(grid.letter(39), QChar('B'));
    EXPECT_EQ(grid.letter(38), QChar('Z'));
}

TEST(PlacementGridTest, WordsNeverOverlapBeyondTheCrossingCell) {
    GameState state;
    PlacementGrid grid(state.cellUsed);
    ScriptedRandom random;
    random.give(1, 8).give(21, 360).give(1, 3);  // HELLO in cells 21..25
    ASSERT_TRUE(grid.attempt(QStringLiteral("HELLO"), 1, 4, random));
    random.give(1, 8).give(23, 360).give(1, 3);  // a free LLAMA over the Ls
    EXPECT_FALSE(grid.attempt(QStringLiteral("LLAMA"), 2, 4, random));
    // Crossing at the second L of HELLO with LLAMA's first L runs LLAMA over HELLO's O.
    random.give(1, 8).give(190, 360).give(2, 3).give(1, 5).give(2, 2);
    EXPECT_FALSE(grid.attempt(QStringLiteral("LLAMA"), 2, 4, random));
    EXPECT_EQ(std::count(state.cellUsed.begin(), state.cellUsed.end(), true), 5);
}

TEST_F(GeneratorTest, EveryLevelKeepsItsDirectionsOverManySeeds) {
    const QString path =
        writeTheme({"APPLE", "BANANA", "CHERRY", "DATE", "ELDERBERRY", "FIG", "GRAPE", "HONEYDEW",
                    "KIWI", "LEMON", "MANGO", "NECTARINE", "OLIVE", "PEAR", "PEAR", "QUINCE"});
    for (int level = 1; level <= 4; ++level) {
        std::set<int> codesSeen;
        for (std::uint64_t seed = 1; seed <= 150; ++seed) {
            SCOPED_TRACE(testing::Message() << "level " << level << " seed " << seed);
            state.level = level;
            SeededRandom random(seed);
            const auto puzzle = build(path, random);
            ASSERT_TRUE(puzzle);
            expectValidPuzzle(state, *puzzle);
            for (int i = 1; i <= state.wordCount; ++i) codesSeen.insert(puzzle->placements[i].code);
        }
        std::set<int> levelCodes;
        for (int code = 1; code <= 8; ++code)
            if (allowed(level, code)) levelCodes.insert(code);
        EXPECT_EQ(codesSeen, levelCodes) << "level " << level;
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
    state.puzzleRevealed = true;
    SeededRandom random(7);
    const auto puzzle = build(path, random);
    ASSERT_TRUE(puzzle);
    expectValidPuzzle(state, *puzzle);

    const std::vector<QString> sorted = {"",      "APPLE", "APPLE", "BANANA", "CHERRY",
                                         "DATE",  "FIG",   "GRAPE", "LEMON",  "MANGO",
                                         "OLIVE", "PEAR",  "PLUM"};
    EXPECT_EQ(state.wordCount, 12);
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(state.wordList[i], sorted[i]);
    EXPECT_EQ(state.wordList[13], QString());
    // Equal words keep their file order.
    EXPECT_EQ(state.questionList[1], "Keeps the doctor away");
    EXPECT_EQ(state.questionList[2], "Second apple");
    EXPECT_EQ(state.questionList[12], "Purple");
    EXPECT_NE(state.wordCells[1][1], state.wordCells[2][1]);
    EXPECT_FALSE(state.puzzleRevealed);
    EXPECT_TRUE(state.gameInProgress);

    // The list is laid out once the words are sorted; progress counts the words placed.
    EXPECT_EQ(ui.listAtLayout[1], "APPLE");
    EXPECT_EQ(ui.listAtLayout[12], "PLUM");
    EXPECT_EQ(ui.maximums.back(), 12);
    const std::vector<int> expectedProgress = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ(std::vector<int>(ui.progress.end() - 12, ui.progress.end()), expectedProgress);
    EXPECT_GE(ui.pumps, 12);
    EXPECT_LT(state.attemptCount, kAttemptLimit);
}

TEST_F(GeneratorTest, WordOnlyThemeLeavesQuestionSlotsAlone) {
    const QString path =
        writeTheme({"ONE", "TWO", "SIX", "TEN", "FOUR", "FIVE", "NINE", "EIGHT", "SEVEN", "THREE"});
    std::set<QString> stale;
    for (int i = 1; i <= 20; ++i) {
        state.questionList[i] = QStringLiteral("stale %1").arg(i);
        stale.insert(state.questionList[i]);
    }
    SeededRandom random(3);
    ASSERT_TRUE(build(path, random));
    // Nothing is read into them; they only travel with their slots through the sort.
    EXPECT_EQ(std::set<QString>(state.questionList.begin() + 1, state.questionList.end()), stale);
}

// Without the complete placer's help the random generator asks after its ninth failed cycle.
TEST_F(GeneratorTest, TwentyOneLetterWordAsksOnceOnTheNinthFailedCycleAndNoGivesUp) {
    const QString path = writeTheme(
        {"ABCDEFGHIJKLMNOPQRSTU", "CAT", "DOG", "EEL", "FOX", "GNU", "HEN", "OWL", "PIG", "RAT"});
    ui.waitAnswer = false;
    SeededRandom random(11);
    EXPECT_FALSE(build(path, random, std::chrono::milliseconds::zero()));
    EXPECT_FALSE(state.gameInProgress);
    EXPECT_EQ(ui.questionsAsked, 1);
    EXPECT_EQ(ui.askedAt, kWaitQuestionCount);
    EXPECT_EQ(ui.attemptAdd, 10);
    EXPECT_EQ(ui.cycles, 9);
    EXPECT_EQ(state.attemptCount, kAttemptLimit);
}

TEST_F(GeneratorTest, AnsweringYesKeepsCyclingWithoutAskingAgainUntilStopped) {
    const QString path = writeTheme(
        {"ABCDEFGHIJKLMNOPQRSTU", "CAT", "DOG", "EEL", "FOX", "GNU", "HEN", "OWL", "PIG", "RAT"});
    ui.waitAnswer = true;
    ui.stopAtAttemptAdd = 14;
    SeededRandom random(11);
    EXPECT_FALSE(build(path, random, std::chrono::milliseconds::zero()));
    EXPECT_FALSE(state.gameInProgress);
    EXPECT_EQ(ui.questionsAsked, 1);
    EXPECT_EQ(ui.cycles, 13);
}

TEST_F(GeneratorTest, CompletePlacerAnswersInsteadOfTheWaitQuestion) {
    // Twenty fourteen-letter words at Easy: the random cycles nearly always fail; the placer
    // finds a board and it is played without a question.
    std::vector<QByteArray> fourteen;
    for (char c = 'A'; c < 'A' + 20; ++c) fourteen.push_back(QByteArray(7, c) + "ABCDEFG");
    state.level = 1;
    SeededRandom random(6);
    // Time enough for a slow build on a busy machine: the speed is measured in the benchmark.
    const auto puzzle = build(writeTheme(fourteen), random, std::chrono::minutes(1));
    ASSERT_TRUE(puzzle);
    EXPECT_EQ(ui.questionsAsked, 0);
    EXPECT_TRUE(state.gameInProgress);
    expectValidPuzzle(state, *puzzle);

    // No board can hold these: proven once the first cycle has failed, no question.
    for (const std::vector<QByteArray>& words :
         {std::vector<QByteArray>{"ABCDEFGHIJKLMNOPQRSTU", "CAT", "DOG"},
          std::vector<QByteArray>(20, "ABCDEFGHIJKLMNOPQRST")}) {
        ui = RecordingUi();
        SeededRandom random2(11);
        EXPECT_FALSE(build(writeTheme(words), random2));
        EXPECT_FALSE(state.gameInProgress);
        EXPECT_EQ(ui.questionsAsked, 0);
        EXPECT_EQ(ui.attemptAdd, 2);
    }
}

TEST_F(GeneratorTest, StopWorksWhileTheCompletePlacerSearches) {
    // Twenty words of 17 to 20 random letters: the search cannot settle them quickly. Stop is
    // pressed once it has begun.
    std::vector<QByteArray> crowded;
    SeededRandom letters(5);
    for (int i = 0; i < 20; ++i) {
        QByteArray word;
        for (int length = 16 + letters.drawInt(4); word.size() < length;)
            word += char('A' + letters.drawInt(26) - 1);
        crowded.push_back(word);
    }
    ui.stopAtAttemptAdd = 3;
    ui.stopAfterPumpsAfterFirstFailure = 2;  // the pump after the failed cycle, then the placer's
    SeededRandom random(2);
    EXPECT_FALSE(build(writeTheme(crowded), random));
    EXPECT_FALSE(state.gameInProgress);
    EXPECT_EQ(ui.questionsAsked, 0);
    EXPECT_EQ(ui.attemptAdd, 2);
}

TEST_F(GeneratorTest, StopBeforeTheFirstWordGivesUp) {
    const QString path =
        writeTheme({"ONE", "TWO", "SIX", "TEN", "FOUR", "FIVE", "NINE", "EIGHT", "SEVEN", "THREE"});
    ui.stopAtAttemptAdd = 1;
    SeededRandom random(5);
    EXPECT_FALSE(build(path, random));
    EXPECT_FALSE(state.gameInProgress);
    EXPECT_EQ(ui.progress, std::vector<int>{1});
    EXPECT_EQ(ui.questionsAsked, 0);
}

TEST_F(GeneratorTest, UnreadableThemesGiveUpWithoutAsking) {
    const std::vector<QByteArray> badThemes = {
        "Title\r\n!Me\r\n",                               // no header line
        "Title\r\n!Me\r\n#9W\r\nONE\r\n",                 // one-digit count
        "Title\r\n!Me\r\n#25W\r\nONE\r\n",                // more than 20 words
        "Title\r\n!Me\r\n#03WQ\r\nONE\r\nQ1\r\nTWO\r\n",  // ends after a word line
        "Title\r\n!Me\r\n#03W\r\nONE\r\nTWO\r\n",         // fewer words than its count
    };
    for (const QByteArray& bytes : badThemes) {
        SCOPED_TRACE(bytes.toStdString());
        state.gameInProgress = true;
        ui = RecordingUi();
        SeededRandom random(1);
        EXPECT_FALSE(build(writeFile(bytes), random));
        EXPECT_FALSE(state.gameInProgress);
        EXPECT_EQ(ui.wordListLayouts, 0);
        EXPECT_EQ(ui.questionsAsked, 0);
        EXPECT_EQ(ui.attemptAdd, 1);
    }
    state.gameInProgress = true;
    SeededRandom random(1);
    EXPECT_FALSE(build(dir.filePath(QStringLiteral("missing.qrw")), random));
    EXPECT_FALSE(state.gameInProgress);
}

TEST_F(GeneratorTest, LowerCaseWordsArePlayedInUpperCaseAndCountWithALeadingZero) {
    SeededRandom random(2);
    const auto puzzle = build(writeTheme({"apple", "Kiwi", "fig"}), random);
    ASSERT_TRUE(puzzle);
    EXPECT_EQ(state.wordCount, 3);
    EXPECT_EQ(state.wordList[1], "APPLE");
    EXPECT_EQ(state.wordList[2], "FIG");
    EXPECT_EQ(state.wordList[3], "KIWI");
    expectValidPuzzle(state, *puzzle);
}
