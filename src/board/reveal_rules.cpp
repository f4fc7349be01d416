#include "board/reveal_rules.h"

#include "core/game_state.h"

#include <algorithm>

namespace reveal {

std::array<Row, 21> rows(const GameState& state, const BoardModel& model) {
    std::array<Row, 21> result{};
    const int count = std::clamp(state.wordCount, 0, GameState::kMaxWords);
    for (int i = 1; i <= count; ++i) {
        result[i].caption = model.entries[i].caption;
        result[i].enabled = !model.entries[i].struck();
    }
    return result;
}

QString quotaNote(int count) {
    if (count == kWordQuota - 1) return QStringLiteral("You have one more 'reveal word' left!");
    if (count == kWordQuota) return QStringLiteral("You have no more 'reveal word's left!");
    return {};
}

}  // namespace reveal
