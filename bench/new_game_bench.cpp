// Opening the new-game dialog with many themes in the player's folder: the dialog built, its
// list filled and the first theme read, shown and painted once. Arguments: how many themes.
#include "bench_board.h"
#include "newgame/new_puzzle_dialog.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>

namespace {

// `count` themes of twenty words with questions, as big as shipped themes get.
void writeThemes(const QString& folder, int count) {
    QDir().mkpath(folder);
    for (int n = 0; n < count; ++n) {
        QByteArray bytes = "Theme " + QByteArray::number(n) + "\r\n!Bench\r\n#20WQ\r\n";
        for (int w = 0; w < 20; ++w) {
            bytes += "WORD" + QByteArray(1, char('A' + w)) + QByteArray(1, char('A' + n % 26)) +
                     "\r\nWhich word comes after the one before it in this list?\r\n";
        }
        QFile file(QStringLiteral("%1/theme_%2.qrw").arg(folder).arg(n, 4, 10, QLatin1Char('0')));
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }
}

void BM_OpenNewGameDialog(benchmark::State& bench) {
    BenchBoard game;
    game.services.userThemeFolder = game.dir.filePath(QStringLiteral("own"));
    writeThemes(game.services.userThemeFolder, static_cast<int>(bench.range(0)));
    QDir().mkpath(game.services.dataFolder());
    for (auto _ : bench) {
        NewPuzzleDialog dialog(game.services);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.form().selectedTheme());
    }
}

}  // namespace

BENCHMARK(BM_OpenNewGameDialog)->Arg(15)->Arg(500)->Unit(benchmark::kMillisecond)->Repetitions(5);

QUARROW_BENCHMARK_MAIN()
