#include "platform/sound/qt_media_control.h"

#include "platform/sound/media_engine.h"
#include "platform/sound/media_thread.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>

#include <functional>

// Plays sounds on the real sound server for scripts/check-services, which records the server's
// monitor and measures what was heard. Between two rounds of effects the script restarts the
// server; the second round must be heard as well. Then the start-up tune plays through the
// media player; and last the script stops the server dead, and nothing may wait for it.
namespace {

void runEventsUntil(const std::function<bool()>& done, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void playRound(QtMediaControl& control, const QString& sfx) {
    // Clicks as a player makes them, then a quick run of strikes like Reveal Puzzle's.
    for (int i = 0; i < 5; ++i) {
        control.setFileName(sfx + QStringLiteral("/click.wav"));
        control.command(QStringLiteral("sound"));
        runEventsUntil([] { return false; }, 400);
    }
    for (int i = 0; i < 3; ++i) {
        control.setFileName(sfx + QStringLiteral("/strike_word.wav"));
        control.command(QStringLiteral("sound"));
        runEventsUntil([] { return false; }, 700);
    }
    runEventsUntil([] { return false; }, 800);
}

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

}  // namespace

TEST(RealSound, EffectsAreHeardBeforeAndAfterTheServerRestarts) {
    const QString handshake = qEnvironmentVariable("QUARROW_SOUND_HANDSHAKE");
    if (handshake.isEmpty()) GTEST_SKIP() << "run by scripts/check-services";
    const QString sfx = QStringLiteral(QUARROW_PROGRAM_DIR "/sfx");
    MediaThread media;
    QtMediaControl control(media);
    // Three rounds: the script restarts the server at once after the first, and after five
    // seconds without a server after the second.
    for (int round = 1; round <= 3; ++round) {
        playRound(control, sfx);
        if (round == 3) break;
        touch(handshake + QStringLiteral("/round%1").arg(round));
        const QString go = handshake + QStringLiteral("/go%1").arg(round);
        runEventsUntil([&go] { return QFile::exists(go); }, 30'000);
        ASSERT_TRUE(QFile::exists(go)) << "the script never restarted the server";
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
};

TEST(RealSound, TheStartUpTuneIsHeardInFull) {
    if (qEnvironmentVariableIsEmpty("QUARROW_SOUND_HANDSHAKE"))
        GTEST_SKIP() << "run by scripts/check-services";
    StartUpTune tune;
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
    while (!tune.done && clock.elapsed() < length->count() + 5000) {
        const qint64 before = clock.elapsed();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        longestTurn = std::max(longestTurn, clock.elapsed() - before);
    }
    std::printf("   a hung server: Done %lld ms after Play (tune %lld ms), longest wait %lld ms\n",
                static_cast<long long>(clock.elapsed()), static_cast<long long>(length->count()),
                static_cast<long long>(longestTurn));
    std::fflush(stdout);
    EXPECT_TRUE(tune.done) << "Done never came";
    EXPECT_LT(longestTurn, 250);
    // The script lets the server go on now, so the media thread can end before we do.
    const QString go = qEnvironmentVariable("QUARROW_SOUND_HUNG") + QStringLiteral("/go");
    runEventsUntil([&go] { return QFile::exists(go); }, 30'000);
}
