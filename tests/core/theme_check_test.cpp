#include "core/theme_check.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

ThemeContents themeOf(std::initializer_list<QString> words) {
    ThemeContents theme;
    for (const QString& word : words) {
        theme.words[++theme.wordCount] = word;
        theme.wordLines[theme.wordCount] = theme.wordCount + 3;
    }
    return theme;
}

TEST(PlayableWordsTest, AnythingACellCanShowUpToTwentyIsPlayable) {
    EXPECT_FALSE(firstUnplayableWord(themeOf(
        {"CAT", QStringLiteral("CAFÉ"), "T-REX", "R2D2", "O'CLOCK", "ABCDEFGHIJKLMNOPQRST"})));
}

TEST(PlayableWordsTest, NamesTheFirstWordWithABlankOrControlOrTooLong) {
    const QString nul = QStringLiteral("NUL") + QChar(0) + QStringLiteral("NUT");
    for (const QString& bad :
         {QStringLiteral("ICE CREAM"), QStringLiteral("TAB\tBED"), QStringLiteral("NBSP\u00A0"),
          nul, QStringLiteral("ABCDEFGHIJKLMNOPQRSTU")}) {
        const auto found = firstUnplayableWord(themeOf({"CAT", bad, "ICE CREAM"}));
        ASSERT_TRUE(found) << bad.toStdString();
        EXPECT_EQ(found->line, 5);
        EXPECT_FALSE(found->found.contains(QChar(0)));
        EXPECT_FALSE(found->found.contains(QLatin1Char('\t')));
    }
    EXPECT_TRUE(firstUnplayableWord(themeOf({"ABCDEFGHIJKLMNOPQRSTU"}))
                    ->expected.contains("at most 20 characters"));
}

// Broken files, each named by the line where it goes wrong and what was found there.
TEST(ThemeCheckTest, NamesTheLineAndWhatWasFound) {
    QTemporaryDir dir;
    const auto check = [&](const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("theme.qrw"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        return findThemeProblem(path);
    };
    const QByteArray head = "Fruit\r\n!Ann\r\n";
    QByteArray tenWords;
    for (const char* word :
         {"FIG", "KIWI", "LIME", "PEAR", "PLUM", "DATE", "SLOE", "YUZU", "UGLI", "LEMON"})
        tenWords += QByteArray(word) + "\n";
    QByteArray utf16("\xFF\xFE");
    for (const char c : head + "#10W\r\n" + tenWords) utf16 += QByteArray(1, c) + '\0';

    struct Case {
        QByteArray bytes;
        int line;
        QString found;
    };
    const Case cases[] = {
        {utf16, 1, "UTF-16 text"},
        {"Fruit\r\n", 2, "the end of the file"},
        {"Fruit\r\n\r\n#10W\r\n" + tenWords, 2, "an empty line"},
        {head + "#00W\r\n" + tenWords, 3, "\"#00W\""},
        {head + "#21W\r\n" + tenWords, 3, "\"#21W\""},
        {head + "#ABW\r\n" + tenWords, 3, "\"#ABW\""},
        {head + "#12W\r\n" + tenWords, 14, "the end of the file"},
        {head + "#02WQ\r\nFIG\r\nSmall\r\nKIWI\r\n", 7, "the end of the file"},
        {head + "#10W\r\n" + QByteArray(tenWords).replace("SLOE", "SL OE"), 10, "\"SL OE\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.left(40).toStdString());
        const auto problem = check(c.bytes);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->line, c.line);
        EXPECT_EQ(problem->found, c.found);
        EXPECT_FALSE(problem->expected.isEmpty());
    }
    EXPECT_EQ(check(head + "#02WQ\r\nFIG\r\nSmall\r\nKIWI\r\n")->expected,
              "the question for \"KIWI\"");

    EXPECT_FALSE(check(head + "#10W\r\n" + tenWords));
    EXPECT_FALSE(check(head + "#09W\n" + tenWords));  // extra lines are ignored
    ASSERT_TRUE(findThemeProblem(dir.filePath("missing.qrw")));
    EXPECT_EQ(findThemeProblem(dir.filePath("missing.qrw"))->line, 0);
}

TEST(ThemeCheckTest, DescriptionNamesFileLineAndBothSides) {
    EXPECT_EQ(describeThemeProblem("/d/fruit.qrw", {3, "a count", "\"#AB\""}),
              "Line 3 of /d/fruit.qrw: expected a count, found \"#AB\".");
    EXPECT_EQ(describeThemeProblem("/d/%1.qrw", {0, {}, {}}), "/d/%1.qrw cannot be read.");
    EXPECT_EQ(quotedThemeText(QString(50, 'x')), '"' + QString(40, 'x') + QChar(0x2026) + '"');
}

}  // namespace
