#include "shell/startup/title_artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

QPixmap titleArtwork() {
    constexpr int kWidth = 230;
    constexpr int kHeight = 35;
    QPixmap pixmap(kWidth, kHeight);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(0, 32, 96));
    sky.setColorAt(1, QColor(0, 96, 160));
    painter.fillRect(pixmap.rect(), sky);

    // One tile per letter, with a marker line struck through the middle letters as if found.
    const QString name = QStringLiteral("QUARROW");
    constexpr int kTile = 27;
    constexpr int kGap = 4;
    const int left = (kWidth - (name.size() * kTile + (name.size() - 1) * kGap)) / 2;
    const int top = (kHeight - kTile) / 2;
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    for (int i = 0; i < name.size(); ++i) {
        const QRect tile(left + i * (kTile + kGap), top, kTile, kTile);
        painter.setPen(QColor(0, 0, 64));
        painter.setBrush(QColor(255, 255, 224));
        painter.drawRoundedRect(tile, 4, 4);
        painter.setPen(QColor(0, 0, 128));
        painter.drawText(tile, Qt::AlignCenter, name.mid(i, 1));
    }
    QPen marker(QColor(255, 200, 0, 110), 6, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(marker);
    const int y = top + kTile / 2;
    painter.drawLine(left + (kTile + kGap) + 6, y, left + 5 * (kTile + kGap) - kGap - 6, y);
    return pixmap;
}
