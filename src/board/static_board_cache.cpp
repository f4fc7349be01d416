#include "board/static_board_cache.h"

#include "board/board_painter.h"
#include "board/board_zoom.h"

#include <QPainter>

#include <cmath>

namespace {
// Captions and fonts are compared on every repaint. The model's are copies of the painted
// ones until one is changed, and a copy is recognised without comparing its contents.
bool sameFont(const QFont& a, const QFont& b) {
    return a.isCopyOf(b) || a == b;
}
bool sameText(const QString& a, const QString& b) {
    return a.constData() == b.constData() || a == b;
}

// Whether the two models give the same static board; strike lines do not count.
bool sameStaticBoard(const BoardModel& a, const BoardModel& b) {
    if (!sameText(a.title, b.title) || !(a.look == b.look)) return false;
    for (std::size_t n = 1; n < a.cells.size(); ++n) {
        if (!sameText(a.cells[n].caption, b.cells[n].caption) ||
            !sameFont(a.cells[n].font, b.cells[n].font)) {
            return false;
        }
    }
    for (std::size_t i = 1; i < a.entries.size(); ++i) {
        const BoardEntry& x = a.entries[i];
        const BoardEntry& y = b.entries[i];
        if (!sameText(x.caption, y.caption) || !sameFont(x.font, y.font) || x.color != y.color)
            return false;
    }
    return true;
}
}  // namespace

void StaticBoardCache::rebuildIfStale(const BoardModel& model, const QSize& size, qreal pixelRatio,
                                      double zoom) {
    const QSize shown = board_zoom::scaledSize(size, zoom);
    const QSize devicePixels(static_cast<int>(std::ceil(shown.width() * pixelRatio)),
                             static_cast<int>(std::ceil(shown.height() * pixelRatio)));
    if (rebuilds_ > 0 && zoom_ == zoom && pixmap_.size() == devicePixels &&
        pixmap_.devicePixelRatio() == pixelRatio && sameStaticBoard(model, paintedFrom_)) {
        return;
    }
    pixmap_ = QPixmap(devicePixels);
    pixmap_.setDevicePixelRatio(pixelRatio);
    QPainter painter(&pixmap_);
    if (zoom != 1) painter.scale(zoom, zoom);
    paintStaticBoard(painter, model);
    paintedFrom_ = model;
    zoom_ = zoom;
    ++rebuilds_;
}

void StaticBoardCache::paint(QPainter& painter, const BoardModel& model, const QSize& size,
                             qreal pixelRatio, const QRect& exposed, double zoom) {
    rebuildIfStale(model, size, pixelRatio, zoom);
    const QRectF source(exposed.x() * pixelRatio, exposed.y() * pixelRatio,
                        exposed.width() * pixelRatio, exposed.height() * pixelRatio);
    painter.drawPixmap(QRectF(exposed), pixmap_, source);
    if (zoom == 1) {
        paintStrikeLines(painter, model, exposed);
        return;
    }
    painter.save();
    painter.scale(zoom, zoom);
    paintStrikeLines(painter, model, board_zoom::toBoard(exposed, zoom));
    painter.restore();
}
