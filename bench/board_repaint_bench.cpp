// Repainting the board: the whole client area with and without the cached static board, and
// the small repaints of a selection dragged over the grid. Goals: a cached repaint far below
// an uncached one; a drag step through the window (BM_SelectionDrag) at most twice the bare
// cost of painting the same areas from the cache with their lines (BM_SelectionDragAreas/1).
// BM_SelectionDragFloor copies the areas without any line, which shows what the line costs.
#include "bench_board.h"
#include "board/board_painter.h"
#include "board/static_board_cache.h"
#include "core/grid_shape.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

namespace {

const QSize kBoardSize(782, 505);

// A game half played: letters everywhere, twenty questions, five words struck.
void halfPlayed(BoardModel& model, const QString& question) {
    for (int n = 1; n <= grid::kCells; ++n) {
        model.cells[n].font = defaultCellFont();
        model.cells[n].caption = QChar('A' + n * 7 % 26);
    }
    for (int i = 1; i <= 20; ++i) {
        model.entries[i].font = defaultEntryFont();
        model.entries[i].caption = question;
    }
    for (int k = 1; k <= 5; ++k) {
        BoardLine& line = model.lines[k];
        line.visible = true;
        line.p1 = board_geometry::cellCentre(20 * 3 * k + k);
        line.p2 = board_geometry::cellCentre(20 * 3 * k + k + 6);
        model.entries[k].struck = true;
    }
}

// The same game in play: twenty question words of seven letters, the five found ones where
// halfPlayed draws their lines, the others down the right of the grid.
void playHalfAGame(BenchBoard& bench, const QString& question) {
    Puzzle puzzle;
    for (int n = 1; n <= 360; ++n) puzzle.letters[n] = QChar('A' + n * 7 % 26);
    for (int i = 1; i <= 20; ++i) {
        const int first = i <= 5 ? 20 * 3 * i + i : 20 * (i - 6) + 14;
        puzzle.words.push_back({QStringLiteral("WORDING"), question, first, first + 6});
    }
    bench.session.generationStarted(
        {"data\\bench.qrw", "Bench", "", Level::Medium, ShowMode::Questions, false});
    bench.session.generated(puzzle);
    for (int k = 1; k <= 5; ++k) {
        emit bench.board.cellPressed(puzzle.word(k).first, PressButton::Left);
        emit bench.board.cellPressed(puzzle.word(k).last, PressButton::Left);
    }
    bench.play.stopTimers();
}

BoardModel benchModel(const QString& question = QStringLiteral("Which bird hoots at night?")) {
    BoardModel model;
    halfPlayed(model, question);
    return model;
}

void BM_BoardRepaintUncached(benchmark::State& run) {
    const BoardModel model = benchModel();
    QImage image(kBoardSize, QImage::Format_RGB32);
    for (auto _ : run) {
        QPainter painter(&image);
        paintBoardModel(painter, model);
    }
}
BENCHMARK(BM_BoardRepaintUncached)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

void BM_BoardRepaintCached(benchmark::State& run) {
    const BoardModel model = benchModel();
    QImage image(kBoardSize, QImage::Format_RGB32);
    StaticBoardCache cache;
    for (auto _ : run) {
        QPainter painter(&image);
        cache.paint(painter, model, kBoardSize, 1, QRect(QPoint(0, 0), kBoardSize));
    }
    run.counters["rebuilds"] = cache.rebuilds();
}
BENCHMARK(BM_BoardRepaintCached)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// Questions of 100,000 characters each cost what short ones do.
void BM_BoardRepaintUncachedLongQuestions(benchmark::State& run) {
    const BoardModel model =
        benchModel(QStringLiteral("Which bird ") + QString(100000, QChar('x')));
    QImage image(kBoardSize, QImage::Format_RGB32);
    for (auto _ : run) {
        QPainter painter(&image);
        paintBoardModel(painter, model);
    }
}
BENCHMARK(BM_BoardRepaintUncachedLongQuestions)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

// The cells a player's pointer crosses around a selection anchored on cell 188 (row 9,
// column 7): every cell of the 9 x 9 square about it, row by row.
constexpr int kAnchor = 188;
std::vector<int> dragPath() {
    std::vector<int> cells;
    for (int dr = -4; dr <= 4; ++dr) {
        for (int dc = -4; dc <= 4; ++dc) cells.push_back(kAnchor + 20 * dr + dc);
    }
    return cells;
}

// The board on screen with that selection open, and the areas the window repaints while the
// free end runs along the path.
struct DragFixture {
    BenchBoard bench;
    std::vector<int> path = dragPath();
    std::vector<QRegion> repainted;
    std::size_t next = 0;

    DragFixture() {
        playHalfAGame(bench, QStringLiteral("Which bird hoots at night?"));
        bench.board.show();
        QApplication::processEvents();
        emit bench.board.cellPressed(kAnchor, PressButton::Left);
        QApplication::processEvents();
    }
    void dragStep() {
        emit bench.board.pointerOver(path[next]);
        QApplication::processEvents();
        next = (next + 1) % path.size();
    }
    // One round of the path, keeping each area the window repaints.
    void recordAreas() {
        struct Recorder : QObject {
            std::vector<QRegion>& out;
            explicit Recorder(std::vector<QRegion>& regions) : out(regions) {}
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::Paint) {
                    out.push_back(static_cast<QPaintEvent*>(event)->region());
                }
                return false;
            }
        } recorder(repainted);
        bench.board.installEventFilter(&recorder);
        for (std::size_t step = 0; step < path.size(); ++step) dragStep();
        bench.board.removeEventFilter(&recorder);
    }
};

void BM_SelectionDrag(benchmark::State& run) {
    DragFixture drag;
    for (auto _ : run) drag.dragStep();
}
BENCHMARK(BM_SelectionDrag)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// The same repaints with no line to draw: only the static board copied from the pixmap.
void BM_SelectionDragFloor(benchmark::State& run) {
    DragFixture drag;
    drag.recordAreas();
    drag.bench.session.newWordSearch();  // no line left to draw
    drag.bench.play.refresh();
    std::size_t next = 0;
    for (auto _ : run) {
        drag.bench.board.update(drag.repainted[next]);
        QApplication::processEvents();
        next = (next + 1) % drag.repainted.size();
    }
}
BENCHMARK(BM_SelectionDragFloor)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// Painting only those areas into an image, with and without the cache: the whole board
// drawn and clipped, as every step did before the cache.
void BM_SelectionDragAreas(benchmark::State& run) {
    const bool cached = run.range(0) == 1;
    DragFixture drag;
    drag.recordAreas();
    const BoardModel& model = drag.bench.board.model();
    QImage image(kBoardSize, QImage::Format_RGB32);
    StaticBoardCache cache;
    std::size_t next = 0;
    for (auto _ : run) {
        const QRegion& area = drag.repainted[next];
        QPainter painter(&image);
        painter.setClipRegion(area);
        if (cached) {
            cache.paint(painter, model, kBoardSize, 1, area.boundingRect());
        } else {
            paintBoardModel(painter, model);
        }
        next = (next + 1) % drag.repainted.size();
    }
    run.SetLabel(cached ? "cached" : "uncached");
}
BENCHMARK(BM_SelectionDragAreas)
    ->Arg(0)
    ->Arg(1)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

QUARROW_BENCHMARK_MAIN()
