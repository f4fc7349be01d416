#include "board/reveal_commands.h"

#include "board/board_play.h"
#include "board/board_window.h"
#include "board/reveal_rules.h"
#include "board/reveal_word_dialog.h"
#include "platform/dialogs.h"
#include "platform/owned_window.h"
#include "platform/services.h"
#include "platform/settings_schema.h"
#include "platform/settings_store.h"

namespace {
const QString kRevealWordTitle = QStringLiteral("Reveal Word");
}

RevealWordDialog* revealWord(Services& services, BoardPlay& play) {
    if (!play.session().mayRevealWord()) {
        services.dialogs.message(
            QStringLiteral("Sorry - You have already used your reveal word quota!"),
            kRevealWordTitle, MsgButtons::Ok, MsgIcon::Critical);
        return nullptr;
    }
    auto* dialog = new RevealWordDialog(services, play.session(), play.board().window());
    QObject::connect(dialog, &RevealWordDialog::wordChosen, dialog,
                     [&services, &play, dialog](int slot) {
                         if (revealSingleWord(services, play, slot)) dialog->close();
                     });
    showOwnedWindow(dialog);
    return dialog;
}

bool revealSingleWord(Services& services, BoardPlay& play, int slot) {
    GameSession& session = play.session();
    const StrikeOutcome outcome = session.revealWord(slot);
    if (outcome == StrikeOutcome::Refused) return false;
    play.refresh();
    settings::addToCounter(services.settings, settings::kWordsRevealed.name, 1);
    const QString note = reveal::quotaNote(session.wordsRevealed());
    if (!note.isEmpty()) {
        services.dialogs.message(note, kRevealWordTitle, MsgButtons::Ok, MsgIcon::Information);
    }
    play.afterStrike(outcome);
    return true;
}

void revealPuzzle(Services& services, BoardPlay& play) {
    const MsgAnswer answer = services.dialogs.message(
        QStringLiteral("Are you sure you want to reveal the puzzle?"),
        QStringLiteral("Reveal Puzzle"), MsgButtons::YesNo, MsgIcon::Information);
    if (answer != MsgAnswer::Yes || !play.session().revealPuzzle()) return;
    settings::addToCounter(services.settings, settings::kRevealed.name, 1);
    play.endOfPuzzle();
}
