#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>
#include <QSizeF>

// The board's zoom: one scale for everything the board draws, from half to three times its
// designed size. The board paints in its designed pixels; the zoom maps them to the window.
namespace board_zoom {

constexpr double kActualSize = 1.0;
constexpr double kSmallest = 0.5;
constexpr double kLargest = 3.0;
constexpr double kStep = 0.25;

// Any value (a hand-edited setting) made a scale the board can show: the nearest step within
// the range, the actual size when it is no number at all.
double snapped(double scale);
// The next step above or below `scale`, held at the ends of the range. A scale between steps
// (one Fit to Window chose) moves to the neighbouring step in that direction.
double zoomedIn(double scale);
double zoomedOut(double scale);
// The largest scale, within the range, at which `board` fits whole into `area`.
double fitting(const QSizeF& area, const QSizeF& board);

// The window's size for a board of `designed` pixels at `scale`: whole pixels that hold all of it.
QSize scaledSize(const QSize& designed, double scale);
// A point of the window in the board's designed pixels, for hit tests.
QPointF toBoard(const QPointF& windowPos, double scale);
// The window pixels covering an area of the board, for partial repaints.
QRect toWindow(const QRect& boardArea, double scale);
// The board's pixels behind an area of the window.
QRect toBoard(const QRect& windowArea, double scale);

}  // namespace board_zoom
