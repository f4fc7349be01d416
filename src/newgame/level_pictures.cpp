#include "newgame/level_pictures.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace {

// The grid's rows grow downwards, as the picture's y does.
void drawArrow(QPainter& painter, QPointF from, WordDirection dir, double length) {
    const double norm = std::hypot(dir.columnStep, dir.rowStep);
    const QPointF unit(dir.columnStep / norm, dir.rowStep / norm);
    const QPointF tip = from + unit * length;
    painter.drawLine(from + unit * 8, tip - unit * 6);
    const QPointF side(-unit.y(), unit.x());
    const QPolygonF head({tip, tip - unit * 11 + side * 6, tip - unit * 11 - side * 6});
    painter.drawPolygon(head);
}

}  // namespace

QPixmap levelPicture(Level level) {
    constexpr int kSize = 101;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(QColor(0, 0, 64));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF centre(kSize / 2.0, kSize / 2.0);
    painter.setPen(QPen(QColor(255, 255, 0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(QColor(255, 255, 0));
    for (const WordDirection dir : directionsFor(level)) drawArrow(painter, centre, dir, 42);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(centre, 5, 5);
    return pixmap;
}
