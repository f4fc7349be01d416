#include "editor/word_list.h"
#include "editor_test_entries.h"

#include <gtest/gtest.h>

namespace {

std::vector<QString> wordsOf(const std::vector<ListedWord>& list) {
    std::vector<QString> words;
    for (const ListedWord& row : list) words.push_back(row.word);
    return words;
}

// Fifteen words, one per line; the first `withQuestions` of them get "word<TAB>question".
std::vector<ListedWord> fifteenWords(int withQuestions = 0) {
    QString text;
    const char* const words[] = {"badger", "otter", "heron",  "stoat", "vole",
                                 "weasel", "wren",  "finch",  "trout", "newt",
                                 "toad",   "hare",  "pigeon", "moth",  "beetle"};
    for (int i = 0; i < 15; ++i) {
        text += QString::fromLatin1(words[i]);
        if (i < withQuestions) text += QStringLiteral("\tClue %1").arg(i + 1);
        text += QStringLiteral("\r\n");
    }
    return parseWordList(text);
}

}  // namespace

TEST(WordList, LinesWordsAndQuestions) {
    // Line breaks of every kind, blank lines, a byte-order mark and blanks around words.
    const auto plain = parseWordList(u"\uFEFFapple\r\n\r\n  pear \rplum\n\n\t\nfig\n");
    EXPECT_EQ(wordsOf(plain), (std::vector<QString>{"apple", "pear", "plum", "fig"}));
    EXPECT_TRUE(isWordList(plain));
    EXPECT_FALSE(isWordList(parseWordList(u"apple\n")));

    const auto pairs = parseWordList(
        u"Paris\tCapital of France\t\n"
        u"Rome \u2014 Capital of Italy\n"
        u"Oslo\u2013Capital of Norway\n"
        u"Bern - Capital of  Switzerland - not Zurich\n"
        u"x-ray\n");
    ASSERT_EQ(pairs.size(), 5u);
    EXPECT_EQ(wordsOf(pairs), (std::vector<QString>{"Paris", "Rome", "Oslo", "Bern", "x-ray"}));
    EXPECT_EQ(pairs[0].question, "Capital of France");
    EXPECT_EQ(pairs[1].question, "Capital of Italy");
    EXPECT_EQ(pairs[2].question, "Capital of Norway");
    EXPECT_EQ(pairs[3].question, "Capital of Switzerland - not Zurich");
    EXPECT_TRUE(pairs[4].question.isEmpty());  // a hyphen inside a word parts nothing
    EXPECT_TRUE(isWordList(parseWordList(u"Rome \u2014 Capital of Italy")));
}

TEST(WordList, FilesAreUtf8ElseWindows1252) {
    EXPECT_EQ(decodeWordListFile("\xEF\xBB\xBF"
                                 "caf\xC3\xA9\n"),
              QStringLiteral(u"café\n"));
    EXPECT_EQ(decodeWordListFile("caf\xE9 \x96 coffee"), QStringLiteral(u"café – coffee"));
}

TEST(WordList, FillsTheBoxesAndTicksQuestions) {
    const auto placed = editor::placeWordList(EditorEntries(), fifteenWords(15), 1);
    EXPECT_FALSE(placed.problem);
    EXPECT_EQ(editor::savedWordCount(placed.entries), 15);
    EXPECT_TRUE(placed.entries.questionsOn);
    EXPECT_EQ(placed.entries.words[15], "beetle");
    EXPECT_EQ(placed.entries.questions[15], "Clue 15");

    // Pasted over rows 3.. of a theme with questions: the rows filled are replaced whole, the
    // others keep what they held.
    EditorEntries typed = validEntries(20, true);
    const auto pasted = editor::placeWordList(typed, parseWordList(u"stoat\nvole\n"), 3);
    EXPECT_EQ(pasted.entries.words[2], "Banana");
    EXPECT_EQ(pasted.entries.words[4], "vole");
    EXPECT_TRUE(pasted.entries.questions[4].isEmpty());
    EXPECT_EQ(pasted.entries.questions[5], "Question 5");
    EXPECT_TRUE(pasted.entries.questionsOn);

    EXPECT_EQ(editor::rowAfterLastWord(EditorEntries()), 1);
    typed.words[7].clear();
    EXPECT_EQ(editor::rowAfterLastWord(typed), 21);
}

TEST(WordList, SaysWhatTheEditorWouldRefuse) {
    auto problemOf = [](const std::vector<ListedWord>& list, int firstRow = 1) {
        const auto placed = editor::placeWordList(validEntries(12), list, firstRow);
        return placed.problem ? placed.problem->text : QString();
    };
    EXPECT_EQ(problemOf({}), editor::emptyListMessage().text);

    // Five rows are left: ten of the fifteen do not fit, from the sixth on.
    auto tooMany = editor::placeWordList(validEntries(15), fifteenWords(), 16);
    ASSERT_TRUE(tooMany.problem);
    EXPECT_EQ(tooMany.problem->text,
              "10 of the 15 words in the list did not fit in the 20 word boxes and were left "
              "out, from \"weasel\" on.");
    EXPECT_EQ(tooMany.entries.words[20], "vole");

    EXPECT_EQ(problemOf(parseWordList(u"otter\nphotosynthesise\n"), 13),
              "Words cannot exceed 14 characters");
    EXPECT_EQ(problemOf(parseWordList(u"otter\nsea lion\n"), 13),
              "Words may only contain standard characters [A-Z or a-z]");
    // "pear" of the rows kept can be read inside the new "spear".
    const auto nested = editor::placeWordList(validEntries(12), parseWordList(u"spear\nvole"), 13);
    ASSERT_TRUE(nested.problem);
    EXPECT_EQ(nested.problem->buttons, MsgButtons::Ok);
    EXPECT_TRUE(nested.problem->text.startsWith("The word \"pear\" can be read inside \"spear\""));
}
