#include "board/board_snapshot.h"

#include "board/board_speech.h"
#include "board/board_window.h"
#include "board/strike_rules.h"

#include <algorithm>

QString BoardSnapshot::cellName(int cell) const {
    return board_speech::cellName(letters[cell], cell);
}

BoardSnapshot readBoard(const BoardWindow& board, const GameState& state) {
    const BoardModel& model = board.model();
    BoardSnapshot shot;
    for (int n = 1; n <= GameState::kCells; ++n) shot.letters[n] = model.cells[n].caption;
    shot.entryCount = std::clamp(state.wordCount, 0, GameState::kMaxWords);
    for (int i = 1; i <= shot.entryCount; ++i) {
        const BoardEntry& entry = model.entries[i];
        shot.words[i] = state.wordList[i];
        shot.found[i] = entry.struck();
        shot.entryNames[i] = board_speech::entryName(
            {i, entry.caption, state.wordList[i], entry.struck(), state.showMode});
    }
    shot.foundCount = state.foundCount;
    shot.cursorCell = board.cursorCell();
    shot.focused = board.hasFocus();
    if (const int line = strike::selectionLine(state); line != 0 && model.lines[line].visible) {
        shot.anchorCell = board_geometry::cellAt(model.lines[line].p1);
    }
    shot.complete = state.wordCount > 0 && strike::puzzleComplete(state) && !state.gameInProgress;
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
    return said;
}
