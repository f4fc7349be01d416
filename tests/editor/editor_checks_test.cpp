#include "editor/editor_checks.h"
#include "editor_test_entries.h"

#include <gtest/gtest.h>

namespace {

const QString kTooFew = QStringLiteral("Please fill in atleast 10 word boxes before continuing!");
const QString kQuestionMissing = QStringLiteral(
    "The word related question boxes are active, Please fill in the required boxes or disable "
    "them by ticking the relevant checkbox before continuing!");
const QString kTooShort = QStringLiteral("All words must be at least 3 characters long");
const QString kTooLong = QStringLiteral("Words cannot exceed 14 characters");
const QString kNotLetters =
    QStringLiteral("Words may only contain standard characters [A-Z or a-z]");

QString failureText(const EditorEntries& entries) {
    const auto failure = editor::firstFailingCheck(entries);
    return failure ? failure->text : QString();
}

// The entries are refused with this message box.
void expectRefused(const EditorEntries& entries, const QString& text, const QString& title,
                   MsgIcon icon) {
    const auto failure = editor::firstFailingCheck(entries);
    ASSERT_TRUE(failure) << text.toStdString();
    EXPECT_EQ(failure->text, text);
    EXPECT_EQ(failure->title, title);
    EXPECT_EQ(failure->buttons, MsgButtons::Ok);
    EXPECT_EQ(failure->icon, icon);
}

}  // namespace

TEST(EditorChecks, TitleThenTenWordsInRowOrder) {
    expectRefused(EditorEntries(), "Please select a name for your puzzle!", "Name Undefined!",
                  MsgIcon::Information);
    EditorEntries nine = validEntries(9);
    expectRefused(nine, kTooFew, "Incomplete Puzzle!", MsgIcon::Information);

    // An earlier row's short word is reported before the missing tenth word.
    nine.words[3] = QStringLiteral("ox");
    EXPECT_EQ(failureText(nine), kTooShort);

    // A gap inside the first ten rows is a missing word too.
    EditorEntries gap = validEntries(12);
    gap.words[7].clear();
    EXPECT_EQ(failureText(gap), kTooFew);
}

TEST(EditorChecks, LengthAndLetterRules) {
    EditorEntries entries = validEntries(10);
    entries.words[4] = QStringLiteral("abcdefghijklmn");  // 14 letters
    EXPECT_FALSE(editor::firstFailingCheck(entries));
    entries.words[4] = QStringLiteral("abcdefghijklmno");
    expectRefused(entries, kTooLong, "Quarrow", MsgIcon::None);
    entries.words[4] = QStringLiteral("ab");
    expectRefused(entries, kTooShort, "Quarrow", MsgIcon::None);
    entries.words[4] = QStringLiteral("x-ray");
    expectRefused(entries, kNotLetters, "Error", MsgIcon::None);
    for (const QString& bad :
         {QStringLiteral("ice cream"), QStringLiteral("o'clock"), QStringLiteral("r2d2"),
          QStringLiteral("caf\u00e9"), QStringLiteral("p\u0131n"), QStringLiteral("lo\u017Fe"),
          QStringLiteral("   ")}) {
        entries.words[4] = bad;
        EXPECT_EQ(failureText(entries), kNotLetters) << bad.toStdString();
    }
    entries.words[4] = QStringLiteral("lowercase");
    EXPECT_FALSE(editor::firstFailingCheck(entries));
}

TEST(EditorChecks, RowsAfterTheTenthAreCheckedUpToTheFirstGapAndNoWordFollowsIt) {
    EditorEntries entries = validEntries(12);
    entries.words[12] = QStringLiteral("no");
    EXPECT_EQ(failureText(entries), kTooShort);
    EXPECT_EQ(editor::savedWordCount(validEntries(20)), 20);

    // A word after an empty box would not be saved: refused, naming the empty box.
    entries = validEntries(10);
    entries.words[13] = QStringLiteral("zebra");
    const auto gap = editor::firstFailingCheck(entries);
    ASSERT_TRUE(gap);
    EXPECT_TRUE(gap->text.contains("word box 11")) << gap->text.toStdString();
    EXPECT_EQ(gap->title, "Incomplete Puzzle!");
    entries.words[11] = entries.words[12] = QStringLiteral("yak");
    EXPECT_FALSE(editor::firstFailingCheck(entries));
}

