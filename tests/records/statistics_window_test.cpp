#include "records/statistics_window.h"
#include "support/test_env.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class Statistics : public ::testing::Test {
  protected:
    Statistics() {
        env.settings->write("Settings", "S_COMP", "3");
        env.settings->write("Settings", "S_REV", "1");
        env.settings->write("Settings", "S_CHEAT", "6");
        env.settings->write("Settings", "S_TIMEP", "90");
        env.settings->write("Settings", "S_PLAYED", "12");
    }
    QString value(const char* name) const { return window.findChild<QLabel*>(name)->text(); }
    QString stored(const char* key) const {
        return env.settings->read("Settings", key, "<missing>");
    }

    TestEnv env;
    StatisticsWindow window{env.services};
};

TEST_F(Statistics, CaptionsKeepTheirBlanks) {
    EXPECT_EQ(window.windowTitle(), "QRW Statistics");
    QStringList groups;
    for (const auto* group : window.findChildren<QGroupBox*>()) groups << group->title();
    EXPECT_EQ(groups, QStringList({"Games", "Cheats", "Time"}));
    QStringList captions;
    for (const auto* label : window.findChildren<QLabel*>())
        if (label->objectName().isEmpty()) captions << label->text();
    EXPECT_EQ(captions,
              QStringList({" Played", " Completed", " Revealed", "Percentage Completed ",
                           " Words Revealed", "Average Per Game ", " Time Playing (mins)"}));
}

TEST_F(Statistics, ShowingFillsTheValuesAndRewritesPlayed) {
    window.show();
    EXPECT_EQ(value("g_played"), "4");
    EXPECT_EQ(value("g_completed"), "3");
    EXPECT_EQ(value("g_revealed"), "1");
    EXPECT_EQ(value("g_percentage"), "75.00%");
    EXPECT_EQ(value("g_revealword"), "6");
    EXPECT_EQ(value("g_rwperc"), "1.50");
    EXPECT_EQ(value("t_playing"), "2");
    EXPECT_EQ(stored("S_PLAYED"), "4");
}

TEST_F(Statistics, ResetAnsweredNoChangesNothing) {
    window.show();
    env.dialogs.answerMessage(MsgAnswer::No);
    window.findChild<QPushButton*>("Command2")->click();
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    EXPECT_EQ(env.dialogs.last().text, "Are you sure?");
    EXPECT_EQ(env.dialogs.last().title, "Reset Statistics?");
    EXPECT_EQ(env.dialogs.last().buttons, MsgButtons::YesNo);
    EXPECT_EQ(env.dialogs.last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(stored("S_COMP"), "3");
    EXPECT_EQ(stored("S_TIMEP"), "90");
    EXPECT_EQ(value("g_played"), "4");
}

TEST_F(Statistics, ConfirmedResetZeroesEveryCounterAndShowsItAtOnce) {
    window.show();
    env.dialogs.answerMessage(MsgAnswer::Yes);
    window.resetStatistics();
    for (const char* key : {"S_COMP", "S_REV", "S_CHEAT", "S_PLAYED", "S_TIMEP"})
        EXPECT_EQ(stored(key), "0") << key;
    EXPECT_EQ(value("g_played"), "0");
    EXPECT_EQ(value("g_revealword"), "0");
    EXPECT_EQ(value("t_playing"), "0");
    EXPECT_EQ(value("g_percentage"), "0%");
    EXPECT_EQ(value("g_rwperc"), "0%");
}

TEST_F(Statistics, RefreshPicksUpCountersChangedMeanwhile) {
    window.show();
    env.settings->write("Settings", "S_COMP", "5");
    window.refresh();
    EXPECT_EQ(value("g_played"), "6");
}

}  // namespace
