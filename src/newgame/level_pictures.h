#pragma once

#include "core/game_vocabulary.h"

#include <QPixmap>

// The 101 x 101 picture of a level: an arrow for every direction its words may run.
QPixmap levelPicture(Level level);
