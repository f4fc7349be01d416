#include "core/theme_problem.h"

#include <QDir>

namespace {
// Enough to recognise the line; a stray title of megabytes must not fill the screen.
constexpr int kLongestQuote = 40;
}  // namespace

QString quotedThemeText(const QString& text) {
    QString shown = text.left(kLongestQuote);
    for (QChar& c : shown) {
        if (!c.isPrint()) c = QChar::ReplacementCharacter;
    }
    if (text.size() > kLongestQuote) shown += QChar(0x2026);
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString describeThemeProblem(const QString& path, const ThemeProblem& problem) {
    const QString file = QDir::toNativeSeparators(path);
    if (problem.line <= 0) return QStringLiteral("%1 cannot be read.").arg(file);
    return QStringLiteral("Line %1 of %2: expected %3, found %4.")
        .arg(problem.line)
        .arg(file, problem.expected, problem.found);
}
