#include "core/board_preparation.h"

#include <gtest/gtest.h>

TEST(WordListFontTest, OnlyTheDefaultFontOrAnEightPointFontIsResized) {
    const QString msSans = QStringLiteral("MS Sans Serif");
    EXPECT_EQ(wordListPointSize(msSans, 9.75, ShowMode::Words), 9.75);
    EXPECT_EQ(wordListPointSize(msSans, 9.75, ShowMode::Questions), 8.0);
    EXPECT_EQ(wordListPointSize(msSans, 9.75, ShowMode::Blanks), 9.75);
    EXPECT_EQ(wordListPointSize(msSans, 8, ShowMode::Words), 9.75);
    EXPECT_EQ(wordListPointSize(QStringLiteral("Arial"), 8, ShowMode::Words), 9.75);
    EXPECT_EQ(wordListPointSize(QStringLiteral("Arial"), 8, ShowMode::Questions), 8.0);

    EXPECT_EQ(wordListPointSize(QStringLiteral("Arial"), 9.75, ShowMode::Words), std::nullopt);
    EXPECT_EQ(wordListPointSize(msSans, 14, ShowMode::Questions), std::nullopt);
    EXPECT_EQ(wordListPointSize(QStringLiteral("Arial"), 12, ShowMode::Blanks), std::nullopt);
}
