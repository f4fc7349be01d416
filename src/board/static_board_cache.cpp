#include "board/static_board_cache.h"

#include "board/board_painter.h"

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
    if (!sameText(a.title, b.title)) return false;
    for (std::size_t n = 1; n < a.cells.size(); ++n) {
        if (!sameText(a.cells[n].caption, b.cells[n].caption) ||
            !sameFont(a.cells[n].font, b.cells[n].font)) {
            return false;
        }
    }
    for (std::size_t i = 1; i < a.entries.size(); ++i) {
        const BoardEntry& x = a.entries[i];
        const BoardEntry& y = b.entries[i];
        if (!sameText(x.caption, y.caption) || !sameFont(x.font, y.font) || x.color != y.color ||
            x.struck != y.struck)
            return false;
    }
    return true;
}
}  // namespace

void StaticBoardCache::rebuildIfStale(const BoardModel& model, const QSize& size,
                                      qreal pixelRatio) {
    const QSize devicePixels(static_cast<int>(std::ceil(size.width() * pixelRatio)),
                             static_cast<int>(std::ceil(size.height() * pixelRatio)));
    if (rebuilds_ > 0 && pixmap_.size() == devicePixels &&
        pixmap_.devicePixelRatio() == pixelRatio && sameStaticBoard(model, paintedFrom_)) {
        return;
    }
    pixmap_ = QPixmap(devicePixels);
    pixmap_.setDevicePixelRatio(pixelRatio);
    QPainter painter(&pixmap_);
    paintStaticBoard(painter, model);
    paintedFrom_ = model;
    ++rebuilds_;
}

void StaticBoardCache::paint(QPainter& painter, const BoardModel& model, const QSize& size,
                             qreal pixelRatio, const QRect& exposed) {
    rebuildIfStale(model, size, pixelRatio);
    const QRectF source(exposed.x() * pixelRatio, exposed.y() * pixelRatio,
                        exposed.width() * pixelRatio, exposed.height() * pixelRatio);
    painter.drawPixmap(QRectF(exposed), pixmap_, source);
    paintStrikeLines(painter, model, exposed);
}
