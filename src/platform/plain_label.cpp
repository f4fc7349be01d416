#include "platform/plain_label.h"

#include "platform/plain_text.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace {
// Wide enough for a short title; a window's other controls decide its real width.
constexpr int kHintCharacters = 16;
}  // namespace

PlainLabel::PlainLabel(QWidget* parent) : PlainLabel(QString(), parent) {}

PlainLabel::PlainLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(text);
}

void PlainLabel::setMaximumLines(int lines) {
    maximumLines_ = std::max(1, lines);
    updateGeometry();
    update();
}

QString PlainLabel::shownText() const {
    const QRect area = textArea();
    return plain_text::fittedLines(text(), font(), area.width(), linesThatFit(area.height()));
}

QSize PlainLabel::sizeHint() const {
    const int width = fontMetrics().averageCharWidth() * kHintCharacters;
    const QMargins margins = contentsMargins();
    return {width + margins.left() + margins.right(), heightForWidth(width)};
}

QSize PlainLabel::minimumSizeHint() const {
    const QMargins margins = contentsMargins();
    return {margins.left() + margins.right(),
            fontMetrics().height() + margins.top() + margins.bottom() + 2 * margin()};
}

bool PlainLabel::hasHeightForWidth() const {
    return maximumLines_ > 1;
}

int PlainLabel::heightForWidth(int width) const {
    const QMargins margins = contentsMargins();
    const int inner = width - margins.left() - margins.right() - 2 * margin();
    const QString lines =
        plain_text::fittedLines(text(), font(), std::max(inner, 1), maximumLines_);
    const int count = std::max<int>(1, lines.count(QLatin1Char('\n')) + 1);
    const QFontMetrics metrics = fontMetrics();
    return (count - 1) * metrics.lineSpacing() + metrics.height() + margins.top() +
           margins.bottom() + 2 * margin();
}

// The contents rectangle less the margin and, on the aligned sides, the indent, as QLabel
// places plain text.
QRect PlainLabel::textArea() const {
    QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int indent = this->indent();
    if (indent < 0 && frameWidth() > 0)
        indent = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0) {
        const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
        if (align & Qt::AlignLeft) area.setLeft(area.left() + indent);
        if (align & Qt::AlignRight) area.setRight(area.right() - indent);
        if (align & Qt::AlignTop) area.setTop(area.top() + indent);
        if (align & Qt::AlignBottom) area.setBottom(area.bottom() - indent);
    }
    return area;
}

int PlainLabel::linesThatFit(int height) const {
    const QFontMetrics metrics = fontMetrics();
    const int fit = 1 + std::max(0, height - metrics.height()) / metrics.lineSpacing();
    return std::min(fit, maximumLines_);
}

void PlainLabel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    style()->drawItemText(&painter, textArea(),
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), shownText(), foregroundRole());
}
