#pragma once

#include "board/board_model.h"

struct GameState;

// Striking words, the flash of a struck word and the completion sequence, as steps over the
// game state and the board model. The board window runs them from its timers.
namespace strike {

// Every word is struck: the grid ignores the mouse.
bool puzzleComplete(const GameState& state);
// Line of the open selection, foundCount + 1; 0 when the puzzle is complete.
int selectionLine(const GameState& state);

// Marks entry `slot` found: struck through, and in the Blanks mode showing its word.
void strikeEntry(BoardModel& model, int slot, int showMode);
// Lays line `line` from the first to the last letter of word `slot` and shows it.
void layLineOverWord(const GameState& state, BoardModel& model, int line, int slot);

// What the end of a flash does: line lastLine back to the mask pen, entry lastWord black.
void settleFlash(const GameState& state, BoardModel& model);

enum class FlashTick {
    GameOver,  // the game has ended: the completion sequence takes over from the flash
    Toggled,   // the last struck line and entry changed to their other flash state
    Idle,      // nothing struck yet
};
// One 100 ms tick of the flash: mode 8 + black, then mode 10 + red, alternating.
FlashTick flashTick(const GameState& state, BoardModel& model);

enum class CompletionTick {
    Stepped,   // one more line turned inverse and its entry red; a chime is due
    Finished,  // the board is back to normal colours; the end-of-game window is due
};
// One tick of the completion sequence: turns the first line still in the mask pen to the
// inverse and colours the entry with the same number red; once the last word's line is
// inverse, every line and entry returns to normal.
CompletionTick completionTick(const GameState& state, BoardModel& model);

}  // namespace strike
