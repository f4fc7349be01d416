#include "records/fast_times_window.h"
#include "records/fastest_times_table.h"
#include "support/file_faults.h"
#include "support/test_env.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class FastTimes : public ::testing::Test {
  protected:
    QString cell(const FastTimesWindow& window, const char* column, int row) const {
        const auto* label = window.findChild<QLabel*>(QString(column) + QString::number(row));
        return label ? label->text() : QStringLiteral("<no such label>");
    }
    static QColor colour(const FastTimesWindow& window, const QString& name) {
        return window.findChild<QLabel*>(name)->palette().color(QPalette::WindowText);
    }
    QStringList tune() const {
        return {"Stop", "Close", "file:" + env.sfxFile("sf0004.wav"), "Open", "Play"};
    }

    TestEnv env;
};

TEST_F(FastTimes, ShowsTheStoredTableOrTheDefaultsWhenItIsMissing) {
    {
        FastTimesWindow window(env.services);
        EXPECT_EQ(window.windowTitle(), "Fastest Times");
        EXPECT_EQ(cell(window, "Label", 10), "10");
        EXPECT_EQ(cell(window, "ft_pn", 10), "Films: Horror");
    }
    fastest_times::writeResetSet(*env.settings);
    env.settings->write("F_Times", "S3_N", "Ann");
    FastTimesWindow window(env.services);
    EXPECT_EQ(cell(window, "ft_pn", 1), "Internet");
    EXPECT_EQ(cell(window, "ft_t", 1), "2:00");
    EXPECT_EQ(cell(window, "ft_n", 3), "Ann");
}

TEST_F(FastTimes, PlaysItsTuneOnceOnlyWhenSoundIsOn) {
    env.state.loopSound = 1;
    {
        FastTimesWindow silent(env.services);
        EXPECT_EQ(env.state.loopSound, 0);
        EXPECT_TRUE(env.media.log().isEmpty());
    }
    env.state.soundOn = true;
    FastTimesWindow window(env.services);
    EXPECT_EQ(env.media.log(), tune());
    EXPECT_EQ(env.state.loopSound, 0);
}

TEST_F(FastTimes, ClosingStopsTheTune) {
    env.state.loopSound = 1;
    FastTimesWindow window(env.services);
    window.show();
    env.media.clear();
    window.findChild<QPushButton*>("Command1")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(env.media.log(), QStringList({"stop", "close"}));
    EXPECT_EQ(env.state.loopSound, 0);
}

TEST_F(FastTimes, TopRowBlinksRedEvery460Ms) {
    FastTimesWindow window(env.services);
    const auto* timer = window.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 460);
    const auto topRow = [&window] {
        QList<QColor> colours;
        for (const char* name : {"ft_n1", "ft_t1", "ft_pn1"}) colours << colour(window, name);
        return colours;
    };
    const QList<QColor> own = topRow();
    window.blinkTick();
    EXPECT_EQ(topRow(), QList<QColor>(3, Qt::red));
    EXPECT_NE(colour(window, "ft_n2"), Qt::red);
    window.blinkTick();
    EXPECT_EQ(topRow(), own);
}

TEST_F(FastTimes, ResetAnsweredNoChangesNothing) {
    env.settings->write("F_Times", "S1_N", "Ann");
    FastTimesWindow window(env.services);
    env.dialogs.answerMessage(MsgAnswer::No);
    window.findChild<QPushButton*>("Command2")->click();
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    const auto& question = env.dialogs.last();
    EXPECT_EQ(question.text, "Are you sure you want to reset the scores?");
    EXPECT_EQ(question.title, "Reset to Default");
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_EQ(question.icon, MsgIcon::Exclamation);
    EXPECT_EQ(env.settings->read("F_Times", "S1_N", ""), "Ann");
    EXPECT_FALSE(env.settings->contains("F_Times", "S2_N"));
}

TEST_F(FastTimes, ResetWritesTheResetSetAndShowsItAtOnce) {
    env.state.soundOn = true;
    env.settings->write("F_Times", "S1_N", "Ann");
    FastTimesWindow window(env.services);
    env.media.clear();
    env.dialogs.answerMessage(MsgAnswer::Yes);
    env.dialogs.answerMessage(MsgAnswer::Ok);
    window.resetScores();
    ASSERT_TRUE(env.settings->waitForSaves());
    ASSERT_EQ(env.dialogs.shown().size(), 2u);
    const auto& done = env.dialogs.last();
    EXPECT_EQ(done.text, "Score have been reset");
    EXPECT_EQ(done.title, "Reset to Default");
    EXPECT_EQ(done.buttons, MsgButtons::Ok);
    EXPECT_EQ(done.icon, MsgIcon::Information);
    EXPECT_EQ(env.settings->read("F_Times", "S1_N", ""), "B.Marsh");
    EXPECT_EQ(env.settings->read("F_Times", "S10_S", ""), kResetFastTimes[9].time);
    EXPECT_EQ(cell(window, "ft_n", 1), "B.Marsh");
    EXPECT_EQ(cell(window, "ft_pn", 1), "Internet");
    EXPECT_EQ(env.media.log(), tune());
}

TEST_F(FastTimes, WebpageLabelOpensTheHomePage) {
    FastTimesWindow window(env.services);
    EXPECT_EQ(cell(window, "Label", 16), "Visit Our Webpage");
    window.visitWebpage();
    EXPECT_EQ(env.shell.opened, QStringList({web::kHomePage}));
}

// A hand-edited or foreign settings file: markup in a name or title shows as typed, and is
// never rendered (an image of "/dev/zero" would read until memory runs out).
TEST_F(FastTimes, MarkupFromTheSettingsFileShowsAsTyped) {
    const QString path = env.dir.filePath(QStringLiteral("markup.ini"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUARROW_SOURCE_DIR "/tests/data/markup.ini"), path));
    IniSettingsStore store(path);
    Services services = env.withStore(store);
    FastTimesWindow window(services);
    for (const char* column : {"ft_n", "ft_t", "ft_pn"}) {
        for (int n = 1; n <= 10; ++n) {
            const auto* label = window.findChild<QLabel*>(QString(column) + QString::number(n));
            ASSERT_EQ(label->textFormat(), Qt::PlainText) << column << n;
        }
    }
    EXPECT_EQ(cell(window, "ft_n", 1), "<b>Bold</b>");
    EXPECT_EQ(cell(window, "ft_n", 2), "&lt;i&gt;");
    EXPECT_TRUE(cell(window, "ft_pn", 3).startsWith("<img src="));
    window.grab();
}

}  // namespace

TEST_F(FastTimes, AResetThatCouldNotBeSavedIsNotReportedAsDone) {
    // The lock is free but the disk is full: the save fails after the click.
    FastTimesWindow window(env.services);
    env.dialogs.answerMessage(MsgAnswer::Yes);
    {
        const FileSizeLimit full(16);
        window.resetScores();
        ASSERT_TRUE(env.settings->waitForSaves());
    }
    ASSERT_EQ(env.dialogs.shown().size(), 1u);  // the question only
    EXPECT_EQ(cell(window, "ft_n", 1), "B.Marsh");
}
