#include "board/selection.h"

#include "board/board_model.h"
#include "core/game_state.h"

#include <algorithm>
#include <cmath>

namespace selection {
namespace {
bool samePoint(const QPointF& a, const QPointF& b) {
    return a.x() == b.x() && a.y() == b.y();
}

// std::nearbyint rounds halves to the even neighbour under the default rounding mode.
QPointF rounded(const QPointF& p) {
    return {std::nearbyint(p.x()), std::nearbyint(p.y())};
}

bool sameEnds(const QPointF& a, const QPointF& b, const QPointF& s, const QPointF& e) {
    return (samePoint(a, s) && samePoint(b, e)) || (samePoint(a, e) && samePoint(b, s));
}
}  // namespace

bool joinsEnds(const QPointF& anchor, const QPointF& end, const QPointF& first,
               const QPointF& last) {
    return sameEnds(anchor, end, first, last) ||
           sameEnds(anchor, end, rounded(first), rounded(last));
}

int matchingWord(const GameState& state, const QPointF& anchor, const QPointF& end) {
    const int count = std::min(state.wordCount, GameState::kMaxWords);
    for (int i = 1; i <= count; ++i) {
        const int first = state.wordCells[i][1];
        const int last = state.wordCells[i][2];
        if (!board_geometry::isCell(first) || !board_geometry::isCell(last)) continue;
        if (joinsEnds(anchor, end, board_geometry::cellCentre(first),
                      board_geometry::cellCentre(last))) {
            return i;
        }
    }
    return 0;
}

}  // namespace selection
