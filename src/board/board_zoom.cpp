#include "board/board_zoom.h"

#include <algorithm>
#include <cmath>

namespace board_zoom {
namespace {
// Scales compared as steps: a fitted 2.0000001 is the step 2, not between 2 and 2.25.
constexpr double kTolerance = 1e-6;

double steps(double scale) {
    return scale / kStep;
}
}  // namespace

double snapped(double scale) {
    if (!std::isfinite(scale)) return kActualSize;
    return std::clamp(std::round(steps(scale)) * kStep, kSmallest, kLargest);
}

double zoomedIn(double scale) {
    return std::min(kLargest, (std::floor(steps(scale) + kTolerance) + 1) * kStep);
}

double zoomedOut(double scale) {
    return std::max(kSmallest, (std::ceil(steps(scale) - kTolerance) - 1) * kStep);
}

double fitting(const QSizeF& area, const QSizeF& board) {
    if (board.isEmpty()) return kActualSize;
    const double scale = std::min(area.width() / board.width(), area.height() / board.height());
    return std::clamp(scale, kSmallest, kLargest);
}

QSize scaledSize(const QSize& designed, double scale) {
    // Rounded up, so nothing drawn is cut off; a product that misses a whole number by a
    // rounding error is that number.
    const auto whole = [scale](int length) {
        return static_cast<int>(std::ceil(length * scale - kTolerance));
    };
    return {whole(designed.width()), whole(designed.height())};
}

QPointF toBoard(const QPointF& windowPos, double scale) {
    return windowPos / scale;
}

QRect toWindow(const QRect& boardArea, double scale) {
    const QRectF scaled(QPointF(boardArea.topLeft()) * scale, QSizeF(boardArea.size()) * scale);
    return scaled.toAlignedRect();
}

QRect toBoard(const QRect& windowArea, double scale) {
    const QRectF area(QPointF(windowArea.topLeft()) / scale, QSizeF(windowArea.size()) / scale);
    return area.toAlignedRect();
}

}  // namespace board_zoom
