#pragma once

#include "core/generator.h"

#include <QString>

#include <functional>
#include <vector>

class RandomSource;

namespace generator {

using grid::GridShape;

enum class PlacerVerdict { Found, Impossible, Undecided };

struct PlacerResult {
    PlacerVerdict verdict = PlacerVerdict::Undecided;
    std::vector<Placement> placements;  // one per word, in the words' order, when Found
};

// A complete search for a puzzle the random generator could also have made: the words are
// placed in the given (sorted) order along the level's directions; a word shares at most one
// cell with the words before it, holding the same letter there, and that cell is not in the
// last column; a word that shares no cell does not start in the last column. Unlike the random
// generator it either finds such a puzzle or proves that none exists. `keepGoing` is called
// now and then; when it returns false the search ends Undecided.
PlacerResult placeAllWords(const std::vector<QString>& words, Level level, GridShape shape,
                           RandomSource& random, const std::function<bool()>& keepGoing);

}  // namespace generator
