#pragma once

// Placement of the main window's two child windows and of the status strip's controls, in
// twips. A plain function so every case can be checked without a window.
namespace window_layout {

struct Position {
    double left = 0;
    double top = 0;
};

// The strip controls the layout moves; the previous values are kept where the layout stops.
struct StripPositions {
    double clockLeft = 0;
    double hintLeft = 0;
    double hintWidth = 0;
    double levelCaptionLeft = 0;
    double levelShadowLeft = 0;
    double speedLeft = 0;
};

struct Input {
    double width = 0;       // outer width of the main window
    double areaWidth = 0;   // the client area the children share: below the menu bar, above
    double areaHeight = 0;  // the strip, whatever frame the window manager adds or leaves out
    double titleWidth = 0;
    double titleHeight = 0;
    double boardWidth = 0;
    double boardHeight = 0;
    double clockWidth = 0;
    double levelCaptionWidth = 0;
    double speedWidth = 0;
    StripPositions previous;
};

struct Result {
    Position title;
    Position board;
    StripPositions strip;
    bool stripFitted = false;  // false: the window is too narrow for the text display
};

// Children centred in their area, even when that puts them partly outside it (a negative left
// or top in a window smaller than the child); the clock at the right edge with the indicator before
// it; the text display from 3450 up to the level caption. When the text display would get a
// negative width the steps after it are skipped and those controls keep their positions.
Result layOut(const Input& in);

}  // namespace window_layout
