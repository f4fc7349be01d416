#pragma once

// Keyboard play on the grid: a cell cursor that the keys move, and the keys that stand for the
// mouse buttons on the cursor's cell.
namespace cursor_keys {

enum class Act { None, Move, LeftClick, RightClick };

struct Outcome {
    Act act = Act::None;
    int cell = 0;  // the cursor's cell afterwards (1..360)
};

// What `key` (a Qt::Key) does with the cursor on `cell`: the arrows move one cell and stop at
// the edge, Home and End go to the ends of the row, Page Up and Page Down to the ends of the
// column; Space and Enter are a left click and Escape a right click on the cursor's cell. Any
// other key does nothing.
Outcome onKey(int key, int cell);

}  // namespace cursor_keys
