#pragma once

// A board window playing a game, with real Qt services, silent sound and a throw-away settings
// file, for the benchmarks that drive the board as the game does.
#include "board/board_play.h"
#include "board/board_window.h"
#include "core/game_session.h"
#include "core/game_state.h"
#include "platform/media_control.h"
#include "platform/qt_dialogs.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "platform/shell_opener.h"
#include "platform/sound/sound_player.h"

#include <QTemporaryDir>

class SilentMedia : public MediaControl {
  public:
    void setFileName(const QString& path) override { file_ = path; }
    QString fileName() const override { return file_; }
    void command(const QString&) override {}

  private:
    QString file_;
};

struct BenchBoard {
    QTemporaryDir dir;
    GameState state;
    QtDialogs dialogs;
    IniSettingsStore settings{dir.path() + QStringLiteral("/QRW.ini")};
    SilentMedia media;
    SoundPlayer sound{state, media, dir.path()};
    DesktopShellOpener shell;
    Services services{state, dialogs,    settings,   sound,
                      shell, dir.path(), dir.path(), dir.filePath(QStringLiteral("saved-game"))};
    GameSession session;
    BoardWindow board{state};
    BoardPlay play{services, session, board};
};

// Runs the benchmarks registered in the program with a QApplication on the offscreen platform
// unless another one is chosen.
#define QUARROW_BENCHMARK_MAIN()                              \
    int main(int argc, char** argv) {                         \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) { \
            qputenv("QT_QPA_PLATFORM", "offscreen");          \
        }                                                     \
        QApplication app(argc, argv);                         \
        benchmark::Initialize(&argc, argv);                   \
        benchmark::RunSpecifiedBenchmarks();                  \
        benchmark::Shutdown();                                \
        return 0;                                             \
    }
