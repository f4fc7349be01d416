#include "board/board_snapshot.h"

#include "board/board_speech.h"
#include "board/board_window.h"
#include "core/game_session.h"

QString BoardSnapshot::cellName(int cell) const {
    return board_speech::cellName(letters[cell], cell);
}

BoardSnapshot readBoard(const BoardWindow& board, const GameSession& session) {
    const BoardModel& model = board.model();
    BoardSnapshot shot;
    shot.cursorCell = board.cursorCell();
    shot.focused = board.hasFocus();
    shot.complete = session.complete();
    shot.covered = board.covered();
    if (shot.covered) return shot;
    for (int n = 1; n <= GameState::kCells; ++n) shot.letters[n] = model.cells[n].caption;
    shot.entryCount = session.wordCount();
    for (int i = 1; i <= shot.entryCount; ++i) {
        shot.words[i] = session.puzzle().word(i).word;
        shot.found[i] = session.struck(i);
        shot.entryNames[i] = board_speech::entryName(
            {i, model.entries[i].caption, shot.words[i], shot.found[i], session.setup().showMode});
    }
    shot.foundCount = session.foundCount();
    shot.anchorCell = session.selection().anchor;
    return shot;
}

QStringList announcements(const BoardSnapshot& before, const BoardSnapshot& after) {
    QStringList said;
    if (after.anchorCell != 0 && after.anchorCell != before.anchorCell) {
        said << board_speech::anchorSet(after.cellName(after.anchorCell));
    }
    // A new game clears every entry; only a word turning found within the same list counts.
    if (after.entryCount == before.entryCount) {
        for (int i = 1; i <= after.entryCount; ++i) {
            if (after.found[i] && !before.found[i]) {
                said << board_speech::wordStruck(after.words[i], after.foundCount,
                                                 after.entryCount);
            }
        }
    }
    if (after.complete && !before.complete) said << board_speech::puzzleComplete();
    // A selection that ends without a strike was dropped; its start no longer stands.
    if (said.isEmpty() && before.anchorCell != 0 && after.anchorCell == 0) {
        said << board_speech::selectionCleared();
    }
    return said;
}
