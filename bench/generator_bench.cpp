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
    std::vector<std::vector<PuzzleWord>> themes;
    for (const QString& path : paths) themes.push_back(hiddenWords(path));
    ClockRandom random;
    double attempts = 0, failedCycles = 0, puzzles = 0, unasked = 0;
    std::size_t next = 0;
    for (auto _ : bench) {
        NullGeneratorUi ui;
        const GenerationResult result =
            generatePuzzle(themes[next++ % themes.size()], *levelFromNumber(level), ui, random);
        benchmark::DoNotOptimize(result);
        if (!result.puzzle) {
            bench.SkipWithError("generation failed");
            break;
        }
        const int failed = ui.failedShown - 1;
        attempts += result.attempts;
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
        const std::vector<PuzzleWord> words = hiddenWords(path);
        NullGeneratorUi ui;
        const auto puzzle =
            generatePuzzle(words, *levelFromNumber(static_cast<int>(bench.range(0))), ui, random)
                .puzzle;
        if (!puzzle) continue;
        Board board{puzzle->letters, {}, {}};
        for (const PuzzleWord& word : puzzle->words) {
            board.words.push_back(word.word);
            const int span = static_cast<int>(word.word.size()) - 1;
            const int step = span == 0 ? 0 : (word.last - word.first) / span;
            for (int j = 0; j <= span; ++j) board.placed[word.first + j * step] = true;
        }
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
    const std::vector<PuzzleWord> hidden = hiddenWords(writeTheme(dir, words));
    const int level = static_cast<int>(bench.range(0));
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
        benchmark::DoNotOptimize(generatePuzzle(hidden, *levelFromNumber(level), ui, random));
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
