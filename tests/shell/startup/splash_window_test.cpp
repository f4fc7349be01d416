#include "shell/startup/splash_window.h"
#include "support/test_env.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class SplashTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QObject::connect(&splash, &SplashWindow::finished, [this] { ++finishedCount; });
    }
    // The single-shot timer's time is up.
    static void fire(QTimer* timer) {
        ASSERT_TRUE(timer && timer->isActive());
        timer->stop();
        QMetaObject::invokeMethod(timer, "timeout");
    }

    TestEnv env;
    RecordingMedia mmControl1;  // the splash's own control, apart from the board's
    SplashWindow splash{env.services, mmControl1};
    int finishedCount = 0;
};

TEST_F(SplashTest, CaptionIsCentredWithItsShadowJustBelowAndRight) {
    const auto* caption = splash.findChild<QLabel*>("Label2");
    const auto* shadow = splash.findChild<QLabel*>("Label1");
    ASSERT_NE(caption, nullptr);
    ASSERT_NE(shadow, nullptr);
    // Both texts are centred in their labels' content areas.
    const QPoint offset = shadow->contentsRect().translated(shadow->pos()).center() -
                          caption->contentsRect().translated(caption->pos()).center();
    EXPECT_GE(offset.x(), 1);
    EXPECT_LE(offset.x(), 3);
    EXPECT_GE(offset.y(), 0);
    EXPECT_LE(offset.y(), 3);
    // The caption stands in the middle of the splash.
    const int captionMiddle = caption->contentsRect().translated(caption->pos()).center().x();
    EXPECT_LE(std::abs(captionMiddle - splash.width() / 2), 2);
}

TEST_F(SplashTest, SoundOffFinishesAsSoonAsTheBarIsFull) {
    env.settings->write("Settings", "SOUND", "False");
    env.state.soundOn = true;
    splash.show();
    // Each value the bar takes is an event for a screen reader: a few steps, not thousands.
    int values = 0;
    QObject::connect(splash.progressBar(), &QProgressBar::valueChanged, [&] { ++values; });
    fire(splash.findChild<QTimer*>(QStringLiteral("Timer1")));  // it starts the sequence
    EXPECT_LE(values, 10);

    EXPECT_EQ(finishedCount, 1);
    EXPECT_FALSE(env.state.soundOn);
    EXPECT_TRUE(mmControl1.log().isEmpty());
    EXPECT_EQ(splash.progressBar()->value(), SplashWindow::kBarMaximum);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.safetyTimer()->isActive());
}

TEST_F(SplashTest, SoundOnWaitsForTheTuneToEnd) {
    splash.runSequence();  // SOUND missing: on
    EXPECT_TRUE(env.state.soundOn);
    EXPECT_EQ(mmControl1.log(), QStringList({"file:" + env.sfxFile("sf0003.wav"), "open", "play"}));
    EXPECT_EQ(splash.progressBar()->value(), SplashWindow::kBarMaximum);
    EXPECT_TRUE(splash.waitingForDone());
    EXPECT_EQ(finishedCount, 0);

    splash.runSequence();  // a second trigger does not start it over
    EXPECT_EQ(mmControl1.log().size(), 3);

    mmControl1.finish();
    EXPECT_EQ(finishedCount, 1);
    EXPECT_EQ(mmControl1.log().last(), "close");
    mmControl1.finish();  // a stray Done later changes nothing
    EXPECT_EQ(finishedCount, 1);
}

TEST_F(SplashTest, TuneEndingBeforeTheBarIsFullFinishesAfterTheBar) {
    // Done arrives while the sequence lets pending events run, before the bar is counted up.
    QTimer::singleShot(0, [this] { mmControl1.finish(); });
    splash.runSequence();
    EXPECT_EQ(finishedCount, 1);
    EXPECT_EQ(splash.progressBar()->value(), SplashWindow::kBarMaximum);
    EXPECT_EQ(mmControl1.log().last(), "close");
}

TEST_F(SplashTest, ATuneThatNeverEndsCannotHoldTheSplash) {
    splash.runSequence();
    ASSERT_TRUE(splash.safetyTimer()->isActive());
    EXPECT_EQ(splash.safetyTimer()->interval(), SplashWindow::kSafetyTimeoutMs);

    fire(splash.safetyTimer());
    EXPECT_EQ(finishedCount, 1);
    EXPECT_EQ(mmControl1.log().last(), "close");
    mmControl1.finish();
    EXPECT_EQ(finishedCount, 1);
}

}  // namespace
