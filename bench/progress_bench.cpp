// What the "Creating Puzzle" window adds to generation: the same puzzles made with no window
// and with the real window shown (progress bar, event pumping), in one run so the two figures
// give the window layer's ratio.
#include "core/generator.h"
#include "core/random_source.h"
#include "platform/progress/creating_puzzle_ui.h"
#include "platform/progress/creating_puzzle_window.h"
#include "platform/qt_dialogs.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

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

    int failedShown = 1;  // as the window's counter starts
};

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

QString theme(const QTemporaryDir& dir, int which) {
    return which == 0 ? QStringLiteral(QUARROW_SOURCE_DIR "/data/birds.qrw") : longWordTheme(dir);
}

// Argument 0: a shipped theme (birds, Expert); 1: the 8-14-letter list (Easy).
void BM_CoreOnly(benchmark::State& bench) {
    QTemporaryDir dir;
    const QString path = theme(dir, static_cast<int>(bench.range(0)));
    GameState state;
    state.level = bench.range(0) == 0 ? 4 : 1;
    ClockRandom random;
    for (auto _ : bench) {
        NullUi ui;
        benchmark::DoNotOptimize(buildPuzzle(state, path, ui, random));
    }
}

void BM_WithProgressWindow(benchmark::State& bench) {
    QTemporaryDir dir;
    const QString path = theme(dir, static_cast<int>(bench.range(0)));
    GameState state;
    state.level = bench.range(0) == 0 ? 4 : 1;
    ClockRandom random;
    QtDialogs dialogs;
    for (auto _ : bench) {
        CreatingPuzzleWindow window(CreatingPuzzleWindow::Use::PuzzleGeneration);
        window.setLabelText(QStringLiteral("Creating Puzzle"));
        window.show();
        CreatingPuzzleUi ui(window, dialogs, nullptr, nullptr);
        benchmark::DoNotOptimize(buildPuzzle(state, path, ui, random));
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
