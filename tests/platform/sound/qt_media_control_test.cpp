#include "platform/sound/qt_media_control.h"

#include "platform/sound/media_thread.h"

#include "test_wave.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace {

// Far beyond any wait here, so a slow machine never fails a test; it only bounds a hang.
constexpr int kPatienceMs = 5000;

struct QtMediaControlTest : ::testing::Test {
    QtMediaControlTest() {
        control.setOnDone([this] {
            ++doneCount;
            doneAfterMs = sincePlay.elapsed();
        });
    }

    // A 16-bit mono wave of silence lasting `ms` milliseconds.
    QString writeWave(const QString& name, int ms) const {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(TestWave().pcm16Mono(8000).data(std::uint32_t(ms) * 16).bytes());
        return path;
    }
    QString missingFile() const { return dir.filePath(QStringLiteral("missing.wav")); }

    void openAndPlay(const QString& path) {
        control.setFileName(path);
        control.command(QStringLiteral("Open"));
        sincePlay.start();
        control.command(QStringLiteral("Play"));
    }
    // Runs the event loop until `done` holds or `ms` have passed; returns `done()`.
    static bool runEventsUntil(const std::function<bool()>& done, int ms) {
        const QDeadlineTimer deadline(ms);
        while (!done() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }
    static void runEventsFor(int ms) {
        runEventsUntil([] { return false; }, ms);
    }
    bool waitForDone(int count = 1) {
        return runEventsUntil([&] { return doneCount >= count; }, kPatienceMs);
    }

    QTemporaryDir dir;
    MediaThread media;
    QtMediaControl control{media};
    int doneCount = 0;
    qint64 doneAfterMs = -1;
    QElapsedTimer sincePlay;
};

}  // namespace

TEST_F(QtMediaControlTest, MissingOrBrokenFileReportsDoneSoon) {
    openAndPlay(missingFile());
    EXPECT_EQ(doneCount, 0) << "Done is never reported from inside the command";
    ASSERT_TRUE(waitForDone());

    const QString junk = dir.filePath(QStringLiteral("junk.wav"));
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is no wave file at all");
    file.close();
    openAndPlay(junk);
    ASSERT_TRUE(waitForDone(2));

    control.setFileName({});
    control.command(QStringLiteral("Open"));
    control.command(QStringLiteral("Play"));
    ASSERT_TRUE(waitForDone(3));
}

TEST_F(QtMediaControlTest, WaveIsGivenItsLengthBeforeDone) {
    openAndPlay(writeWave(QStringLiteral("tune.wav"), 300));
    QCoreApplication::processEvents();
    EXPECT_EQ(doneCount, 0);
    ASSERT_TRUE(waitForDone());
    // Timers never fire long before their time; an audible tune ends after its length too.
    EXPECT_GE(doneAfterMs, 150);

    runEventsFor(400);
    EXPECT_EQ(doneCount, 1) << "one Done per Play";
}

TEST_F(QtMediaControlTest, NoOutputDeviceStillEndsTunes) {
    if (!QMediaDevices::audioOutputs().isEmpty())
        GTEST_SKIP() << "this machine has an audio output";
    openAndPlay(writeWave(QStringLiteral("tune.wav"), 100));
    ASSERT_TRUE(waitForDone());
    EXPECT_GE(doneAfterMs, 50);
}

TEST_F(QtMediaControlTest, StopCloseOrAnotherPlayCancelTheDone) {
    const QString wave = writeWave(QStringLiteral("short.wav"), 50);
    for (const char* cancel : {"Stop", "Close", "stop", "CLOSE"}) {
        openAndPlay(wave);
        control.command(QString::fromLatin1(cancel));
        openAndPlay(missingFile());
        control.command(QString::fromLatin1(cancel));
        runEventsFor(300);
        EXPECT_EQ(doneCount, 0) << cancel;
    }

    openAndPlay(missingFile());
    control.command(QStringLiteral("Play"));
    ASSERT_TRUE(waitForDone());
    runEventsFor(100);
    EXPECT_EQ(doneCount, 1) << "a Play that replaces another is answered once";
}

TEST_F(QtMediaControlTest, DestroyedControlNeverReportsDone) {
    bool called = false;
    {
        QtMediaControl doomed(media);
        doomed.setOnDone([&called] { called = true; });
        doomed.setFileName(missingFile());
        doomed.command(QStringLiteral("Play"));
    }
    runEventsFor(50);
    EXPECT_FALSE(called);
}

TEST_F(QtMediaControlTest, VerbsIgnoreLetterCaseAndUnknownOnesAreIgnored) {
    control.setFileName(writeWave(QStringLiteral("tune.wav"), 20));
    EXPECT_EQ(control.fileName(), dir.filePath(QStringLiteral("tune.wav")));
    control.command(QStringLiteral("oPeN"));
    control.command(QStringLiteral("rewind"));
    control.command(QString());
    control.command(QStringLiteral("PLAY"));
    ASSERT_TRUE(waitForDone());

    control.command(QStringLiteral("play"));  // replays the file still open
    ASSERT_TRUE(waitForDone(2));
}

TEST_F(QtMediaControlTest, PlayWithoutOpenPlaysTheNamedFile) {
    control.setFileName(missingFile());
    control.command(QStringLiteral("Play"));
    ASSERT_TRUE(waitForDone());
}

TEST_F(QtMediaControlTest, DoneHandlerMayStartTheTuneAgain) {
    // The looping pattern: Close, Open, Play from inside Done.
    control.setOnDone([this] {
        ++doneCount;
        control.command(QStringLiteral("Close"));
        if (doneCount < 3) {
            control.command(QStringLiteral("Open"));
            control.command(QStringLiteral("Play"));
        }
    });
    openAndPlay(writeWave(QStringLiteral("loop.wav"), 30));
    ASSERT_TRUE(waitForDone(3));
    runEventsFor(150);
    EXPECT_EQ(doneCount, 3);
}

TEST_F(QtMediaControlTest, EffectsLeaveTheTuneAndItsDoneAlone) {
    openAndPlay(writeWave(QStringLiteral("tune.wav"), 100));
    control.setFileName(writeWave(QStringLiteral("click.wav"), 10));
    control.command(QStringLiteral("sound"));
    control.command(QStringLiteral("Sound"));
    control.setFileName(missingFile());
    control.command(QStringLiteral("SOUND"));
    ASSERT_TRUE(waitForDone());
    runEventsFor(200);
    EXPECT_EQ(doneCount, 1);
}
