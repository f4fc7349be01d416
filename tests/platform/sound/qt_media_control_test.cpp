#include "platform/sound/qt_media_control.h"

#include "platform/sound/media_thread.h"
#include "support/manual_media_clock.h"

#include "test_wave.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

using namespace std::chrono_literals;

// Tests run with no sound output, so every tune is timed by the media clock, which only the
// test moves: what must not happen yet is checked, not waited for.
namespace {

struct QtMediaControlTest : ::testing::Test {
    QtMediaControlTest() {
        mediaSide->moveToThread(media.thread());
        control.setOnDone([this] { ++doneCount; });
    }
    ~QtMediaControlTest() override { mediaSide->deleteLater(); }

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
        control.command(QStringLiteral("Play"));
    }
    // Lets every command, wait and report already on its way arrive, on both threads.
    void settle() {
        for (int hop = 0; hop < 4; ++hop) {
            QMetaObject::invokeMethod(
                mediaSide, [] {}, Qt::BlockingQueuedConnection);
            QCoreApplication::processEvents();
        }
    }
    void advance(std::chrono::milliseconds by) {
        settle();
        clock.advance(by);
        settle();
    }

    QTemporaryDir dir;
    ManualMediaClock clock;
    MediaThread media;
    QObject* mediaSide = new QObject;  // a stop on the media thread
    QtMediaControl control{media, clock};
    int doneCount = 0;
};

}  // namespace

TEST_F(QtMediaControlTest, MissingOrBrokenFileReportsDoneAtOnce) {
    openAndPlay(missingFile());
    EXPECT_EQ(doneCount, 0) << "Done is never reported from inside the command";
    settle();
    EXPECT_EQ(doneCount, 1);

    const QString junk = dir.filePath(QStringLiteral("junk.wav"));
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is no wave file at all");
    file.close();
    openAndPlay(junk);
    settle();
    EXPECT_EQ(doneCount, 2);

    openAndPlay({});
    settle();
    EXPECT_EQ(doneCount, 3);
}

TEST_F(QtMediaControlTest, ATuneEndsAfterItsLengthWithOneDone) {
    openAndPlay(writeWave(QStringLiteral("tune.wav"), 300));
    advance(299ms);
    EXPECT_EQ(doneCount, 0);
    advance(1ms);
    EXPECT_EQ(doneCount, 1);
    advance(10s);  // past the control's own late Done
    EXPECT_EQ(doneCount, 1) << "one Done per Play";
}

TEST_F(QtMediaControlTest, StopCloseOrAnotherPlayCancelTheDone) {
    const QString wave = writeWave(QStringLiteral("short.wav"), 50);
    for (const char* cancel : {"Stop", "Close", "stop", "CLOSE"}) {
        openAndPlay(wave);
        control.command(QString::fromLatin1(cancel));
        openAndPlay(missingFile());
        control.command(QString::fromLatin1(cancel));
        advance(10s);
        EXPECT_EQ(doneCount, 0) << cancel;
    }

    openAndPlay(wave);
    control.command(QStringLiteral("Play"));
    advance(10s);
    EXPECT_EQ(doneCount, 1) << "a Play that replaces another is answered once";
}

TEST_F(QtMediaControlTest, DestroyedControlNeverReportsDone) {
    bool called = false;
    {
        QtMediaControl doomed(media, clock);
        doomed.setOnDone([&called] { called = true; });
        doomed.setFileName(missingFile());
        doomed.command(QStringLiteral("Play"));
    }
    advance(10s);
    EXPECT_FALSE(called);
}

TEST_F(QtMediaControlTest, VerbsIgnoreLetterCaseAndUnknownOnesAreIgnored) {
    control.setFileName(writeWave(QStringLiteral("tune.wav"), 20));
    EXPECT_EQ(control.fileName(), dir.filePath(QStringLiteral("tune.wav")));
    control.command(QStringLiteral("oPeN"));
    control.command(QStringLiteral("rewind"));
    control.command(QString());
    control.command(QStringLiteral("PLAY"));
    advance(20ms);
    EXPECT_EQ(doneCount, 1);

    control.command(QStringLiteral("play"));  // replays the file still open
    advance(20ms);
    EXPECT_EQ(doneCount, 2);
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
    for (int round = 1; round <= 3; ++round) {
        advance(30ms);
        EXPECT_EQ(doneCount, round);
    }
    advance(10s);
    EXPECT_EQ(doneCount, 3);
}

TEST_F(QtMediaControlTest, EffectsLeaveTheTuneAndItsDoneAlone) {
    openAndPlay(writeWave(QStringLiteral("tune.wav"), 100));
    control.setFileName(writeWave(QStringLiteral("click.wav"), 10));
    control.command(QStringLiteral("sound"));
    control.command(QStringLiteral("Sound"));
    control.setFileName(missingFile());
    control.command(QStringLiteral("SOUND"));
    advance(99ms);
    EXPECT_EQ(doneCount, 0);
    advance(1ms);
    EXPECT_EQ(doneCount, 1);
    advance(10s);
    EXPECT_EQ(doneCount, 1);
}
