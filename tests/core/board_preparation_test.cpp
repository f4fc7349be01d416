#include "core/board_preparation.h"

#include <gtest/gtest.h>

namespace {

GameState twelveWords(int showMode) {
    GameState state;
    applyMainWindowLoadDefaults(state);
    state.showMode = showMode;
    state.wordCount = 12;
    for (int i = 1; i <= 12; ++i) {
        state.wordList[i] = QStringLiteral("WORD%1").arg(i);
        state.questionList[i] = QStringLiteral("Question %1?").arg(i);
    }
    state.questionList[13] = QStringLiteral("left over");
    return state;
}

void expectBlankTail(const std::array<WordListEntryUpdate, 21>& entries) {
    for (int i = 13; i <= 20; ++i) {
        EXPECT_EQ(entries[i].caption, QString()) << i;
        EXPECT_EQ(entries[i].toolTip, QString()) << i;
        EXPECT_EQ(entries[i].tag, QString()) << i;
    }
}

}  // namespace

TEST(WordListLayoutTest, EachDisplayModeSetsItsOwnProperties) {
    const auto questions = wordListLayout(twelveWords(2));
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(questions[i].caption, QStringLiteral("Question %1?").arg(i));
        EXPECT_EQ(questions[i].toolTip, QStringLiteral("Question %1?").arg(i));
        EXPECT_EQ(questions[i].tag, QStringLiteral("WORD%1").arg(i));
    }
    expectBlankTail(questions);

    const auto words = wordListLayout(twelveWords(1));
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(words[i].caption, QStringLiteral("WORD%1").arg(i));
        EXPECT_EQ(words[i].toolTip, QString());
        EXPECT_FALSE(words[i].tag.has_value());
    }
    expectBlankTail(words);

    const auto blanks = wordListLayout(twelveWords(3));
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(blanks[i].caption, QString());
        EXPECT_EQ(blanks[i].toolTip, QString());
        EXPECT_EQ(blanks[i].tag, QStringLiteral("WORD%1").arg(i));
    }
    expectBlankTail(blanks);
}

TEST(WordListLayoutTest, QuestionsModeShowsTheWordOfAnEntryWithoutQuestion) {
    GameState state = twelveWords(2);
    state.questionList[11].clear();
    const auto entries = wordListLayout(state);
    EXPECT_EQ(entries[11].caption, "WORD11");
    EXPECT_EQ(entries[11].toolTip, QString());
    EXPECT_EQ(entries[11].tag, "WORD11");
    EXPECT_EQ(entries[12].caption, "Question 12?");
}

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

TEST(FinishingTest, LevelCaptionSpeedMarkAndCounters) {
    GameState state;
    applyMainWindowLoadDefaults(state);
    const char* names[] = {"", "Easy", "Medium", "Hard", "Expert"};
    for (int level = 1; level <= 4; ++level) {
        state.level = level;
        EXPECT_EQ(levelCaption(state), QStringLiteral("Level : ") + names[level]);
    }

    const RgbColour speed = speedMarkColour(true);
    EXPECT_EQ((std::array{speed.red, speed.green, speed.blue}), (std::array{192, 255, 255}));
    const RgbColour standard = speedMarkColour(false);
    EXPECT_EQ((std::array{standard.red, standard.green, standard.blue}), (std::array{0, 64, 64}));

    state.clockSeconds = 75;
    state.wordsRevealed = 3;
    resetGameCounters(state);
    EXPECT_EQ(state.clockSeconds, 0);
    EXPECT_EQ(state.wordsRevealed, 0);
}
