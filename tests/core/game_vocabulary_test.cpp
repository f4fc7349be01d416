#include "core/game_vocabulary.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(GameVocabularyTest, StoredNumbersReadBackAndStrayNumbersAreRefused) {
    for (const Level level : kLevels) EXPECT_EQ(levelFromNumber(levelNumber(level)), level);
    for (const ShowMode mode : kShowModes)
        EXPECT_EQ(showModeFromNumber(showModeNumber(mode)), mode);
    for (const int stray : {-1, 0, 5}) EXPECT_EQ(levelFromNumber(stray), std::nullopt) << stray;
    for (const int stray : {-1, 0, 4}) EXPECT_EQ(showModeFromNumber(stray), std::nullopt) << stray;
}

TEST(GameVocabularyTest, EachLevelAddsDirectionsAndNoneRunsStraightUp) {
    std::size_t before = 0;
    for (const Level level : kLevels) {
        const auto directions = directionsFor(level);
        EXPECT_GT(directions.size(), before) << levelNumber(level);
        before = directions.size();
        for (const WordDirection step : directions) {
            EXPECT_NE(step, (WordDirection{0, -1}));
            EXPECT_NE(step, (WordDirection{0, 0}));
            EXPECT_LE(std::max(std::abs(step.columnStep), std::abs(step.rowStep)), 1);
            EXPECT_EQ(std::count(directions.begin(), directions.end(), step), 1);
        }
        if (level != Level::Easy) {
            const auto lower = directionsFor(static_cast<Level>(levelNumber(level) - 1));
            EXPECT_TRUE(std::equal(lower.begin(), lower.end(), directions.begin()));
        }
    }
    EXPECT_EQ(directionsFor(Level::Expert).size(), 7u);
}

TEST(GameVocabularyTest, TimeChallengeIsExpertWordsWithAFullList) {
    EXPECT_TRUE(time_challenge::fits(Level::Expert, ShowMode::Words, kMaxWords));
    EXPECT_FALSE(time_challenge::fits(Level::Hard, ShowMode::Words, kMaxWords));
    EXPECT_FALSE(time_challenge::fits(Level::Expert, ShowMode::Blanks, kMaxWords));
    EXPECT_FALSE(time_challenge::fits(Level::Expert, ShowMode::Words, kMaxWords - 1));
}

}  // namespace
