#include "board/reveal_rules.h"

#include "board/board_speech.h"
#include "core/game_session.h"

namespace reveal {

std::array<Row, kMaxWords + 1> rows(const GameSession& session) {
    std::array<Row, kMaxWords + 1> result{};
    for (int i = 1; i <= session.wordCount(); ++i) {
        result[i].caption = session.entryCaption(i);
        result[i].enabled = !session.struck(i);
        result[i].spoken =
            board_speech::entryName({i, result[i].caption, session.puzzle().word(i).word,
                                     session.struck(i), session.setup().showMode});
    }
    return result;
}

QString quotaNote(int count) {
    if (count == GameSession::kRevealQuota - 1)
        return QStringLiteral("You have one more 'reveal word' left!");
    if (count == GameSession::kRevealQuota)
        return QStringLiteral("You have no more 'reveal word's left!");
    return {};
}

}  // namespace reveal
