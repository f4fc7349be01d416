#pragma once

#include <QColor>

// The player's view options: how the board draws what it shows. All off is the designed look.
struct BoardLook {
    bool colourFound = false;   // each found word's line and list entry in a colour of its own
    bool showAnswers = false;   // a found question shows its word after it
    bool highContrast = false;  // black letters on white, lines that keep them legible
    bool operator==(const BoardLook&) const = default;
};

namespace board_look {

// Relative luminance (0 black .. 1 white) and the contrast ratio of two colours (1 to 21), as
// the web's accessibility guidelines define them.
double luminance(const QColor& colour);
double contrast(const QColor& a, const QColor& b);

// The colour of word slot i's line and list entry under Colour Found Words. Light marker
// colours: drawn as a mask they leave the letters dark on a light band, also where two cross.
QColor foundColour(int slot);

// High Contrast: every line in one colour that stands out from the white paper and keeps a
// black letter under it legible (both at least 4.5:1); a mask of it over itself is itself, so
// crossings look the same.
QColor highContrastLine();

}  // namespace board_look
