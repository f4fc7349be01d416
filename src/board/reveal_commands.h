#pragma once

struct Services;
class BoardPlay;
class RevealWordDialog;

// The "Reveal Word" and "Reveal Puzzle" commands of the Options menu. A revealed word is
// struck like a found one, but counts as help instead of a find.

// Opens the reveal-word dialog over the board's window; refuses with a message once the
// quota of revealed words is used up. Returns the dialog opened, or nullptr.
RevealWordDialog* revealWord(Services& services, BoardPlay& play);

// Asks first; on Yes strikes every word, each line laid first to last letter in list order,
// counts "S_REV" and ends the game.
void revealPuzzle(Services& services, BoardPlay& play);

// Strikes word `slot` for the player as a revealed word. Returns false (and changes nothing)
// for a slot that is out of range or already struck.
bool revealSingleWord(Services& services, BoardPlay& play, int slot);
