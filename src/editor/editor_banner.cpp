#include "editor/editor_banner.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
// Letters on the tiles; the marker runs over the word QUARROW in the middle.
const QString kTiles = QStringLiteral("WORDSQUARROWPUZZLE");
constexpr int kMarkedFirst = 5;
constexpr int kMarkedLast = 11;
}  // namespace

EditorBanner::EditorBanner(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
}

void EditorBanner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(40, 70, 140));
    sky.setColorAt(1, QColor(15, 30, 80));
    painter.fillRect(area, sky);

    const qreal gap = 3;
    const qreal tile = area.height() - 2 * gap;
    const qreal step = tile + gap;
    const qreal left = (area.width() - kTiles.size() * step + gap) / 2;
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(6, static_cast<int>(tile * 0.7)));
    painter.setFont(font);
    for (int i = 0; i < kTiles.size(); ++i) {
        const QRectF box(left + i * step, gap, tile, tile);
        painter.setPen(QPen(QColor(90, 90, 90), 1));
        painter.setBrush(QColor(250, 245, 225));
        painter.drawRoundedRect(box, 3, 3);
        painter.setPen(QColor(20, 20, 20));
        painter.drawText(box, Qt::AlignCenter, kTiles.mid(i, 1));
    }

    QColor marker(255, 210, 0, 150);
    painter.setPen(QPen(marker, tile * 0.55, Qt::SolidLine, Qt::RoundCap));
    const qreal y = gap + tile / 2;
    painter.drawLine(QPointF(left + kMarkedFirst * step + tile * 0.3, y),
                     QPointF(left + kMarkedLast * step + tile * 0.7, y));
}
