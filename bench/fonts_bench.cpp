// Applying a font to the 360 grid cells, as Options > Fonts and start-up do. Goal: < 20 ms.
#include "board/board_window.h"
#include "core/game_state.h"
#include "platform/media_control.h"
#include "platform/qt_dialogs.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "platform/shell_opener.h"
#include "platform/sound/sound_player.h"
#include "shell/fonts/board_fonts.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class SilentMedia : public MediaControl {
  public:
    void setFileName(const QString& path) override { file_ = path; }
    QString fileName() const override { return file_; }
    void command(const QString&) override {}

  private:
    QString file_;
};

// Two fonts taken in turn, so every pass really changes every cell.
QFont benchFont(int pass) {
    QFont font(pass % 2 ? QStringLiteral("MS Sans Serif") : QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(pass % 2 ? 14 : 13.5);
    font.setBold(pass % 2 == 1);
    return font;
}

struct BenchBoard {
    QTemporaryDir dir;
    GameState state;
    QtDialogs dialogs;
    IniSettingsStore settings{dir.path() + QStringLiteral("/QRW.ini")};
    SilentMedia media;
    SoundPlayer sound{state, media, dir.path()};
    DesktopShellOpener shell;
    Services services{state, dialogs, settings, sound, shell, dir.path(), dir.path()};
    BoardWindow board{services};
};

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

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
