// Time to generate one finished puzzle, with the attempts and cycles it took and the share of
// puzzles finished without asking the player whether to wait.
#include "core/filler_copies.h"
#include "core/generator.h"
#include "core/random_source.h"
#include "null_generator_ui.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace {

QString writeTheme(const QTemporaryDir& dir, const std::vector<const char*>& words) {
    QByteArray bytes = "Bench\r\n!Bench\r\n#" + QByteArray::number(int(words.size())) + "W\r\n";
    for (const char* word : words) bytes += QByteArray(word) + "\r\n";
    const QString path = dir.filePath(QStringLiteral("bench.qrw"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

QStringList shippedThemes() {
    const QDir data(QStringLiteral(QUARROW_SOURCE_DIR "/data"));
    QStringList paths;
    for (const QString& name : data.entryList({QStringLiteral("*.qrw")}, QDir::Files))
        paths << data.filePath(name);
    return paths;
}

const std::vector<const char*> kTenShortWords = {"CAT", "DOG", "EEL", "FOX", "GNU",
                                                 "HEN", "OWL", "PIG", "RAT", "YAK"};
const std::vector<const char*> kTwentyLongWords = {
    "ALLIGATOR",    "BUTTERFLY",   "CHAMELEON",  "CHIMPANZEE",  "CROCODILE",
    "DRAGONFLY",    "ELEPHANT",    "FLAMINGO",   "GRASSHOPPER", "HEDGEHOG",
    "HIPPOPOTAMUS", "KANGAROO",    "LADYBIRD",   "MOSQUITO",    "NIGHTINGALE",
    "PORCUPINE",    "RATTLESNAKE", "SALAMANDER", "TARANTULA",   "WOODPECKER"};
// Three words of each length from 8 to 13 and two of 14.
const std::vector<const char*> kEightToFourteen = {
    "ELEPHANT",      "FLAMINGO",      "HEDGEHOG",      "ALLIGATOR",      "BUTTERFLY",
    "CROCODILE",     "CHIMPANZEE",    "SALAMANDER",    "WOODPECKER",     "GRASSHOPPER",
    "NIGHTINGALE",   "RATTLESNAKE",   "HIPPOPOTAMUS",  "CATERPILLARS",   "HUMMINGBIRDS",
    "TYRANNOSAURUS", "VELOCIRAPTORS", "STEGOSAURUSES", "CONGRATULATION", "PHOTOSYNTHESIS"};
const std::vector<const char*> kTwentyFourteenLetterWords = {
    "ADMINISTRATION", "ACCOMMODATIONS", "CHARACTERISTIC", "CONGRATULATION", "CONSTELLATIONS",
    "DETERMINATIONS", "ENTERTAINMENTS", "ENVIRONMENTALS", "INTERPRETATION", "INVESTIGATIONS",
    "MISINTERPRETED", "OVERWHELMINGLY", "PHOTOSYNTHESIS", "PROFESSIONALLY", "RECOMMENDATION",
    "REPRESENTATIVE", "RESPONSIBILITY", "SIMULTANEOUSLY", "TRANSFORMATION", "UNDERSTANDINGS"};

// Generates from the given themes in turn, one puzzle per iteration.
void generate(benchmark::State& bench, const QStringList& paths, int level) {
    GameState state;
    state.level = level;
    ClockRandom random;
    double attempts = 0, failedCycles = 0, puzzles = 0, unasked = 0;
    int next = 0;
    for (auto _ : bench) {
        NullGeneratorUi ui;
        state.gameInProgress = true;
        const auto puzzle = buildPuzzle(state, paths[next++ % paths.size()], ui, random);
        benchmark::DoNotOptimize(puzzle);
        if (!puzzle) {
            bench.SkipWithError("generation failed");
            break;
        }
        const int failed = ui.failedShown - 1;
        // Each failed cycle used its whole budget; the last one counted from 1.
        attempts += failed * (generator::kAttemptLimit - 2) + (state.attemptCount - 1);
        failedCycles += failed;
        ++puzzles;
        if (!ui.asked) ++unasked;
    }
    bench.counters["attempts"] = benchmark::Counter(attempts, benchmark::Counter::kAvgIterations);
    bench.counters["failed_cycles"] =
        benchmark::Counter(failedCycles, benchmark::Counter::kAvgIterations);
    bench.counters["cycle_success_share"] = puzzles / (puzzles + failedCycles);
    bench.counters["no_question_share"] = unasked / puzzles;
}

void generateList(benchmark::State& bench, const std::vector<const char*>& words, int level) {
    QTemporaryDir dir;
    generate(bench, {writeTheme(dir, words)}, level);
}

void BM_ShippedThemes(benchmark::State& bench) {
    generate(bench, shippedThemes(), static_cast<int>(bench.range(0)));
}
// The share of the shipped-theme time spent keeping filler letters from spelling a word twice:
// the same work on boards generated beforehand.
void BM_ShippedThemesFillerCopies(benchmark::State& bench) {
    struct Board {
        GridLetters letters;
        std::array<bool, GameState::kCells + 1> placed;
        std::vector<QString> words;
    };
    std::vector<Board> boards;
    ClockRandom random;
    for (const QString& path : shippedThemes()) {
        GameState state;
        state.level = static_cast<int>(bench.range(0));
        NullGeneratorUi ui;
        const auto puzzle = buildPuzzle(state, path, ui, random);
        if (!puzzle) continue;
        Board board{{}, state.cellUsed, {}};
        for (int cell = 1; cell <= GameState::kCells; ++cell)
            board.letters[cell] = puzzle->cells[cell][0];
        board.words.assign(state.wordList.begin() + 1,
                           state.wordList.begin() + 1 + state.wordCount);
        boards.push_back(board);
    }
    std::size_t next = 0;
    for (auto _ : bench) {
        Board& board = boards[next++ % boards.size()];
        GridLetters letters = board.letters;
        benchmark::DoNotOptimize(redrawFillerCopies(letters, board.placed, board.words, random));
    }
}
void BM_TenShortWordsEasy(benchmark::State& bench) {
    generateList(bench, kTenShortWords, 1);
}
void BM_TwentyLongWordsExpert(benchmark::State& bench) {
    generateList(bench, kTwentyLongWords, 4);
}
void BM_EightToFourteenLetters(benchmark::State& bench) {
    generateList(bench, kEightToFourteen, static_cast<int>(bench.range(0)));
}
void BM_TwentyFourteenLetterWordsEasy(benchmark::State& bench) {
    generateList(bench, kTwentyFourteenLetterWords, 1);
}

double percentile95(const std::vector<double>& values) {
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    return sorted[static_cast<std::size_t>(0.95 * static_cast<double>(sorted.size() - 1))];
}

}  // namespace

// Argument: level (1 Easy, 4 Expert).
BENCHMARK(BM_ShippedThemes)
    ->Arg(1)
    ->Arg(4)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ShippedThemesFillerCopies)
    ->Arg(1)
    ->Arg(4)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_TenShortWordsEasy)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_TwentyLongWordsExpert)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
// One puzzle per repetition, so the spread (p95) is that of single puzzles.
BENCHMARK(BM_EightToFourteenLetters)
    ->DenseRange(1, 4)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(100)
    ->ComputeStatistics("p95", percentile95)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_TwentyFourteenLetterWordsEasy)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(100)
    ->ComputeStatistics("p95", percentile95)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
