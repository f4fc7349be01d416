#pragma once

#include <QPointF>

struct GameState;

// Matching a selection line against the hidden words. Only the two end cells count: nothing
// checks the direction or straightness of the line.
namespace selection {

// True when the line from `anchor` to `end` runs between the word ends `first` and `last`, in
// either order. The ends are compared with the exact centres and, failing that, with the
// centres rounded to whole twips (halves to even), so a line whose ends were stored as whole
// twips still matches.
bool joinsEnds(const QPointF& anchor, const QPointF& end, const QPointF& first,
               const QPointF& last);

// The first word slot (1..wordCount, list order) whose end cells the line joins; 0 for none.
// Slots with an end outside the grid never match.
int matchingWord(const GameState& state, const QPointF& anchor, const QPointF& end);

}  // namespace selection
