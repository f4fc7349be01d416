#include "board/reveal_commands.h"

#include "board/board_window.h"
#include "board/reveal_rules.h"
#include "board/reveal_word_dialog.h"
#include "board/strike_rules.h"
#include "core/game_state.h"
#include "platform/dialogs.h"
#include "platform/owned_window.h"
#include "platform/services.h"
#include "platform/settings_schema.h"
#include "platform/settings_store.h"
#include "platform/sound/sound_player.h"

#include <QRect>

#include <algorithm>

namespace {
const QString kRevealWordTitle = QStringLiteral("Reveal Word");
}

RevealWordDialog* revealWord(Services& services, BoardWindow& board) {
    if (services.state.wordsRevealed >= reveal::kWordQuota) {
        services.dialogs.message(
            QStringLiteral("Sorry - You have already used your reveal word quota!"),
            kRevealWordTitle, MsgButtons::Ok, MsgIcon::Critical);
        return nullptr;
    }
    auto* dialog = new RevealWordDialog(services, board, board.window());
    QObject::connect(dialog, &RevealWordDialog::wordChosen, dialog,
                     [&services, &board, dialog](int slot) {
                         if (revealSingleWord(services, board, slot)) dialog->close();
                     });
    showOwnedWindow(dialog);
    return dialog;
}

bool revealSingleWord(Services& services, BoardWindow& board, int slot) {
    GameState& state = services.state;
    if (slot < 1 || slot > std::min(state.wordCount, GameState::kMaxWords) ||
        board.model().entries[slot].struck() || strike::puzzleComplete(state)) {
        return false;
    }
    board.settleRunningFlash();
    ++state.foundCount;
    state.lastLine = state.foundCount;
    // An open selection is this same line; laying it over the word takes it over.
    board.layLineOverWord(state.lastLine, slot);
    settings::addToCounter(services.settings, settings::kWordsRevealed.name, 1);
    ++state.wordsRevealed;
    const QString note = reveal::quotaNote(state.wordsRevealed);
    if (!note.isEmpty()) {
        services.dialogs.message(note, kRevealWordTitle, MsgButtons::Ok, MsgIcon::Information);
    }
    strike::strikeEntry(board.model(), slot, state.showMode);
    board.modelChanged();
    services.sound.effect(Sound::StrikeWord);
    state.lastWord = slot;
    if (state.foundCount < state.wordCount) {
        board.startFlash();
    } else {
        board.endOfPuzzle();
    }
    return true;
}

void revealPuzzle(Services& services, BoardWindow& board) {
    const MsgAnswer answer = services.dialogs.message(
        QStringLiteral("Are you sure you want to reveal the puzzle?"),
        QStringLiteral("Reveal Puzzle"), MsgButtons::YesNo, MsgIcon::Information);
    if (answer != MsgAnswer::Yes) {
        board.clearSurface();
        return;
    }
    GameState& state = services.state;
    board.settleRunningFlash();
    state.puzzleRevealed = true;
    state.foundCount = state.wordCount;
    const int count = std::clamp(state.wordCount, 0, GameState::kMaxWords);
    for (int i = 1; i <= count; ++i) {
        board.layLineOverWord(i, i);
        strike::strikeEntry(board.model(), i, state.showMode);
    }
    board.modelChanged();
    settings::addToCounter(services.settings, settings::kRevealed.name, 1);
    board.endOfPuzzle();
}
