#include "core/game_session.h"

#include <algorithm>

namespace {
bool boardIsFree(GamePhase phase) {
    return phase == GamePhase::NoGame || phase == GamePhase::Ended || phase == GamePhase::Abandoned;
}
}  // namespace

GameSession::GameSession() {
    lineModes_.fill(LineMode::MaskPen);
}

// ---- Phase

bool GameSession::gameInProgress() const {
    return phase_ == GamePhase::Generating || phase_ == GamePhase::Playing;
}

bool GameSession::enabled(GameCommand command) const {
    switch (command) {
        case GameCommand::NewWordSearch:
            // Not while a game is being built or is closing: the finished game's dialog and
            // records come first.
            return boardIsFree(phase_) || phase_ == GamePhase::Playing;
        case GameCommand::RevealWord:
        case GameCommand::RevealPuzzle:
            return inPlay();
        case GameCommand::PuzzleInformation:
            return (phase_ == GamePhase::Playing || phase_ == GamePhase::Ended) && !foundByHand();
        case GameCommand::Print:
            // Without a board it answers "No Puzzle Loaded"; during the completion sequence the
            // end-of-game dialog is about to take the window; a paused board is covered.
            return phase_ != GamePhase::Completing && phase_ != GamePhase::Generating && !paused_;
        case GameCommand::Pause:
            return phase_ == GamePhase::Playing;
        case GameCommand::ResumeSavedGame:
            return boardIsFree(phase_);
    }
    return false;
}

bool GameSession::mayRun(GameTimer timer) const {
    switch (timer) {
        case GameTimer::GameClock:
            return inPlay() && setup_.timeChallenge;
        case GameTimer::Flash:
            // The last strike's flash hands over to the completion sequence.
            return phase_ == GamePhase::Playing || phase_ == GamePhase::Completing;
        case GameTimer::CompletionSequence:
            return phase_ == GamePhase::Completing;
    }
    return false;
}

bool GameSession::generationStarted(const GameSetup& setup) {
    if (!boardIsFree(phase_)) return false;
    phase_ = GamePhase::Generating;
    setup_ = setup;
    clearPlay();
    return true;
}

bool GameSession::generated(Puzzle puzzle) {
    if (!move(GamePhase::Generating, GamePhase::Playing)) return false;
    puzzle_ = std::move(puzzle);
    clearPlay();
    return true;
}

bool GameSession::generationFailed() {
    return move(GamePhase::Generating, GamePhase::NoGame);
}

bool GameSession::endDialogShown() {
    return move(GamePhase::Completing, GamePhase::Ended);
}

bool GameSession::newWordSearch() {
    if (!enabled(GameCommand::NewWordSearch)) return false;
    phase_ = phase_ == GamePhase::Playing ? GamePhase::Abandoned : GamePhase::NoGame;
    clearPlay();
    return true;
}

void GameSession::clearPlay() {
    strikes_.clear();
    selection_ = {};
    wordsRevealed_ = 0;
    puzzleRevealed_ = false;
    clockSeconds_ = 0;
    paused_ = false;
    lastLine_ = lastWord_ = 0;
    lineModes_.fill(LineMode::MaskPen);
    entryRed_.fill(false);
}

bool GameSession::move(GamePhase from, GamePhase to) {
    if (phase_ != from) return false;
    phase_ = to;
    return true;
}

std::optional<GameSession> GameSession::resumed(const GameSetup& setup, Puzzle puzzle,
                                                const std::vector<Strike>& strikes,
                                                int clockSeconds) {
    const bool challengeShape =
        !setup.timeChallenge ||
        time_challenge::fits(setup.level, setup.showMode, puzzle.wordCount());
    if (!challengeShape || !puzzle.isConsistent() || clockSeconds < 0 ||
        static_cast<int>(strikes.size()) >= puzzle.wordCount()) {
        return std::nullopt;
    }
    GameSession session;
    session.phase_ = GamePhase::Playing;
    session.setup_ = setup;
    session.puzzle_ = std::move(puzzle);
    for (const Strike& line : strikes) {
        const Puzzle& board = session.puzzle_;
        const bool onItsWord =
            board.isSlot(line.slot) &&
            std::minmax(line.from, line.to) ==
                std::minmax(board.word(line.slot).first, board.word(line.slot).last);
        if (!onItsWord || session.struck(line.slot)) return std::nullopt;
        session.strikes_.push_back(line);
        if (line.kind == StrikeKind::Revealed) ++session.wordsRevealed_;
    }
    if (session.wordsRevealed_ > kRevealQuota) return std::nullopt;
    session.clockSeconds_ = clockSeconds;
    return session;
}

// ---- The board

QString GameSession::entryCaption(int slot) const {
    if (!puzzle_.isSlot(slot)) return {};
    const PuzzleWord& entry = puzzle_.word(slot);
    switch (setup_.showMode) {
        case ShowMode::Questions:
            // A theme may leave a question empty; an empty entry would be a word nobody could
            // look for, so the word stands in for it.
            return entry.question.isEmpty() ? entry.word : entry.question;
        case ShowMode::Blanks:
            return struck(slot) ? entry.word : QString();
        case ShowMode::Words:
            break;
    }
    return entry.word;
}

QString GameSession::entryToolTip(int slot) const {
    return puzzle_.isSlot(slot) && setup_.showMode == ShowMode::Questions
               ? puzzle_.word(slot).question
               : QString();
}

// ---- Struck words

bool GameSession::struck(int slot) const {
    return std::any_of(strikes_.begin(), strikes_.end(),
                       [slot](const Strike& line) { return line.slot == slot; });
}

