#include "core/playable_words.h"

namespace {

// Control characters and NUL would vanish or cut the message short: shown as a replacement mark.
QString visible(const QString& word) {
    QString shown = word;
    for (QChar& c : shown) {
        if (!c.isPrint()) c = QChar::ReplacementCharacter;
    }
    return shown;
}

bool lettersOnly(const QString& word) {
    for (const QChar c : word) {
        if (!c.isLetter()) return false;
    }
    return true;
}

}  // namespace

std::optional<UnplayableWord> firstUnplayableWord(const ThemeContents& theme) {
    for (int i = 1; i <= theme.wordCount && i < static_cast<int>(theme.words.size()); ++i) {
        const QString& word = theme.words[i];
        if (!lettersOnly(word)) {
            return UnplayableWord{
                word, QStringLiteral("The word \"%1\" cannot be shown in the grid: words may only "
                                     "contain letters.")
                          .arg(visible(word))};
        }
        if (word.size() > kLongestGridWord) {
            return UnplayableWord{word, QStringLiteral("The word \"%1\" cannot be shown in the "
                                                       "grid: it is longer than %2 letters.")
                                            .arg(visible(word))
                                            .arg(kLongestGridWord)};
        }
    }
    return std::nullopt;
}
