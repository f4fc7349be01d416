#include "core/theme_check.h"

#include "core/guarded_file.h"
#include "core/puzzle.h"

#include <algorithm>

namespace {

// Notepad saves "Unicode" text with a byte-order mark; read as Windows-1252 it is gibberish
// with a NUL after every letter, so it is named for what it is.
bool startsAsUtf16(const QString& path) {
    const QByteArray start = guarded_file::read(path, 2, guarded_file::Links::Follow).bytes;
    return start == "\xFF\xFE" || start == "\xFE\xFF";
}

}  // namespace

std::optional<ThemeProblem> firstUnplayableWord(const ThemeContents& theme) {
    for (int i = 1; i <= theme.wordCount && i < static_cast<int>(theme.words.size()); ++i) {
        const QString& word = theme.words[i];
        const QString found = quotedThemeText(word);
        if (!std::all_of(word.begin(), word.end(), showsInACell))
            return ThemeProblem{theme.wordLines[i],
                                QStringLiteral("a word without blanks or control characters"),
                                found};
        if (word.size() > kLongestGridWord)
            return ThemeProblem{
                theme.wordLines[i],
                QStringLiteral("a word of at most %1 characters").arg(kLongestGridWord), found};
    }
    return std::nullopt;
}

std::optional<ThemeProblem> findThemeProblem(const QString& path) {
    if (startsAsUtf16(path))
        return ThemeProblem{1, QStringLiteral("text in the Windows-1252 character set"),
                            QStringLiteral("UTF-16 text")};
    ThemeProblem problem;
    if (!readThemeHeader(path, &problem)) return problem;
    const std::optional<ThemeContents> theme = readTheme(path, &problem);
    if (!theme) return problem;
    return firstUnplayableWord(*theme);
}
