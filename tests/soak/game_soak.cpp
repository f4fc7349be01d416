#include "board/board_play.h"
#include "integration/player.h"
#include "platform/sound/media_thread.h"
#include "platform/sound/qt_media_control.h"
#include "platform/sound/sound_player.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <memory>

// Plays whole games with the sound on, through the real media thread and sound server, for
// scripts/soak: the resident memory after warm-up must stay flat, and the media thread must
// still end promptly at quit.
namespace {

// Resident set in kB, from the kernel's view of this process.
long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

// Lets the event loop run as a player's pauses would.
void let(int ms) {
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace

TEST(Soak, GamesWithSoundKeepMemoryFlatAndQuitPromptly) {
    const int games = qEnvironmentVariableIntValue("QUARROW_SOAK_GAMES");
    if (games <= 0) GTEST_SKIP() << "run by scripts/soak";
    const int warmUp = std::min(50, games / 2);
    const QString program = QStringLiteral(QUARROW_PROGRAM_DIR);
    const QStringList themes =
        QDir(program + QStringLiteral("/data")).entryList({QStringLiteral("*.qrw")});
    ASSERT_FALSE(themes.isEmpty());

    TestEnv env;
    auto media = std::make_unique<MediaThread>();
    auto control = std::make_unique<QtMediaControl>(*media);
    SoundPlayer sound(env.state, *control, program + QStringLiteral("/sfx"));
    Services services{env.state,
                      env.dialogs,
                      *env.settings,
                      sound,
                      env.shell,
                      program,
                      env.services.userThemeFolder,
                      env.services.savedGameFile};
    SeededRandom random{2026};
    auto window = std::make_unique<MainWindow>(services, &random);
    env.dialogs.answerMessage(MsgAnswer::Yes);  // the first run's warranty question
    ASSERT_TRUE(window->load());
    window->show();
    env.state.soundOn = true;  // as the splash reads it from a first run's settings
    Player player(*window, env);

    long warmKb = 0;
    for (int game = 1; game <= games; ++game) {
        player.startGame({themes[game % themes.size()], ShowMode::Words, kLevels[game % 4], false});
        const GameSession& session = window->session();
        for (int slot = 1; slot <= session.wordCount(); ++slot) {
            player.find(slot);
            if (session.foundCount() < session.wordCount()) player.letFlashEnd();
            let(20);
        }
        // The board's own timers run the completion sequence up to the end-of-game dialog.
        const QDeadlineTimer deadline(10'000);
        while (!Player::endOfGameDialog() && !deadline.hasExpired()) let(10);
        ASSERT_NE(Player::endOfGameDialog(), nullptr) << "game " << game;
        let(100);
        Player::closeEndOfGameDialog();
        ASSERT_FALSE(window->play().completionRunning());
        env.dialogs.clear();
        if (game == warmUp) warmKb = residentKb();
        if (game % 100 == 0 || game == games) {
            std::printf("   game %4d: resident %ld kB\n", game, residentKb());
            std::fflush(stdout);
        }
    }
    const long growthKb = residentKb() - warmKb;
    std::printf("   growth after game %d: %ld kB over %d games (%.2f kB a game)\n", warmUp,
                growthKb, games - warmUp, double(growthKb) / (games - warmUp));

    // Quitting in the program's order: the windows, the controls, then the media thread.
    window.reset();
    control.reset();
    QElapsedTimer quit;
    quit.start();
    media.reset();
    std::printf("   media thread ended %lld ms after quit%s\n", quit.elapsed(),
                MediaThread::anyLeftBehind() ? " - LEFT BEHIND" : "");
    EXPECT_FALSE(MediaThread::anyLeftBehind());
}
