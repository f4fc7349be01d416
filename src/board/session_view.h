#pragma once

#include "board/board_model.h"

class GameSession;

// Draws a game onto the board's model: the letters, the word list in the game's display mode,
// struck entries and the flash's colours, the strike lines and the open selection. Fonts and
// the title are left as they are. Before the first game the grid keeps its own letters.
// Returns true when anything besides the lines changed.
bool showSession(const GameSession& session, BoardModel& model);
