#include "board/strike_rules.h"

#include "core/game_state.h"

#include <algorithm>

namespace strike {
namespace {
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

bool isSlot(int i) {
    return i >= 1 && i <= GameState::kMaxWords;
}
int lastSlot(const GameState& state) {
    return std::clamp(state.wordCount, 0, GameState::kMaxWords);
}
}  // namespace

bool puzzleComplete(const GameState& state) {
    return state.foundCount >= state.wordCount;
}

int selectionLine(const GameState& state) {
    const int line = state.foundCount + 1;
    return puzzleComplete(state) || !isSlot(line) ? 0 : line;
}

void strikeEntry(BoardModel& model, int slot, int showMode) {
    if (!isSlot(slot)) return;
    BoardEntry& entry = model.entries[slot];
    if (showMode == 3) entry.caption = entry.tag;
    entry.font.setStrikeOut(true);
}

void layLineOverWord(const GameState& state, BoardModel& model, int line, int slot) {
    if (!isSlot(line) || !isSlot(slot)) return;
    const int first = state.wordCells[slot][1];
    const int last = state.wordCells[slot][2];
    if (!board_geometry::isCell(first) || !board_geometry::isCell(last)) return;
    BoardLine& target = model.lines[line];
    target.p1 = board_geometry::cellCentre(first);
    target.p2 = board_geometry::cellCentre(last);
    target.visible = true;
    target.slot = slot;
}

void settleFlash(const GameState& state, BoardModel& model) {
    if (!isSlot(state.lastLine) || !isSlot(state.lastWord)) return;
    model.lines[state.lastLine].mode = DrawMode::MaskPen;
    model.entries[state.lastWord].color = kBlack;
}

FlashTick flashTick(const GameState& state, BoardModel& model) {
    if (puzzleComplete(state)) {
        if (isSlot(state.wordCount)) model.lines[state.wordCount].mode = DrawMode::MaskPen;
        return FlashTick::GameOver;
    }
    if (!isSlot(state.lastLine) || !isSlot(state.lastWord)) return FlashTick::Idle;
    BoardLine& line = model.lines[state.lastLine];
    const bool wasNotMask = line.mode == DrawMode::NotMaskPen;
    line.mode = wasNotMask ? DrawMode::NotXorPen : DrawMode::NotMaskPen;
    model.entries[state.lastWord].color = wasNotMask ? kRed : kBlack;
    return FlashTick::Toggled;
}

CompletionTick completionTick(const GameState& state, BoardModel& model) {
    const int count = lastSlot(state);
    const bool lastTurned = count > 0 && model.lines[count].mode == DrawMode::NotMaskPen;
    if (!lastTurned) {
        for (int k = 1; k <= count; ++k) {
            if (model.lines[k].mode != DrawMode::MaskPen) continue;
            model.lines[k].mode = DrawMode::NotMaskPen;
            model.entries[k].color = kRed;
            return CompletionTick::Stepped;
        }
        // No line left to turn: finishing here keeps the sequence from ticking forever.
    }
    for (int k = 1; k <= count; ++k) {
        model.lines[k].mode = DrawMode::MaskPen;
        model.entries[k].color = kBlack;
    }
    return CompletionTick::Finished;
}

}  // namespace strike
