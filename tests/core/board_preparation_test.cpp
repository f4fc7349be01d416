#include "core/board_preparation.h"

#include <gtest/gtest.h>

TEST(WordListFontTest, OnlyTheDefaultFontOrAnEightPointFontIsResized) {
    const QString msSans = QStringLiteral("MS Sans Serif");
    EXPECT_EQ(wordListPointSize(msSans, 9.75, 1), 9.75);
    EXPECT_EQ(wordListPointSize(msSans, 9.75, 2), 8.0);
    EXPECT_EQ(wordListPointSize(msSans, 9.75, 3), 9.75);
    EXPECT_EQ(wordListPointSize(msSans, 8, 1), 9.75);
    EXPECT_EQ(wordListPointSize(QStringLiteral("Arial"), 8, 1), 9.75);
    EXPECT_EQ(wordListPointSize(QStringLiteral("Arial"), 8, 2), 8.0);

    EXPECT_EQ(wordListPointSize(QStringLiteral("Arial"), 9.75, 1), std::nullopt);
    EXPECT_EQ(wordListPointSize(msSans, 14, 2), std::nullopt);
    EXPECT_EQ(wordListPointSize(QStringLiteral("Arial"), 12, 3), std::nullopt);
}
