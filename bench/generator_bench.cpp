// Time to generate one finished puzzle, with the attempts and cycles it took and the share of
// puzzles finished without asking the player whether to wait.
#include "bench_themes.h"
#include "core/filler_copies.h"
#include "core/generator.h"
#include "core/random_source.h"
#include "null_generator_ui.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace {

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

// Twenty words of twenty letters need 400 - 19 cells even with every word sharing one: no board
// exists, and the player should hear so at once, without the wait question.
void BM_TwentyTwentyLetterWords(benchmark::State& bench) {
    const std::vector<const char*> words(20, "ABCDEFGHIJKLMNOPQRST");
    QTemporaryDir dir;
    const QString path = writeTheme(dir, words);
    GameState state;
    state.level = static_cast<int>(bench.range(0));
    ClockRandom random;
    // Answers the wait question No, as a player would who has waited long enough.
    struct DecliningUi : NullGeneratorUi {
        bool askWait() override {
            asked = true;
            return false;
        }
    };
    double asked = 0;
    for (auto _ : bench) {
        DecliningUi ui;
        state.gameInProgress = true;
        benchmark::DoNotOptimize(buildPuzzle(state, path, ui, random));
        if (ui.asked) ++asked;
    }
    bench.counters["question_share"] = asked / static_cast<double>(bench.iterations());
}
void BM_TwentyFourteenLetterWordsExpert(benchmark::State& bench) {
    generateList(bench, kTwentyFourteenLetterWords, 4);
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

BENCHMARK(BM_TwentyTwentyLetterWords)
    ->DenseRange(1, 4)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);
// A thousand puzzles, for the share that needed the wait question.
BENCHMARK(BM_TwentyFourteenLetterWordsExpert)
    ->Iterations(1000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
