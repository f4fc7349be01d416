#pragma once

#include <QFont>

// The windows' designed face, "MS Sans Serif", at a size in points. Where it is not installed,
// Qt's font matching (and the substitution set at start-up) picks a look-alike.
QFont designFont(double points, bool bold = false);
