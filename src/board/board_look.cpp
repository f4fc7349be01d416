#include "board/board_look.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace board_look {
namespace {
double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Chosen by rendering every pair crossing over a letter and measuring the letter's contrast
// (the board tests keep that measurement).
const std::array<QColor, 10> kFoundColours = {
    QColor(255, 230, 0),   QColor(128, 255, 255), QColor(255, 176, 208), QColor(176, 240, 128),
    QColor(255, 192, 96),  QColor(192, 192, 255), QColor(160, 232, 208), QColor(240, 200, 255),
    QColor(224, 224, 128), QColor(144, 208, 255),
};
}  // namespace

double luminance(const QColor& colour) {
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor foundColour(int slot) {
    const int count = static_cast<int>(kFoundColours.size());
    return kFoundColours[((std::max(slot, 1) - 1) % count)];
}

QColor highContrastLine() {
    return {0, 108, 255};
}

}  // namespace board_look
