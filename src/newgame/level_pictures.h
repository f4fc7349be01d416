#pragma once

#include <QPixmap>

// The 101 x 101 picture of a level (1..4): an arrow for every direction its words may run.
QPixmap levelPicture(int level);
