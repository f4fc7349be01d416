#include "platform/plain_text.h"

#include <QFontMetricsF>
#include <QString>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace plain_text {
namespace {

constexpr QChar kEllipsis(0x2026);
constexpr qsizetype kToolTipCharacters = 1000;
constexpr qsizetype kOneLineCharacters = 100;

// No visible character is narrower than a pixel, so no more than this can show in `width`.
QString head(const QString& text, double width, int lines) {
    const auto limit = static_cast<qsizetype>(std::max(0.0, width) + 1) * std::max(1, lines);
    QString start = text.left(limit);
    if (start.size() < text.size() && !start.isEmpty() && start.back().isHighSurrogate())
        start.chop(1);
    return start;
}

}  // namespace

QString fitted(const QString& text, const QFont& font, double width) {
    const QString start = head(text, width, 1);
    const QFontMetricsF metrics(font);
    if (start.size() == text.size() && metrics.horizontalAdvance(text) <= width) return text;
    return metrics.elidedText(start + kEllipsis, Qt::ElideRight, width);
}

QString fittedLines(const QString& text, const QFont& font, double width, int maxLines) {
    if (maxLines <= 1) return fitted(text, font, width);
    const QString start = head(text, width, maxLines);
    QTextLayout layout(start, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() == maxLines - 1) {
            // The last line holds the rest, cut to fit.
            const QString rest = start.mid(line.textStart());
            const bool cut = start.size() < text.size();
            lines << (cut ? fitted(rest + kEllipsis, font, width) : fitted(rest, font, width));
            break;
        }
        lines << start.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines.join(QLatin1Char('\n'));
}

QString toolTip(const QString& text) {
    QString shown = text.left(kToolTipCharacters);
    if (shown.size() < text.size()) shown += kEllipsis;
    // A short text that Qt would not take for markup stays as it is; a long one becomes rich
    // text too, as only rich tool tips wrap to the screen.
    if (shown.size() <= kOneLineCharacters && !Qt::mightBeRichText(shown)) return shown;
    return Qt::convertFromPlainText(shown, Qt::WhiteSpaceNormal);
}

}  // namespace plain_text
