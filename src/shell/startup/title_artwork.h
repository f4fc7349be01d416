#pragma once

#include <QPixmap>

// The program's title artwork, 230 x 35 pixels: the name spelled on word-search tiles.
QPixmap titleArtwork();
