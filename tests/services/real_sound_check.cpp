#include "platform/sound/qt_media_control.h"

#include "platform/sound/media_engine.h"
#include "platform/sound/media_thread.h"

#include "service_events.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>

// Plays sounds on the real sound server for scripts/check-services, which records the server's
// monitor and counts what was heard. Between rounds of effects the script restarts the server;
// once sound is back, every effect of the next round must be heard as well. Then the start-up
// tune plays through the media player; and last the script stops the server dead, and nothing
// may wait for it.
namespace {

using service_events::handshake;
using service_events::pause;

void playEffect(QtMediaControl& control, const QString& file) {
    control.setFileName(QStringLiteral(QUARROW_PROGRAM_DIR "/sfx/") + file);
    control.command(QStringLiteral("sound"));
}

void playRound(QtMediaControl& control) {
    // Clicks as a player makes them, then a quick run of strikes like Reveal Puzzle's.
    for (int i = 0; i < 5; ++i) {
        playEffect(control, QStringLiteral("click.wav"));
        pause(400);
    }
    for (int i = 0; i < 3; ++i) {
        playEffect(control, QStringLiteral("strike_word.wav"));
        pause(700);
    }
    pause(800);
}

// After a restart: a click now and then, as a player would make, until the script hears one.
bool playUntilHeard(QtMediaControl& control, const QString& heard) {
    for (int i = 0; i < 60 && !QFile::exists(heard); ++i) {
        playEffect(control, QStringLiteral("click.wav"));
        pause(500);
    }
    return QFile::exists(heard);
}

}  // namespace

TEST(RealSound, EffectsAreHeardBeforeAndAfterTheServerRestarts) {
    const QString folder = qEnvironmentVariable("QUARROW_SOUND_HANDSHAKE");
    if (folder.isEmpty()) GTEST_SKIP() << "run by scripts/check-services";
    MediaThread media;
    QtMediaControl control(media);
    // Three rounds: the script restarts the server at once after the first, and after five
    // seconds without a server after the second.
    for (int round = 1; round <= 3; ++round) {
        if (round > 1) {
            ASSERT_TRUE(playUntilHeard(control, folder + QStringLiteral("/heard%1").arg(round)))
                << "no effect was heard within half a minute of the server's return";
        }
        ASSERT_TRUE(handshake(folder, QStringLiteral("ready%1").arg(round)));
        playRound(control);
        ASSERT_TRUE(handshake(folder, QStringLiteral("played%1").arg(round)));
    }
}

// The splash's tune, started as the splash starts it.
struct StartUpTune {
    const QString path = QStringLiteral(QUARROW_PROGRAM_DIR "/sfx/sf0003.wav");
    MediaThread media;
    QtMediaControl control{media};
    bool done = false;

    StartUpTune() {
        control.setOnDone([this] { done = true; });
        control.setFileName(path);
        control.command(QStringLiteral("Open"));
        control.command(QStringLiteral("Play"));
    }
    // Starts it over as a looping tune does on its Done.
    void again() {
        done = false;
        control.command(QStringLiteral("Close"));
        control.command(QStringLiteral("Open"));
        control.command(QStringLiteral("Play"));
    }
};

TEST(RealSound, TheStartUpTuneIsHeardInFullTwice) {
    if (qEnvironmentVariableIsEmpty("QUARROW_SOUND_HANDSHAKE"))
        GTEST_SKIP() << "run by scripts/check-services";
    StartUpTune tune;
    runEventsUntil([&tune] { return tune.done; }, 10'000);
    ASSERT_TRUE(tune.done);
    tune.again();
    runEventsUntil([&tune] { return tune.done; }, 10'000);
    EXPECT_TRUE(tune.done);
}

TEST(RealSound, AHungServerNeverHoldsUpTheCaller) {
    if (qEnvironmentVariableIsEmpty("QUARROW_SOUND_HUNG"))
        GTEST_SKIP() << "run by scripts/check-services";
    QElapsedTimer clock;
    clock.start();
    StartUpTune tune;
    // and a first move's click
    tune.control.setFileName(QStringLiteral(QUARROW_PROGRAM_DIR "/sfx/click.wav"));
    tune.control.command(QStringLiteral("sound"));
    qint64 longestTurn = clock.elapsed();
    const auto length = waveFileLength(tune.path);
    ASSERT_TRUE(length);
    QTimer tick;  // wakes the loop, so each turn is timed
    tick.start(20);
    while (!tune.done && clock.elapsed() < length->count() + 5000) {
        const qint64 before = clock.elapsed();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        longestTurn = std::max(longestTurn, clock.elapsed() - before);
    }
    std::printf("   a hung server: Done %lld ms after Play (tune %lld ms), longest wait %lld ms\n",
                static_cast<long long>(clock.elapsed()), static_cast<long long>(length->count()),
                static_cast<long long>(longestTurn));
    std::fflush(stdout);
    EXPECT_TRUE(tune.done) << "Done never came";
    // A call that waits on a hung server waits for many seconds (a client's time-out); a busy
    // machine delays a turn by a fraction of one.
    EXPECT_LT(longestTurn, 2000);
    // The script lets the server go on now, so the media thread can end before we do.
    const QString go = qEnvironmentVariable("QUARROW_SOUND_HUNG") + QStringLiteral("/go");
    runEventsUntil([&go] { return QFile::exists(go); }, 30'000);
}
