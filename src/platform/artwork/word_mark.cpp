#include "platform/artwork/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace artwork {
namespace {
const QColor kDeepTeal(0, 64, 64);
const QColor kTeal(0, 144, 144);
const QColor kPaleCyan(192, 255, 255);

// Letters of a word-search grid, faint, as texture behind the word mark.
void paintLetterTexture(QPainter& painter, const QRectF& area) {
    static const char kLetters[] = "QWORDSEARCHPUZZLEGRIDFINDTHEMEXQUARROW";
    const double cell = std::max(6.0, area.height() / 4);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(std::max(4, static_cast<int>(cell * 0.8)));
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255, 28));
    int k = 0;
    for (double y = area.top(); y < area.bottom(); y += cell) {
        for (double x = area.left(); x < area.right(); x += cell) {
            const char letter = kLetters[k++ % (sizeof kLetters - 1)];
            painter.drawText(QRectF(x, y, cell, cell), Qt::AlignCenter, QString(QChar(letter)));
        }
    }
}
}  // namespace

void paintTitle(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);
    QLinearGradient band(area.topLeft(), area.bottomLeft());
    band.setColorAt(0, kTeal);
    band.setColorAt(1, kDeepTeal);
    painter.fillRect(area, band);
    paintLetterTexture(painter, area);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(6, static_cast<int>(area.height() * 0.62)));
    font.setLetterSpacing(QFont::PercentageSpacing, 112);
    QPainterPath text;
    text.addText(0, 0, font, kWordMark);
    const QRectF bounds = text.boundingRect();
    const double scale = std::min(1.0, area.width() * 0.9 / bounds.width());
    painter.translate(area.center());
    painter.scale(scale, scale);
    painter.translate(-bounds.center());
    painter.fillPath(text.translated(1.5, 1.5), QColor(0, 0, 0, 150));
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, kPaleCyan);
    painter.fillPath(text, fill);

    // A marker stroke through the middle letters, as a found word is marked on the board.
    QPen marker(QColor(255, 255, 0, 110), bounds.height() * 0.28, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(marker);
    const double y = bounds.center().y();
    painter.drawLine(QPointF(bounds.left() + bounds.width() * 0.3, y),
                     QPointF(bounds.right() - bounds.width() * 0.06, y));
    painter.restore();
}

void paintStatusStrip(QPainter& painter, const QRectF& area, const QRectF& titleArea) {
    QLinearGradient strip(area.topLeft(), area.bottomLeft());
    strip.setColorAt(0, QColor(40, 70, 72));
    strip.setColorAt(1, QColor(8, 24, 26));
    painter.fillRect(area, strip);
    paintTitle(painter, titleArea);
}

void paintStopwatch(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double size = std::min(area.width(), area.height());
    const QRectF face(area.center().x() - size * 0.36, area.center().y() - size * 0.3, size * 0.72,
                      size * 0.72);
    painter.setPen(QPen(Qt::black, std::max(1.0, size / 14)));
    painter.setBrush(Qt::white);
    painter.drawEllipse(face);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(face.center().x() - size * 0.07, face.top() - size * 0.16, size * 0.14,
                            size * 0.12));
    painter.drawLine(face.center(), QPointF(face.center().x(), face.top() + size * 0.12));
    painter.drawLine(face.center(), QPointF(face.right() - size * 0.14, face.center().y()));
    painter.restore();
}

}  // namespace artwork
