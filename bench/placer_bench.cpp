// Lists that are hard or impossible to place: the share of random long lists the complete placer
// settles within a second of CPU time, and whole generations of long lists against a plain
// backtracking placer with the same rules (the floor), timed side by side in one run.
#include "bench_themes.h"
#include "core/complete_placer.h"
#include "core/generator.h"
#include "core/random_source.h"
#include "null_generator_ui.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <ctime>

namespace {

using namespace generator;

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Twenty words of 17 to 20 letters drawn with English letter frequencies, so that letters match
// at crossings about as often as in real words.
std::vector<QString> randomLongList(std::uint64_t seed) {
    static constexpr int kPerMille[26] = {82, 15, 28, 43, 127, 22, 20, 61, 70, 2,  8, 40, 24,
                                          67, 75, 19, 1,  60,  63, 91, 28, 10, 24, 2, 20, 1};
    SeededRandom random(seed);
    std::vector<QString> words(20);
    for (QString& word : words) {
        const int length = 16 + random.drawInt(4);
        while (word.size() < length) {
            int pick = random.drawInt(1000);
            int letter = 0;
            while (letter < 25 && pick > kPerMille[letter]) pick -= kPerMille[letter++];
            word += QChar('A' + letter);
        }
    }
    std::sort(words.begin(), words.end());
    return words;
}

constexpr int kRandomLists = 50;

void BM_RandomLongListsDecided(benchmark::State& bench) {
    const int level = static_cast<int>(bench.range(0));
    double found = 0, proven = 0, slowest = 0;
    for (auto _ : bench) {
        for (int list = 1; list <= kRandomLists; ++list) {
            SeededRandom random(list);
            const double start = cpuSeconds();
            const PlacerResult result =
                placeAllWords(randomLongList(list), *levelFromNumber(level), {}, random,
                              [start] { return cpuSeconds() - start < 1; });
            slowest = std::max(slowest, cpuSeconds() - start);
            if (result.verdict == PlacerVerdict::Found) ++found;
            if (result.verdict == PlacerVerdict::Impossible) ++proven;
        }
    }
    bench.counters["decided_share"] = (found + proven) / kRandomLists;
    bench.counters["boards"] = found;
    bench.counters["proofs"] = proven;
    bench.counters["slowest_s"] = slowest;
}

// The floor: the words in list order, each tried at every legal place in random order with
// plain backtracking that starts afresh, with twice the allowance, whenever it has laid a word
// more often than allowed (so one bad early choice costs little); then the free cells are filled
// with random letters.
class FloorPlacer {
  public:
    FloorPlacer(const std::vector<QString>& words, int level, RandomSource& random)
        : words_(words), level_(level), random_(random) {}

    void place() {
        for (long allowance = 64;; allowance *= 2) {
            lays_ = allowance;
            letters_ = {};
            if (place(0)) return;
        }
    }
    void fill() {
        for (int cell = 1; cell <= kCells; ++cell) {
            if (letters_[cell].isNull()) letters_[cell] = QChar(64 + random_.drawInt(26));
        }
    }

  private:
    static constexpr std::array<int, 4> kStrides{7, 11, 13, 17};  // prime to 8 x 360

    bool place(std::size_t index) {
        if (index == words_.size()) return true;
        const QString& word = words_[index];
        // Every direction and first cell once, in an order drawn afresh for each word: a random
        // start walked with a stride prime to the number of spots.
        const int spots = 8 * kCells;
        const int start = random_.drawInt(spots) - 1;
        const int stride = kStrides[random_.drawInt(kStrides.size()) - 1];
        for (int i = 0; i < spots; ++i) {
            const int spot = (start + i * stride) % spots;
            const int code = spot / kCells + 1;
            const int first = spot % kCells + 1;
            if (code == 7 || !allowed(*levelFromNumber(level_), code) || !fits(word, code, first))
                continue;
            if (--lays_ < 0) return false;
            const auto before = letters_;
            const int step = direction(code).cellStep;
            for (int j = 0; j < word.size(); ++j) letters_[first + j * step] = word[j];
            if (place(index + 1)) return true;
            letters_ = before;
            if (lays_ < 0) return false;
        }
        return false;
    }
    bool fits(const QString& word, int code, int first) const {
        const Direction dir = direction(code);
        const int col = (first - 1) % kColumns + 1;
        const int row = (first - 1) / kColumns;
        const int span = static_cast<int>(word.size()) - 1;
        const int lastCol = col + span * dir.columnStep;
        const int lastRow = row + span * dir.rowStep;
        if (lastCol < 1 || lastCol > kColumns || lastRow < 0 || lastRow >= kRows) return false;
        int shared = 0;
        for (int j = 0; j <= span; ++j) {
            const int cell = first + j * dir.cellStep;
            if (letters_[cell].isNull()) continue;
            if (letters_[cell] != word[j] || (cell - 1) % kColumns + 1 == kColumns) return false;
            ++shared;
        }
        return shared == 1 || (shared == 0 && col != kColumns);
    }

    const std::vector<QString>& words_;
    int level_;
    RandomSource& random_;
    std::array<QChar, kCells + 1> letters_{};
    long lays_ = 0;
};

const std::vector<const char*>& longList(int index) {
    static const std::vector<const std::vector<const char*>*> lists{
        &kTwentyLongWords, &kEightToFourteen, &kTwentyFourteenLetterWords};
    return *lists[static_cast<std::size_t>(index)];
}

// Arguments: the list (0 twenty of 8-12 letters, 1 eight to fourteen, 2 twenty of 14), level.
void BM_LongListAgainstFloor(benchmark::State& bench) {
    const std::vector<const char*>& list = longList(static_cast<int>(bench.range(0)));
    const int level = static_cast<int>(bench.range(1));
    QTemporaryDir dir;
    const std::vector<PuzzleWord> hidden = hiddenWords(writeTheme(dir, list));
    std::vector<QString> words(list.begin(), list.end());
    std::sort(words.begin(), words.end());
    ClockRandom random;
    double generatorTime = 0, floorTime = 0;
    for (auto _ : bench) {
        NullGeneratorUi ui;
        double start = cpuSeconds();
        benchmark::DoNotOptimize(generatePuzzle(hidden, *levelFromNumber(level), ui, random));
        generatorTime += cpuSeconds() - start;

        start = cpuSeconds();
        FloorPlacer floor(words, level, random);
        floor.place();
        floor.fill();
        floorTime += cpuSeconds() - start;
    }
    const auto perPuzzle = static_cast<double>(bench.iterations()) / 1e6;
    bench.counters["generator_us"] = generatorTime / perPuzzle;
    bench.counters["floor_us"] = floorTime / perPuzzle;
    bench.counters["ratio"] = generatorTime / floorTime;
}

}  // namespace

BENCHMARK(BM_RandomLongListsDecided)
    ->DenseRange(1, 4)
    ->Iterations(1)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_LongListAgainstFloor)
    ->ArgsProduct({{0, 1, 2}, {1, 2, 3, 4}})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
