#include "records/time_key.h"
#include "records/verdict.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeKey, MinutesTimesHundredPlusSeconds) {
    EXPECT_EQ(timeKey("3:07"), 307);
    EXPECT_EQ(timeKey("12:40"), 1240);
    EXPECT_EQ(timeKey("100:05"), 10005);
    EXPECT_EQ(timeKey("0:59"), 59);
    EXPECT_EQ(timeKey("0"), 0);  // a missing stored time
}

TEST(TimeKey, TextThatIsNotATimeHasNoKey) {
    for (const char* text : {"", "abc", "3", "3:7", "3:007", ":07", "a:07", "3:x7", "-1:00",
                             "1234567890:00", "3:07:00"})
        EXPECT_FALSE(timeKey(text).has_value()) << text;
}

TEST(TimeKey, OnlyStrictlyFasterTimesQualify) {
    EXPECT_TRUE(isFasterThan("4:29", "4:30"));
    EXPECT_FALSE(isFasterThan("4:30", "4:30"));
    EXPECT_FALSE(isFasterThan("4:31", "4:30"));
    // Compared as numbers, not as text: "10:05" sorts before "4:30" as text.
    EXPECT_FALSE(isFasterThan("10:05", "4:30"));
    EXPECT_TRUE(isFasterThan("9:59", "10:00"));
    // A missing stored time (read as "0") is beaten by nothing.
    EXPECT_FALSE(isFasterThan("0:01", "0"));
    // Garbage on either side never qualifies, so a broken clock text cannot take rank 1.
    EXPECT_FALSE(isFasterThan("garbage", "4:30"));
    EXPECT_FALSE(isFasterThan("1:00", "garbage"));
}

struct VerdictRow {
    bool puzzleRevealed;
    int wordsRevealed;
    Level level;
    const char* verdict;
    const char* sound;
};

TEST(OrdinaryVerdict, DecisionAndSoundTablesRowByRow) {
    const VerdictRow rows[] = {
        {true, 0, Level::Easy, "You revealed Fruit on Easy level - Please try again!",
         "sf0007.wav"},
        {true, 3, Level::Easy, "You revealed Fruit on Easy level - Please try again!",
         "sf0007.wav"},
        {true, 0, Level::Medium,
         "You revealed Fruit on Medium level - Try an easier level next time!", "sf0007.wav"},
        {true, 2, Level::Expert,
         "You revealed Fruit on Expert level - Try an easier level next time!", "sf0007.wav"},
        {false, 0, Level::Easy,
         "You have completed Fruit on Easy level! Try a harder level next time!", "sf0005.wav"},
        {false, 0, Level::Hard,
         "You have completed Fruit on Hard level! Try a harder level next time!", "sf0005.wav"},
        {false, 0, Level::Expert, "You have completed Fruit on Expert level! Congratulations!",
         "sf0008.wav"},
        {false, 1, Level::Easy,
         "You completed Fruit on Easy level! Try again without revealing any words.", "sf0006.wav"},
        {false, 5, Level::Expert,
         "You completed Fruit on Expert level! Try again without revealing any words.",
         "sf0006.wav"},
    };
    for (const VerdictRow& row : rows) {
        SCOPED_TRACE(row.verdict);
        EXPECT_EQ(verdict::ordinary(row.puzzleRevealed, row.wordsRevealed, row.level, "Fruit"),
                  row.verdict);
        EXPECT_STREQ(
            soundFile(verdict::ordinarySound(row.puzzleRevealed, row.wordsRevealed, row.level)),
            row.sound);
    }
}

}  // namespace