TEST(EditorChecks, QuestionsAreNeededInTheFirstTenRowsOnly) {
    EditorEntries entries = validEntries(15, true);
    entries.questions[10].clear();
    expectRefused(entries, kQuestionMissing, "Incomplete Puzzle!", MsgIcon::Information);

    // The question of a row is looked at before its word's letters.
    entries.words[10] = QStringLiteral("b4d");
    EXPECT_EQ(failureText(entries), kQuestionMissing);

    entries = validEntries(15, true);
    entries.questions[11].clear();
    entries.questions[15].clear();
    EXPECT_FALSE(editor::firstFailingCheck(entries));
}

TEST(EditorChecks, ThemeExtensionIsAddedUnlessPresentInAnyCase) {
    EXPECT_EQ(editor::withThemeExtension("/d/fruit"), "/d/fruit.Qrw");
    EXPECT_EQ(editor::withThemeExtension("/d/fruit.txt"), "/d/fruit.txt.Qrw");
    EXPECT_EQ(editor::withThemeExtension("/d/fruitqrw"), "/d/fruitqrw.Qrw");
    EXPECT_EQ(editor::withThemeExtension("/d/fruit.QRW"), "/d/fruit.QRW");
    EXPECT_EQ(editor::withThemeExtension("/d/fruit.qRw"), "/d/fruit.qRw");
    EXPECT_EQ(editor::withThemeExtension("/d/fruit.qrw"), "/d/fruit.qrw");
}

TEST(EditorChecks, ThemeToWriteKeepsCaseAndFillsInTheAuthor) {
    EditorEntries entries = validEntries(12, true);
    entries.questions[2] = QStringLiteral("two\r\nlines\nhere");
    const ThemeToWrite theme = editor::themeToWrite(entries, 12);
    EXPECT_EQ(theme.title, "Fruit");
    EXPECT_EQ(theme.author, "Anonymous");
    EXPECT_TRUE(theme.withQuestions);
    ASSERT_EQ(theme.words.size(), 12u);
    ASSERT_EQ(theme.questions.size(), 12u);
    EXPECT_EQ(theme.words[1], "Banana");
    EXPECT_EQ(theme.questions[1], "two lines here");

    entries.author = QStringLiteral("B. Marsh");
    entries.questionsOn = false;
    const ThemeToWrite plain = editor::themeToWrite(entries, 12);
    EXPECT_EQ(plain.author, "B. Marsh");
    EXPECT_TRUE(plain.questions.empty());
}

TEST(EditorChecks, TextTheFileCannotStoreIsRefusedNamingTheBox) {
    EditorEntries entries = validEntries(12, true);
    entries.title = QStringLiteral("Caf\u00e9 \u20ac 100?");  // all of it fits the code page
    entries.questions[14] = QStringLiteral("\u2192 not saved: row 13 is empty");
    EXPECT_FALSE(editor::firstFailingCheck(entries));

    entries.questions[12] = QStringLiteral("Capital of \u0141\u00f3d\u017a?");
    EXPECT_TRUE(failureText(entries).contains("Question 12 box"));
    EXPECT_TRUE(failureText(entries).contains("\"\u0141\""));
    entries.author = QStringLiteral("Ann \U0001F600");
    EXPECT_TRUE(failureText(entries).contains("Author box"));
    EXPECT_TRUE(failureText(entries).contains(QStringLiteral("\"\U0001F600\"")));
    entries.title = QStringLiteral("\u65e5\u672c");
    EXPECT_TRUE(failureText(entries).startsWith("The Puzzle Title box"));
    EXPECT_EQ(editor::firstFailingCheck(entries)->title, "Error");

    // Questions that are switched off are not saved, so they are not looked at.
    entries.title = entries.author = QStringLiteral("Plain");
    entries.questionsOn = false;
    EXPECT_FALSE(editor::firstFailingCheck(entries));
    // The word checks keep their order: a short word is reported first.
    entries.questionsOn = true;
    entries.words[2] = QStringLiteral("ab");
    EXPECT_EQ(failureText(entries), "All words must be at least 3 characters long");
}
