#include "platform/progress/creating_puzzle_ui.h"

#include "platform/dialogs.h"
#include "platform/progress/creating_puzzle_window.h"

#include <QCoreApplication>

CreatingPuzzleUi::CreatingPuzzleUi(CreatingPuzzleWindow& window, Dialogs& dialogs)
    : window_(&window), dialogs_(dialogs) {}

void CreatingPuzzleUi::setProgressMaximum(int max) {
    if (window_) window_->setProgressMaximum(max);
}

void CreatingPuzzleUi::setProgress(int value) {
    if (window_) window_->setProgressValue(value);
    pumpEvents();
}

// A pass through the event loop costs about as much as placing a word, so passes closer together
// than a millisecond are skipped: nothing a player sees or does is that quick.
void CreatingPuzzleUi::pumpEvents() {
    if (lastPump_.isValid() && lastPump_.nsecsElapsed() < kPumpGapNs) return;
    QCoreApplication::processEvents();
    lastPump_.start();
}

int CreatingPuzzleUi::addFailedCycle() {
    return window_ ? window_->addFailedCycle() : 0;
}

bool CreatingPuzzleUi::askWait() {
    const bool wait = dialogs_.message(QString::fromLatin1(generator_messages::kWaitText),
                                       QString::fromLatin1(generator_messages::kWaitTitle),
                                       MsgButtons::YesNo, MsgIcon::Information) == MsgAnswer::Yes;
    lastPump_.invalidate();  // what the player did meanwhile is seen at the next chance
    return wait;
}

// A window that has gone away can no longer show progress, so generation ends.
bool CreatingPuzzleUi::stopRequested() {
    pumpEvents();
    return !window_ || window_->stopRequested();
}

void showGenerationFailure(Dialogs& dialogs) {
    dialogs.message(QString::fromLatin1(generator_messages::kFailureText),
                    QString::fromLatin1(generator_messages::kFailureTitle), MsgButtons::Ok,
                    MsgIcon::Exclamation);
}
