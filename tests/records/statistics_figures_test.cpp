#include "records/statistics_figures.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

namespace {

StatisticsFigures figures(const char* comp, const char* rev, const char* cheat,
                          const char* seconds) {
    return statistics::figuresFor(comp, rev, cheat, seconds);
}

TEST(StatisticsFigures, PlayedPercentageAndAverage) {
    const StatisticsFigures f = figures("3", "1", "6", "0");
    EXPECT_EQ(f.played, "4");
    EXPECT_EQ(f.completed, "3");
    EXPECT_EQ(f.revealed, "1");
    EXPECT_EQ(f.percentage, "75.00%");
    EXPECT_EQ(f.wordsRevealed, "6");
    EXPECT_EQ(f.averagePerGame, "1.50");
    EXPECT_EQ(figures("2", "1", "0", "0").percentage, "66.67%");
    EXPECT_EQ(figures("2", "2", "5", "0").averagePerGame, "1.25");
    EXPECT_EQ(figures("0", "3", "0", "0").percentage, "0.00%");
}

TEST(StatisticsFigures, NothingPlayedShowsZeroPercentForBothRatios) {
    const StatisticsFigures f = figures("0", "0", "4", "0");
    EXPECT_EQ(f.played, "0");
    EXPECT_EQ(f.percentage, "0%");
    EXPECT_EQ(f.averagePerGame, "0%");
}

TEST(StatisticsFigures, MinutesRoundHalvesToEvenAndKeepCountingPastSixteenBits) {
    EXPECT_EQ(figures("0", "0", "0", "29").minutesPlaying, "0");
    EXPECT_EQ(figures("0", "0", "0", "30").minutesPlaying, "0");
    EXPECT_EQ(figures("0", "0", "0", "31").minutesPlaying, "1");
    EXPECT_EQ(figures("0", "0", "0", "90").minutesPlaying, "2");
    EXPECT_EQ(figures("0", "0", "0", "150").minutesPlaying, "2");
    // Past what a 16-bit or 32-bit count holds.
    EXPECT_EQ(figures("0", "0", "0", "2400000").minutesPlaying, "40000");
    EXPECT_EQ(figures("0", "0", "0", "6000000000").minutesPlaying, "100000000");
}

TEST(StatisticsFigures, CounterThatIsNotANumberCountsAsZero) {
    const StatisticsFigures f = figures("abc", "2", "x", "1.5e9garbage");
    EXPECT_EQ(f.completed, "0");
    EXPECT_EQ(f.played, "2");
    EXPECT_EQ(f.percentage, "0.00%");
    EXPECT_EQ(f.wordsRevealed, "0");
    EXPECT_EQ(f.minutesPlaying, "0");
    // Absurdly large counters do not overflow.
    EXPECT_EQ(figures("9223372036854775807", "9223372036854775807", "0", "0").played,
              "9223372036854775807");
}

TEST(StatisticsRefresh, NothingStoredShowsZerosAndWritesPlayed) {
    TestEnv env;
    const StatisticsFigures f = statistics::refresh(*env.settings);
    EXPECT_EQ(f.played, "0");
    EXPECT_EQ(f.minutesPlaying, "0");
    EXPECT_EQ(f.percentage, "0%");
    EXPECT_EQ(env.settings->read("Settings", "S_PLAYED", "<missing>"), "0");
}

}  // namespace
