#include "core/board_preparation.h"

#include <cmath>

namespace {
constexpr double kListPointSize = 9.75;
constexpr double kQuestionsPointSize = 8;

bool samePointSize(double a, double b) {
    return std::abs(a - b) < 0.01;
}
}  // namespace

std::array<WordListEntryUpdate, GameState::kMaxWords + 1> wordListLayout(const GameState& state) {
    std::array<WordListEntryUpdate, GameState::kMaxWords + 1> entries{};
    for (int i = 1; i <= GameState::kMaxWords; ++i) {
        WordListEntryUpdate& entry = entries[i];
        if (i > state.wordCount) {
            entry = {QString(), QString(), QString()};
            continue;
        }
        const QString& word = state.wordList[i];
        const QString& question = state.questionList[i];
        switch (state.showMode) {
            case 1:
                // Only questions have a tip; an earlier Questions game's tip must not linger.
                entry.caption = word;
                entry.toolTip = QString();
                break;
            case 2:
                // A theme may leave a question empty; an empty entry would be a word nobody
                // could look for, so the word stands in for it.
                if (question.isEmpty())
                    entry = {word, QString(), word};
                else
                    entry = {question, question, word};
                break;
            case 3:
                entry = {QString(), QString(), word};
                break;
            default:
                break;
        }
    }
    return entries;
}

std::optional<double> wordListPointSize(const QString& entryOneFamily, double entryOnePointSize,
                                        int showMode) {
    const bool defaultFont = entryOneFamily == QStringLiteral("MS Sans Serif") &&
                             samePointSize(entryOnePointSize, kListPointSize);
    if (!defaultFont && !samePointSize(entryOnePointSize, kQuestionsPointSize)) {
        return std::nullopt;
    }
    if (showMode == 1 || showMode == 3) return kListPointSize;
    if (showMode == 2) return kQuestionsPointSize;
    return std::nullopt;
}

QString levelCaption(const GameState& state) {
    return QStringLiteral("Level : ") + state.levelName();
}

RgbColour speedMarkColour(bool speedChallenge) {
    return speedChallenge ? RgbColour{192, 255, 255} : RgbColour{0, 64, 64};
}

void resetGameCounters(GameState& state) {
    state.clockSeconds = 0;
    state.wordsRevealed = 0;
}
