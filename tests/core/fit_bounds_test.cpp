#include "core/fit_bounds.h"

#include <gtest/gtest.h>

using namespace generator;

namespace {

std::vector<QString> copies(int count, const QString& word) {
    return std::vector<QString>(count, word);
}

TEST(FitBoundsTest, CountsCellsWithTheMostSharingAllowed) {
    // 400 letters, at most 19 shared cells: 381 of 360.
    for (int level = 1; level <= 4; ++level)
        EXPECT_FALSE(mayAllFit(copies(20, "ABCDEFGHIJKLMNOPQRST"), level, {})) << level;
    // 5 x 3 grid: 16 letters fit only if the last word can share, which takes a common letter.
    EXPECT_FALSE(mayAllFit({"ABCDE", "FGHIJ", "KLMNO", "P"}, 1, {5, 3}));
    EXPECT_TRUE(mayAllFit({"ABCDE", "FGHIJ", "KLMNO", "A"}, 1, {5, 3}));
}

TEST(FitBoundsTest, LongWordsNeedLinesOfTheirOwn) {
    // Nineteen letters run only across at Easy, one word a row.
    EXPECT_TRUE(mayAllFit(copies(18, "ABCDEFGHIJKLMNOPQRS"), 1, {}));
    EXPECT_FALSE(mayAllFit(copies(19, "ABCDEFGHIJKLMNOPQRS"), 1, {}));
    // Nine-letter words: a row of 20 takes two of them, so twenty fit.
    EXPECT_TRUE(mayAllFit(copies(20, "ABCDEFGHA"), 1, {}));
    // Too long for any line, or empty.
    EXPECT_FALSE(mayAllFit({"ABCDEFGHIJKLMNOPQRSTU"}, 4, {}));
    EXPECT_FALSE(mayAllFit({"ABCDE", ""}, 4, {}));
    // On 3 x 5, a five-letter word needs a column: none at Easy's width, and the last column
    // never holds a word, so two such words need two of the first two columns.
    EXPECT_TRUE(mayAllFit({"ABCDE", "FGHIJ"}, 1, {3, 5}));
    EXPECT_FALSE(mayAllFit({"ABCDE", "FGHIJ", "KLMNO"}, 1, {3, 5}));
}

}  // namespace
