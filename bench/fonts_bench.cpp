// Applying a font to the 360 grid cells, as Options > Fonts and start-up do. Goal: < 20 ms.
#include "bench_board.h"
#include "shell/fonts/board_fonts.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// Two fonts taken in turn, so every pass really changes every cell.
QFont benchFont(int pass) {
    QFont font(pass % 2 ? QStringLiteral("MS Sans Serif") : QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(pass % 2 ? 14 : 13.5);
    font.setBold(pass % 2 == 1);
    return font;
}

void BM_ApplyFontToGrid(benchmark::State& run) {
    BenchBoard bench;
    int pass = 0;
    for (auto _ : run) {
        applyFontToAll(bench.board, FontTarget::Grid, benchFont(++pass),
                       FontParts::NameSizeStyleUnderline);
    }
}
BENCHMARK(BM_ApplyFontToGrid)->Unit(benchmark::kMillisecond);

// The same with the board on screen and repainted afterwards, as the player sees it.
void BM_ApplyFontToGridAndRepaint(benchmark::State& run) {
    BenchBoard bench;
    bench.board.show();
    QApplication::processEvents();
    int pass = 0;
    for (auto _ : run) {
        applyFontToAll(bench.board, FontTarget::Grid, benchFont(++pass),
                       FontParts::NameSizeStyleUnderline);
        bench.board.repaint();
    }
}
BENCHMARK(BM_ApplyFontToGridAndRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

QUARROW_BENCHMARK_MAIN()
