// What the "Creating Puzzle" window adds to generation: the same puzzles made with no window
// and with the real window shown (progress bar, event pumping), in one run so the two figures
// give the window layer's ratio.
#include "core/generator.h"
#include "core/random_source.h"
#include "core/theme_file.h"
#include "null_generator_ui.h"
#include "platform/progress/creating_puzzle_ui.h"
#include "platform/progress/creating_puzzle_window.h"
#include "platform/qt_dialogs.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Twenty words of 8 to 14 letters: many failed cycles before a puzzle, so many progress steps.
QString longWordTheme(const QTemporaryDir& dir) {
    QByteArray bytes = "Bench\r\n!Bench\r\n#20W\r\n";
    for (const char* word :
         {"ELEPHANT",      "FLAMINGO",      "HEDGEHOG",      "ALLIGATOR",      "BUTTERFLY",
          "CROCODILE",     "CHIMPANZEE",    "SALAMANDER",    "WOODPECKER",     "GRASSHOPPER",
          "NIGHTINGALE",   "RATTLESNAKE",   "HIPPOPOTAMUS",  "CATERPILLARS",   "HUMMINGBIRDS",
          "TYRANNOSAURUS", "VELOCIRAPTORS", "STEGOSAURUSES", "CONGRATULATION", "PHOTOSYNTHESIS"})
        bytes += QByteArray(word) + "\r\n";
    const QString path = dir.filePath(QStringLiteral("long.qrw"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

// Argument 0: a shipped theme (birds, Expert); 1: the 8-14-letter list (Easy).
struct Workload {
    explicit Workload(const benchmark::State& bench) {
        const bool shipped = bench.range(0) == 0;
        const QString path =
            shipped ? QStringLiteral(QUARROW_SOURCE_DIR "/data/birds.qrw") : longWordTheme(dir);
        words = wordsToHide(readTheme(path).value()).value();
        level = shipped ? Level::Expert : Level::Easy;
    }
    GenerationResult build(GenerationProgress& progress) {
        return generatePuzzle(words, level, progress, random);
    }

    QTemporaryDir dir;
    std::vector<PuzzleWord> words;
    Level level = Level::Easy;
    ClockRandom random;
};

void BM_CoreOnly(benchmark::State& bench) {
    Workload work(bench);
    for (auto _ : bench) {
        NullGeneratorUi ui;
        benchmark::DoNotOptimize(work.build(ui));
    }
}

void BM_WithProgressWindow(benchmark::State& bench) {
    Workload work(bench);
    QtDialogs dialogs;
    for (auto _ : bench) {
        CreatingPuzzleWindow window(CreatingPuzzleWindow::Use::PuzzleGeneration);
        window.setLabelText(QStringLiteral("Creating Puzzle"));
        window.show();
        CreatingPuzzleUi ui(window, dialogs);
        benchmark::DoNotOptimize(work.build(ui));
        window.close();
    }
}

}  // namespace

BENCHMARK(BM_CoreOnly)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_WithProgressWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(5);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
