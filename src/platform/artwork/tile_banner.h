#pragma once

#include <QString>

class QPainter;
class QRectF;

// The game's banner: letters on word-search tiles across a blue band, with a marker struck over
// tiles firstMarked..lastMarked (0-based) as if that word had been found.
void paintTileBanner(QPainter& painter, const QRectF& area, const QString& letters, int firstMarked,
                     int lastMarked);
