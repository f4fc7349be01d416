#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>

// Positions and sizes of the game's windows are designed in twips (1/1440 inch). This is the
// one place that turns them into pixels: 15 twips per pixel at 96 dpi, scaled by the screen's
// logical dpi.
namespace twips {

void setLogicalDpi(double dpi);  // called once at start-up from the primary screen
double pixelsPerTwip();
double toPixels(double twips);
int toPixelsRounded(double twips);
double fromPixels(double pixels);
QPointF point(double left, double top);
QRect rect(double left, double top, double width, double height);
QRectF rectF(double left, double top, double width, double height);

}  // namespace twips
