#include "board/session_view.h"

#include "core/game_session.h"

namespace {
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

template <class T>
bool assign(T& target, const T& value) {
    if (target == value) return false;
    target = value;
    return true;
}

bool showLetters(const GameSession& session, BoardModel& model) {
    if (session.wordCount() == 0) return false;
    bool changed = false;
    for (int n = 1; n <= GameState::kCells; ++n) {
        const QChar letter = session.puzzle().letters[n];
        QString& caption = model.cells[n].caption;
        if (caption.size() == 1 && caption[0] == letter) continue;
        caption = QString(letter);
        changed = true;
    }
    return changed;
}

BoardLine lineFor(const GameSession& session, int k) {
    if (k <= session.foundCount()) {
        const Strike& strike = session.strikes()[k - 1];
        return {true, board_geometry::cellCentre(strike.from),
                board_geometry::cellCentre(strike.to), session.lineMode(k), strike.slot};
    }
    const Selection& selection = session.selection();
    if (k == session.foundCount() + 1 && selection.open()) {
        return {true, board_geometry::cellCentre(selection.anchor),
                board_geometry::cellCentre(selection.end), session.lineMode(k)};
    }
    return {};
}
}  // namespace

bool showSession(const GameSession& session, BoardModel& model) {
    bool changed = showLetters(session, model);
    for (int i = 1; i <= kMaxWords; ++i) {
        BoardEntry& entry = model.entries[i];
        changed |= assign(entry.caption, session.entryCaption(i));
        changed |=
            assign(entry.tag, i <= session.wordCount() ? session.puzzle().word(i).word : QString());
        changed |= assign(entry.toolTip, session.entryToolTip(i));
        changed |= assign(entry.struck, session.struck(i));
        changed |= assign(entry.color, session.entryRed(i) ? kRed : kBlack);
        model.lines[i] = lineFor(session, i);
    }
    return changed;
}
