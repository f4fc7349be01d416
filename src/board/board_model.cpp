#include "board/board_model.h"
#include "core/grid_shape.h"
#include "platform/design_font.h"

#include <cmath>

namespace board_geometry {
namespace {
constexpr double kGridLeft = 720;
constexpr double kGridTop = 840;
constexpr double kPitch = 360;
constexpr double kEntryTop = 120;
constexpr double kEntryPitch = 360;
constexpr double kEntryHeight = 255;

// Index 0..count-1 of the cell whose span [start + pitch*k, start + pitch*k + size) holds v,
// the lower one where two spans overlap; -1 when none does.
int spanAt(double v, double start, int count) {
    const int k = static_cast<int>(std::floor((v - start) / kPitch));
    for (int candidate : {k - 1, k}) {
        if (candidate < 0 || candidate >= count) continue;
        const double low = start + kPitch * candidate;
        if (v >= low && v < low + kCellSize) return candidate;
    }
    return -1;
}
}  // namespace

double cellLeft(int n) {
    return kGridLeft + kPitch * grid::columnOf(n);
}
double cellTop(int n) {
    return kGridTop + kPitch * grid::rowOf(n);
}
QPointF cellCentre(int n) {
    return {cellLeft(n) + kCellSize / 2, cellTop(n) + kCellSize / 2};
}

QRectF entryRect(int i) {
    const double width = (i == 1 || i == kMaxWords) ? 3255 : 3235;
    return {kPanelLeft, kPanelTop + kEntryTop + kEntryPitch * i, width, kEntryHeight};
}

int cellAt(const QPointF& pos) {
    const int column = spanAt(pos.x(), kGridLeft, grid::kColumns);
    const int row = spanAt(pos.y(), kGridTop, grid::kRows);
    return column < 0 || row < 0 ? 0 : grid::cellAt(row, column);
}

int entryAt(const QPointF& pos) {
    for (int i = 1; i <= kMaxWords; ++i) {
        if (entryRect(i).contains(pos)) return i;
    }
    return 0;
}

}  // namespace board_geometry

QFont defaultCellFont() {
    return designFont(13.5);
}
QFont defaultEntryFont() {
    return designFont(9.75);
}
QFont titleFont() {
    QFont font = designFont(13.5);
    font.setItalic(true);
    return font;
}
