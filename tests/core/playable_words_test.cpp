#include "core/playable_words.h"

#include <gtest/gtest.h>

namespace {

ThemeContents themeOf(std::initializer_list<QString> words) {
    ThemeContents theme;
    for (const QString& word : words) theme.words[++theme.wordCount] = word;
    return theme;
}

TEST(PlayableWordsTest, LettersOfAnyAlphabetUpToTwentyArePlayable) {
    EXPECT_FALSE(
        firstUnplayableWord(themeOf({"CAT", QStringLiteral("CAFÉ"), "ABCDEFGHIJKLMNOPQRST"})));
}

TEST(PlayableWordsTest, NamesTheFirstWordThatIsNotLettersOrTooLong) {
    const QString nul = QStringLiteral("NUL") + QChar(0) + QStringLiteral("NUT");
    for (const QString& bad :
         {QStringLiteral("ICE CREAM"), QStringLiteral("R2D2"), QStringLiteral("TAB\tBED"),
          QStringLiteral("DOT."), nul, QStringLiteral("ABCDEFGHIJKLMNOPQRSTU")}) {
        const auto found = firstUnplayableWord(themeOf({"CAT", bad, "R2D2"}));
        ASSERT_TRUE(found) << bad.toStdString();
        EXPECT_EQ(found->word, bad);
        EXPECT_FALSE(found->message.contains(QChar(0)));
        EXPECT_FALSE(found->message.contains(QLatin1Char('\t')));
    }
    EXPECT_TRUE(
        firstUnplayableWord(themeOf({"ABCDEFGHIJKLMNOPQRSTU"}))->message.contains("20 letters"));
}

}  // namespace
