#pragma once

#include <QPixmap>
#include <QRectF>
#include <QString>

class QPainter;

// Every picture of the program, drawn in code so it scales with the screen and needs no image
// files.
namespace artwork {

inline const QString kWordMark = QStringLiteral("QUARROW");

// The word mark on a dark teal band with a faint letter grid behind it (title window, About).
void paintTitle(QPainter& painter, const QRectF& area);
// Background of the bottom status strip: a dark gradient with the word mark at its left.
void paintStatusStrip(QPainter& painter, const QRectF& area, const QRectF& titleArea);
// The Time Challenge indicator's stopwatch, drawn over the indicator's back colour.
void paintStopwatch(QPainter& painter, const QRectF& area);

// The splash's picture, 230 x 35 pixels: the word mark spelled on word-search tiles with a
// marker over its middle letters.
QPixmap splashTitle();
// The editor's banner: a strip of tiles with the marker over the word mark hidden in it.
void paintEditorBanner(QPainter& painter, const QRectF& area);

}  // namespace artwork
