#include "core/fit_bounds.h"

#include <gtest/gtest.h>

using namespace generator;

namespace {

std::vector<QString> copies(int count, const QString& word) {
    return std::vector<QString>(count, word);
}

TEST(FitBoundsTest, CountsCellsWithTheMostSharingAllowed) {
    // 400 letters, at most 19 shared cells: 381 of 360.
    for (const Level level : kLevels)
        EXPECT_FALSE(mayAllFit(copies(20, "ABCDEFGHIJKLMNOPQRST"), level, {}))
            << levelNumber(level);
    // 5 x 3 grid: 16 letters fit only if the last word can share, which takes a common letter.
    EXPECT_FALSE(mayAllFit({"ABCDE", "FGHIJ", "KLMNO", "P"}, Level::Easy, {5, 3}));
    EXPECT_TRUE(mayAllFit({"ABCDE", "FGHIJ", "KLMNO", "A"}, Level::Easy, {5, 3}));
}

TEST(FitBoundsTest, LongWordsNeedLinesOfTheirOwn) {
    // Nineteen letters run only across at Easy, one word a row.
    EXPECT_TRUE(mayAllFit(copies(18, "ABCDEFGHIJKLMNOPQRS"), Level::Easy, {}));
    EXPECT_FALSE(mayAllFit(copies(19, "ABCDEFGHIJKLMNOPQRS"), Level::Easy, {}));
    // Nine-letter words: a row of 20 takes two of them, so twenty fit.
    EXPECT_TRUE(mayAllFit(copies(20, "ABCDEFGHA"), Level::Easy, {}));
    // Too long for any line, or empty.
    EXPECT_FALSE(mayAllFit({"ABCDEFGHIJKLMNOPQRSTU"}, Level::Expert, {}));
    EXPECT_FALSE(mayAllFit({"ABCDE", ""}, Level::Expert, {}));
    // On 3 x 5, a five-letter word needs a column: none at Easy's width, and the last column
    // never holds a word, so two such words need two of the first two columns.
    EXPECT_TRUE(mayAllFit({"ABCDE", "FGHIJ"}, Level::Easy, {3, 5}));
    EXPECT_FALSE(mayAllFit({"ABCDE", "FGHIJ", "KLMNO"}, Level::Easy, {3, 5}));
}

}  // namespace
