// Time to generate one finished puzzle, with the attempts and cycles it took.
#include "core/generator.h"
#include "core/random_source.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <vector>

namespace {

// No window: progress is dropped, the wait question is always answered Yes.
class NullUi : public GeneratorUi {
  public:
    void setProgressMaximum(int) override {}
    void setProgress(int) override {}
    void wordListReady() override {}
    void pumpEvents() override {}
    int addFailedCycle() override { return ++failedShown; }
    bool askWait() override { return true; }
    bool stopRequested() override { return false; }
    void hideStrikeLines() override {}

    int failedShown = 1;
};

QString writeTheme(const QTemporaryDir& dir, const char* name,
                   const std::vector<const char*>& words) {
    QByteArray bytes = "Bench\r\n!Bench\r\n#" + QByteArray::number(int(words.size())) + "W\r\n";
    for (const char* word : words) bytes += QByteArray(word) + "\r\n";
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

const std::vector<const char*> kTenShortWords = {"CAT", "DOG", "EEL", "FOX", "GNU",
                                                 "HEN", "OWL", "PIG", "RAT", "YAK"};
const std::vector<const char*> kTwentyLongWords = {
    "ALLIGATOR",    "BUTTERFLY",   "CHAMELEON",  "CHIMPANZEE",  "CROCODILE",
    "DRAGONFLY",    "ELEPHANT",    "FLAMINGO",   "GRASSHOPPER", "HEDGEHOG",
    "HIPPOPOTAMUS", "KANGAROO",    "LADYBIRD",   "MOSQUITO",    "NIGHTINGALE",
    "PORCUPINE",    "RATTLESNAKE", "SALAMANDER", "TARANTULA",   "WOODPECKER"};
const std::vector<const char*> kTwentyFourteenLetterWords = {
    "ADMINISTRATION", "ACCOMMODATIONS", "CHARACTERISTIC", "CONGRATULATION", "CONSTELLATIONS",
    "DETERMINATIONS", "ENTERTAINMENTS", "ENVIRONMENTALS", "INTERPRETATION", "INVESTIGATIONS",
    "MISINTERPRETED", "OVERWHELMINGLY", "PHOTOSYNTHESIS", "PROFESSIONALLY", "RECOMMENDATION",
    "REPRESENTATIVE", "RESPONSIBILITY", "SIMULTANEOUSLY", "TRANSFORMATION", "UNDERSTANDINGS"};

void generate(benchmark::State& bench, const std::vector<const char*>& words, int level) {
    QTemporaryDir dir;
    const QString path = writeTheme(dir, "bench.qrw", words);
    GameState state;
    state.level = level;
    ClockRandom random;
    double attempts = 0, failedCycles = 0, puzzles = 0;
    for (auto _ : bench) {
        NullUi ui;
        state.gameInProgress = true;
        const auto puzzle = buildPuzzle(state, path, ui, random);
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
    }
    bench.counters["attempts"] = benchmark::Counter(attempts, benchmark::Counter::kAvgIterations);
    bench.counters["failed_cycles"] =
        benchmark::Counter(failedCycles, benchmark::Counter::kAvgIterations);
    bench.counters["cycle_success_share"] = puzzles / (puzzles + failedCycles);
}

void BM_TenShortWordsEasy(benchmark::State& bench) {
    generate(bench, kTenShortWords, 1);
}
void BM_TwentyLongWordsExpert(benchmark::State& bench) {
    generate(bench, kTwentyLongWords, 4);
}
void BM_TwentyFourteenLetterWordsEasy(benchmark::State& bench) {
    generate(bench, kTwentyFourteenLetterWords, 1);
}

}  // namespace

BENCHMARK(BM_TenShortWordsEasy)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_TwentyLongWordsExpert)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
// Seconds per puzzle and widely spread: one iteration per repetition.
BENCHMARK(BM_TwentyFourteenLetterWordsEasy)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
