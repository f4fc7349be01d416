#pragma once

#include <QRectF>

class QPainter;

// The program's artwork, drawn in code so it scales with the screen and needs no image files.
namespace artwork {

// The "QUARROW" word mark on a dark teal band with a faint letter grid behind it.
void paintTitle(QPainter& painter, const QRectF& area);
// Background of the bottom status strip: a dark gradient with the word mark at its left.
void paintStatusStrip(QPainter& painter, const QRectF& area, const QRectF& titleArea);
// The Speed Challenge indicator's stopwatch, drawn over the indicator's back colour.
void paintStopwatch(QPainter& painter, const QRectF& area);

}  // namespace artwork
