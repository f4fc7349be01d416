#include "shell/main/game_life.h"

namespace {
bool boardIsFree(GamePhase phase) {
    return phase == GamePhase::NoGame || phase == GamePhase::Ended || phase == GamePhase::Abandoned;
}
}  // namespace

bool GameLife::gameInProgress() const {
    return phase_ == GamePhase::Generating || phase_ == GamePhase::Playing;
}

bool GameLife::enabled(GameCommand command) const {
    switch (command) {
        case GameCommand::NewWordSearch:
            // Not while a game is being built or is closing: the finished game's dialog and
            // records come first.
            return boardIsFree(phase_) || phase_ == GamePhase::Playing;
        case GameCommand::RevealWord:
        case GameCommand::RevealPuzzle:
            return phase_ == GamePhase::Playing;
        case GameCommand::PuzzleInformation:
            return (phase_ == GamePhase::Playing || phase_ == GamePhase::Ended) && !foundByHand_;
        case GameCommand::Print:
            // Without a board it answers "No Puzzle Loaded"; during the completion sequence the
            // end-of-game dialog is about to take the window.
            return phase_ != GamePhase::Completing && phase_ != GamePhase::Generating;
    }
    return false;
}

bool GameLife::mayRun(GameTimer timer) const {
    switch (timer) {
        case GameTimer::GameClock:
            return phase_ == GamePhase::Playing && setup_.timeChallenge;
        case GameTimer::Flash:
            // The last strike's flash hands over to the completion sequence.
            return phase_ == GamePhase::Playing || phase_ == GamePhase::Completing;
        case GameTimer::CompletionSequence:
            return phase_ == GamePhase::Completing;
    }
    return false;
}

bool GameLife::generationStarted(const GameSetup& setup) {
    if (!boardIsFree(phase_)) return false;
    phase_ = GamePhase::Generating;
    setup_ = setup;
    foundByHand_ = false;
    return true;
}

bool GameLife::generated() {
    return move(GamePhase::Generating, GamePhase::Playing);
}

bool GameLife::generationFailed() {
    return move(GamePhase::Generating, GamePhase::NoGame);
}

bool GameLife::wordFoundByHand() {
    if (phase_ != GamePhase::Playing) return false;
    foundByHand_ = true;
    return true;
}

bool GameLife::lastWordStruck() {
    return move(GamePhase::Playing, GamePhase::Completing);
}

bool GameLife::endDialogShown() {
    return move(GamePhase::Completing, GamePhase::Ended);
}

bool GameLife::newWordSearch() {
    if (!enabled(GameCommand::NewWordSearch)) return false;
    if (phase_ == GamePhase::Playing) {
        phase_ = GamePhase::Abandoned;
    } else if (phase_ == GamePhase::Ended) {
        phase_ = GamePhase::NoGame;
    }
    return true;
}

bool GameLife::move(GamePhase from, GamePhase to) {
    if (phase_ != from) return false;
    phase_ = to;
    return true;
}
