#include "board/board_play.h"

#include "board/board_window.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/settings_schema.h"
#include "platform/settings_store.h"
#include "platform/sound/sound_player.h"

#include <QCoreApplication>
#include <QTimer>

#include <utility>

namespace {
QTimer* makeTimer(BoardPlay* owner, int intervalMs, void (BoardPlay::*handler)()) {
    auto* timer = new QTimer(owner);
    timer->setInterval(intervalMs);
    QObject::connect(timer, &QTimer::timeout, owner, handler);
    return timer;
}
}  // namespace

BoardPlay::BoardPlay(Services& services, GameSession& session, BoardWindow& board, QObject* parent)
    : QObject(parent),
      services_(services),
      session_(session),
      board_(board),
      flash_(makeTimer(this, 100, &BoardPlay::flashTick)),
      flashCheck_(makeTimer(this, 750, &BoardPlay::flashCheckTick)),
      completion_(makeTimer(this, 10, &BoardPlay::completionTick)) {
    connect(&board_, &BoardWindow::cellPressed, this, &BoardPlay::onCellPressed);
    connect(&board_, &BoardWindow::pointerOver, this, &BoardPlay::onPointerOver);
    connect(&board_, &BoardWindow::leftReleased, this, &BoardPlay::onLeftReleased);
}

void BoardPlay::refresh() {
    board_.showSession(session_);
}

void BoardPlay::onCellPressed(int cell, PressButton button) {
    dragFrom_ = 0;
    const PressOutcome outcome = session_.press(cell, button);
    // A press that opens a selection may become a drag: released on another cell, it acts as
    // the second click.
    if (outcome == PressOutcome::Opened && button == PressButton::Left) dragFrom_ = cell;
    carryOut(outcome);
}

void BoardPlay::onPointerOver(int cell) {
    if (session_.moveTo(cell)) refresh();
}

// Released where it went down, the press was the first of two clicks.
void BoardPlay::onLeftReleased(int cell) {
    const int from = std::exchange(dragFrom_, 0);
    if (from == 0 || cell == from || session_.selection().anchor != from) return;
    carryOut(session_.dragTo(cell));
}

void BoardPlay::carryOut(PressOutcome outcome) {
    refresh();
    switch (outcome) {
        case PressOutcome::Opened:
            services_.sound.effect(Sound::Click);
            break;
        case PressOutcome::AlreadyFound:
            services_.dialogs.message(QStringLiteral("Word already found!"),
                                      QStringLiteral("Illegal Move"), MsgButtons::Ok,
                                      MsgIcon::Critical);
            break;
        case PressOutcome::Struck:
            emit wordFoundByHand();
            afterStrike(StrikeOutcome::Flash);
            break;
        case PressOutcome::Completed:
            emit wordFoundByHand();
            settings::addToCounter(services_.settings, settings::kCompleted.name, 1);
            afterStrike(StrikeOutcome::Completed);
            break;
        case PressOutcome::Ignored:
        case PressOutcome::Cancelled:
        case PressOutcome::NoMatch:
            break;
    }
}

void BoardPlay::afterStrike(StrikeOutcome outcome) {
    if (outcome == StrikeOutcome::Refused) return;
    refresh();
    services_.sound.effect(Sound::StrikeWord);
    if (outcome == StrikeOutcome::Flash) {
        startFlash();
    } else {
        endOfPuzzle();
    }
}

void BoardPlay::endOfPuzzle() {
    refresh();
    startFlash();
    // The session has already marked the game over, so nothing that runs now (New WordSearch,
    // a reveal) can act on it halfway through its end.
    emit gameEnded();
    QCoreApplication::processEvents();
}

void BoardPlay::startFlash() {
    // Restarting gives a word struck during another's flash its own three quarters of a second.
    flash_->start();
    flashCheck_->start();
}

void BoardPlay::flashTick() {
    if (session_.flashTick() == FlashTick::GameOver) {
        completion_->start();
        flash_->stop();
    }
    refresh();
}

void BoardPlay::flashCheckTick() {
    flash_->stop();
    flashCheck_->stop();
    session_.settleFlash();
    refresh();
}

void BoardPlay::completionTick() {
    if (flash_->isActive()) {
        flash_->stop();
        session_.flashHandedOver();
    }
    const CompletionTick tick = session_.completionTick();
    refresh();
    if (tick == CompletionTick::Stepped) {
        services_.sound.effect(Sound::CompleteWord);
        return;
    }
    completion_->stop();
    emit completionReady();
}

bool BoardPlay::flashRunning() const {
    return flash_->isActive();
}
bool BoardPlay::flashCheckRunning() const {
    return flashCheck_->isActive();
}
bool BoardPlay::completionRunning() const {
    return completion_->isActive();
}

void BoardPlay::stopTimers() {
    flash_->stop();
    flashCheck_->stop();
    completion_->stop();
}
