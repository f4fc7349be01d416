#include "platform/artwork/artwork.h"

#include <QLinearGradient>
#include <QPainter>

namespace artwork {
namespace {

// Letters on word-search tiles across a blue band, with a marker struck over tiles
// firstMarked..lastMarked (0-based) as if that word had been found.
void paintTileBanner(QPainter& painter, const QRectF& area, const QString& letters, int firstMarked,
                     int lastMarked) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(0, 32, 96));
    sky.setColorAt(1, QColor(0, 96, 160));
    painter.fillRect(area, sky);

    // Tiles as tall as the band allows, narrower if the letters would not fit across it.
    const qreal gap = qMax<qreal>(3, area.height() / 9);
    const qreal count = qMax(1, static_cast<int>(letters.size()));
    const qreal tile = qMin(area.height() - 2 * gap, (area.width() - (count + 1) * gap) / count);
    const qreal step = tile + gap;
    const qreal left = area.left() + (area.width() - letters.size() * step + gap) / 2;
    const qreal top = area.top() + (area.height() - tile) / 2;
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setBold(true);
    font.setPixelSize(qMax(6, static_cast<int>(tile * 0.67)));
    painter.setFont(font);
    for (int i = 0; i < letters.size(); ++i) {
        const QRectF box(left + i * step, top, tile, tile);
        painter.setPen(QColor(0, 0, 64));
        painter.setBrush(QColor(255, 255, 224));
        painter.drawRoundedRect(box, 4, 4);
        painter.setPen(QColor(0, 0, 128));
        painter.drawText(box, Qt::AlignCenter, letters.mid(i, 1));
    }

    painter.setPen(QPen(QColor(255, 200, 0, 130), tile * 0.25, Qt::SolidLine, Qt::RoundCap));
    const qreal y = top + tile / 2;
    painter.drawLine(QPointF(left + firstMarked * step + tile * 0.3, y),
                     QPointF(left + lastMarked * step + tile * 0.7, y));
    painter.restore();
}

}  // namespace

QPixmap splashTitle() {
    QPixmap pixmap(230, 35);
    QPainter painter(&pixmap);
    paintTileBanner(painter, pixmap.rect(), kWordMark, 1, 4);
    return pixmap;
}

void paintEditorBanner(QPainter& painter, const QRectF& area) {
    const QString letters = QStringLiteral("WORDS") + kWordMark + QStringLiteral("PUZZLE");
    paintTileBanner(painter, area, letters, 5, 4 + kWordMark.size());
}

}  // namespace artwork
