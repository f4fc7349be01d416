#pragma once

#include "core/complete_placer.h"

namespace generator {

// The complete search for lists the quick one leaves open, with the contract of placeAllWords:
// the word with fewest places left goes next; each word's places are a bit set narrowed as words
// are laid; the long words must still find a line each among the places left; and a dead end
// names the laid words that caused it, so the search jumps straight back to the latest of them.
PlacerResult searchMostConstrainedFirst(const std::vector<QString>& words, Level level,
                                        GridShape shape, RandomSource& random,
                                        const std::function<bool()>& keepGoing);

}  // namespace generator
