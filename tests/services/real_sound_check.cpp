#include "platform/sound/qt_media_control.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

#include <functional>

// Plays effects on the real sound server for scripts/check-services, which records the
// server's monitor and counts what was heard. Between two rounds the script restarts the
// server; the second round must be heard as well.
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
    QtMediaControl control;
    playRound(control, sfx);
    touch(handshake + QStringLiteral("/round1"));
    const QString go = handshake + QStringLiteral("/go");
    runEventsUntil([&go] { return QFile::exists(go); }, 30'000);
    ASSERT_TRUE(QFile::exists(go)) << "the script never restarted the server";
    playRound(control, sfx);
}
