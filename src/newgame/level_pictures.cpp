#include "newgame/level_pictures.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <vector>

namespace {

struct Direction {
    int dx, dy;  // screen directions: y grows downwards
};

// Each level adds directions to the one before; no level runs words straight up.
std::vector<Direction> directionsOf(int level) {
    std::vector<Direction> dirs{{1, 0}, {0, 1}};
    if (level >= 2) dirs.push_back({-1, 0});
    if (level >= 3) dirs.insert(dirs.end(), {{1, 1}, {1, -1}});
    if (level >= 4) dirs.insert(dirs.end(), {{-1, 1}, {-1, -1}});
    return dirs;
}

void drawArrow(QPainter& painter, QPointF from, Direction dir, double length) {
    const double norm = std::hypot(dir.dx, dir.dy);
    const QPointF unit(dir.dx / norm, dir.dy / norm);
    const QPointF tip = from + unit * length;
    painter.drawLine(from + unit * 8, tip - unit * 6);
    const QPointF side(-unit.y(), unit.x());
    const QPolygonF head({tip, tip - unit * 11 + side * 6, tip - unit * 11 - side * 6});
    painter.drawPolygon(head);
}

}  // namespace

QPixmap levelPicture(int level) {
    constexpr int kSize = 101;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(QColor(0, 0, 64));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF centre(kSize / 2.0, kSize / 2.0);
    painter.setPen(QPen(QColor(255, 255, 0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(QColor(255, 255, 0));
    for (const Direction dir : directionsOf(level)) drawArrow(painter, centre, dir, 42);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(centre, 5, 5);
    return pixmap;
}
