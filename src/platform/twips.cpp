#include "platform/twips.h"

#include <cmath>

namespace twips {
namespace {
double g_pixelsPerTwip = 1.0 / 15.0;
}

void setLogicalDpi(double dpi) {
    if (dpi > 0) g_pixelsPerTwip = dpi / 1440.0;
}
double pixelsPerTwip() {
    return g_pixelsPerTwip;
}
double toPixels(double value) {
    return value * g_pixelsPerTwip;
}
int toPixelsRounded(double value) {
    return static_cast<int>(std::lround(toPixels(value)));
}
double fromPixels(double pixels) {
    return pixels / g_pixelsPerTwip;
}
QPointF point(double left, double top) {
    return {toPixels(left), toPixels(top)};
}
QRect rect(double left, double top, double width, double height) {
    return {toPixelsRounded(left), toPixelsRounded(top), toPixelsRounded(width),
            toPixelsRounded(height)};
}
QRectF rectF(double left, double top, double width, double height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

}  // namespace twips
