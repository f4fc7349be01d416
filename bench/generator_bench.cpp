// Time to generate one finished puzzle, with the attempts and cycles it took and the share of
// puzzles finished without asking the player whether to wait.
#include "core/filler_copies.h"
#include "core/generator.h"
#include "core/random_source.h"
#include "core/theme_file.h"
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

// The words of each theme, read once as the game reads them at Start Game.
std::vector<std::vector<PuzzleWord>> wordsOf(const QStringList& paths) {
    std::vector<std::vector<PuzzleWord>> themes;
    for (const QString& path : paths) {
        const auto theme = readTheme(path);
        if (const auto words = theme ? wordsToHide(*theme) : std::nullopt) themes.push_back(*words);
    }
    return themes;
}

// Generates from the given themes in turn, one puzzle per iteration.
void generate(benchmark::State& bench, const QStringList& paths, int level) {
    const auto themes = wordsOf(paths);
    ClockRandom random;
    double attempts = 0, failedCycles = 0, puzzles = 0, unasked = 0;
    std::size_t next = 0;
    for (auto _ : bench) {
        NullGeneratorUi ui;
        const GenerationResult result =
            generatePuzzle(themes[next++ % themes.size()], level, ui, random);
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
    for (const auto& words : wordsOf(shippedThemes())) {
        NullGeneratorUi ui;
        const auto puzzle =
            generatePuzzle(words, static_cast<int>(bench.range(0)), ui, random).puzzle;
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