bool GameSession::foundByHand() const {
    return std::any_of(strikes_.begin(), strikes_.end(),
                       [](const Strike& line) { return line.kind == StrikeKind::Found; });
}

// ---- Play

PressOutcome GameSession::press(int cell, PressButton button) {
    if (!inPlay() || complete() || cell < 1 || cell > GameState::kCells) {
        return PressOutcome::Ignored;
    }
    if (button == PressButton::Right) {
        if (!selection_.open()) return PressOutcome::Ignored;
        selection_ = {};
        return PressOutcome::Cancelled;
    }
    if (!selection_.open()) {
        // The free end starts on the anchor until the pointer moves to another cell.
        selection_ = {cell, cell};
        return PressOutcome::Opened;
    }
    return evaluateSelection(cell);
}

// The line is evaluated up to the cell clicked, whether or not a move over it was seen first.
PressOutcome GameSession::evaluateSelection(int cell) {
    selection_.end = cell;
    const int slot = puzzle_.slotWithEnds(selection_.anchor, selection_.end);
    if (slot == 0) return PressOutcome::NoMatch;
    if (struck(slot)) return PressOutcome::AlreadyFound;
    const StrikeOutcome outcome =
        strike(slot, StrikeKind::Found, selection_.anchor, selection_.end);
    return outcome == StrikeOutcome::Completed ? PressOutcome::Completed : PressOutcome::Struck;
}

bool GameSession::moveTo(int cell) {
    if (!inPlay() || !selection_.open() || cell < 1 || cell > GameState::kCells ||
        selection_.end == cell) {
        return false;
    }
    selection_.end = cell;
    return true;
}

PressOutcome GameSession::dragTo(int cell) {
    if (!inPlay() || complete() || !selection_.open() || cell < 1 || cell > GameState::kCells) {
        return PressOutcome::Ignored;
    }
    const PressOutcome outcome = evaluateSelection(cell);
    if (outcome == PressOutcome::NoMatch || outcome == PressOutcome::AlreadyFound) {
        selection_ = {};
    }
    return outcome;
}

StrikeOutcome GameSession::revealWord(int slot) {
    if (!inPlay() || !mayRevealWord() || !puzzle_.isSlot(slot) || struck(slot)) {
        return StrikeOutcome::Refused;
    }
    ++wordsRevealed_;
    const PuzzleWord& entry = puzzle_.word(slot);
    return strike(slot, StrikeKind::Revealed, entry.first, entry.last);
}

bool GameSession::revealPuzzle() {
    if (!inPlay()) return false;
    puzzleRevealed_ = true;
    for (int slot = 1; slot <= wordCount(); ++slot) {
        if (struck(slot)) continue;
        const PuzzleWord& entry = puzzle_.word(slot);
        strike(slot, StrikeKind::Revealed, entry.first, entry.last);
    }
    // The lines are laid again in list order, line i over word i, first to last letter,
    // whatever order the words were found in.
    std::sort(strikes_.begin(), strikes_.end(),
              [](const Strike& a, const Strike& b) { return a.slot < b.slot; });
    for (Strike& line : strikes_) {
        line.from = puzzle_.word(line.slot).first;
        line.to = puzzle_.word(line.slot).last;
    }
    return true;
}

StrikeOutcome GameSession::strike(int slot, StrikeKind kind, int from, int to) {
    // A word struck while another still flashes takes the flash over: the earlier word's line
    // and entry return to normal first.
    settleFlash();
    strikes_.push_back({slot, kind, from, to});
    selection_ = {};
    lastLine_ = foundCount();
    lastWord_ = slot;
    if (!complete()) return StrikeOutcome::Flash;
    phase_ = GamePhase::Completing;
    paused_ = false;
    return StrikeOutcome::Completed;
}

// ---- Clock and pause

bool GameSession::tick() {
    if (!mayRun(GameTimer::GameClock)) return false;
    ++clockSeconds_;
    return true;
}

bool GameSession::setPaused(bool paused) {
    if (phase_ != GamePhase::Playing || paused_ == paused) return false;
    paused_ = paused;
    return true;
}

// ---- Flash and completion

FlashTick GameSession::flashTick() {
    if (complete()) {
        lineModes_[wordCount()] = LineMode::MaskPen;
        return FlashTick::GameOver;
    }
    if (lastLine_ == 0 || lastWord_ == 0) return FlashTick::Idle;
    LineMode& mode = lineModes_[lastLine_];
    const bool wasNotMask = mode == LineMode::NotMaskPen;
    mode = wasNotMask ? LineMode::NotXorPen : LineMode::NotMaskPen;
    entryRed_[lastWord_] = wasNotMask;
    return FlashTick::Toggled;
}

void GameSession::settleFlash() {
    if (lastLine_ == 0 || lastWord_ == 0) return;
    lineModes_[lastLine_] = LineMode::MaskPen;
    entryRed_[lastWord_] = false;
}

void GameSession::flashHandedOver() {
    if (wordCount() > 0) lineModes_[wordCount()] = LineMode::MaskPen;
}

CompletionTick GameSession::completionTick() {
    const int count = wordCount();
    const bool lastTurned = count > 0 && lineModes_[count] == LineMode::NotMaskPen;
    if (!lastTurned) {
        for (int k = 1; k <= count; ++k) {
            if (lineModes_[k] != LineMode::MaskPen) continue;
            lineModes_[k] = LineMode::NotMaskPen;
            entryRed_[k] = true;
            return CompletionTick::Stepped;
        }
        // No line left to turn: finishing here keeps the sequence from ticking forever.
    }
    lineModes_.fill(LineMode::MaskPen);
    entryRed_.fill(false);
    return CompletionTick::Finished;
}
