#include "core/game_session.h"
#include "session_puzzle.h"

#include <gtest/gtest.h>

namespace {

using P = GamePhase;
constexpr int kCat = 1, kDog = 2, kEel = 3;  // slots in list order

// A session brought into `phase` by the ordinary route.
GameSession sessionIn(GamePhase phase) {
    GameSession session;
    if (phase == P::NoGame) return session;
    session.generationStarted(
        {"data\\zoo.qrw", "Zoo", "Keeper", Level::Medium, ShowMode::Words, true});
    if (phase == P::Generating) return session;
    session.generated(threeWordPuzzle());
    if (phase == P::Abandoned) session.newWordSearch();
    if (phase == P::Playing || phase == P::Abandoned) return session;
    session.revealPuzzle();
    if (phase == P::Ended) session.endDialogShown();
    return session;
}

TEST(GameSession, CommandsAndTimersByPhase) {
    struct Row {
        GamePhase phase;
        bool paused;
        bool newGame, reveal, information, print, pause, resume;
        bool clock, flash, completion;
    };
    const Row table[] = {
        {P::NoGame, false, true, false, false, true, false, true, false, false, false},
        {P::Generating, false, false, false, false, false, false, false, false, false, false},
        {P::Playing, false, true, true, true, true, true, false, true, true, false},
        {P::Playing, true, true, false, true, false, true, false, false, true, false},
        {P::Completing, false, false, false, false, false, false, false, false, true, true},
        {P::Ended, false, true, false, true, true, false, true, false, false, false},
        {P::Abandoned, false, true, false, false, true, false, true, false, false, false},
    };
    for (const Row& row : table) {
        GameSession session = sessionIn(row.phase);
        session.setPaused(row.paused);
        SCOPED_TRACE(testing::Message() << int(row.phase) << " paused " << row.paused);
        ASSERT_EQ(session.phase(), row.phase);
        EXPECT_EQ(session.enabled(GameCommand::NewWordSearch), row.newGame);
        EXPECT_EQ(session.enabled(GameCommand::RevealWord), row.reveal);
        EXPECT_EQ(session.enabled(GameCommand::RevealPuzzle), row.reveal);
        EXPECT_EQ(session.enabled(GameCommand::PuzzleInformation), row.information);
        EXPECT_EQ(session.enabled(GameCommand::Print), row.print);
        EXPECT_EQ(session.enabled(GameCommand::Pause), row.pause);
        EXPECT_EQ(session.enabled(GameCommand::ResumeSavedGame), row.resume);
        EXPECT_EQ(session.mayRun(GameTimer::GameClock), row.clock);
        EXPECT_EQ(session.mayRun(GameTimer::Flash), row.flash);
        EXPECT_EQ(session.mayRun(GameTimer::CompletionSequence), row.completion);
        EXPECT_EQ(session.gameInProgress(), row.phase == P::Generating || row.phase == P::Playing);
    }
    // Transitions out of turn are refused.
    GameSession session = sessionIn(P::Playing);
    EXPECT_FALSE(session.generationStarted({}));
    EXPECT_FALSE(session.generated(threeWordPuzzle()));
    EXPECT_FALSE(session.endDialogShown());
    EXPECT_FALSE(sessionIn(P::Completing).newWordSearch());
    EXPECT_FALSE(sessionIn(P::NoGame).setPaused(true));
}

TEST(GameSession, ClicksStrikeAWordFromEitherEndAndKeepAWrongSelectionOpen) {
    GameSession session = playing();
    EXPECT_EQ(session.press(3, PressButton::Left), PressOutcome::Opened);
    EXPECT_TRUE(session.moveTo(50));
    EXPECT_EQ(session.press(2, PressButton::Left), PressOutcome::NoMatch);
    EXPECT_EQ(session.selection().anchor, 3);  // still open from the same anchor
    EXPECT_EQ(session.press(1, PressButton::Left), PressOutcome::Struck);
    ASSERT_EQ(session.foundCount(), 1);
    EXPECT_EQ(session.strikes()[0].slot, kCat);
    EXPECT_EQ(session.strikes()[0].from, 3);  // the line runs as it was drawn
    EXPECT_FALSE(session.selection().open());
    EXPECT_TRUE(session.foundByHand());
    EXPECT_FALSE(session.enabled(GameCommand::PuzzleInformation));

    // The same cell twice matches nothing; a struck word gives "already found".
    session.press(1, PressButton::Left);
    EXPECT_EQ(session.press(1, PressButton::Left), PressOutcome::NoMatch);
    EXPECT_EQ(session.press(3, PressButton::Left), PressOutcome::AlreadyFound);
    EXPECT_TRUE(session.selection().open());
    EXPECT_EQ(session.press(9, PressButton::Right), PressOutcome::Cancelled);
    EXPECT_EQ(session.press(9, PressButton::Right), PressOutcome::Ignored);
    EXPECT_EQ(session.foundCount(), 1);
}

TEST(GameSession, ADragThatStrikesNothingDropsItsSelection) {
    GameSession session = playing();
    session.press(41, PressButton::Left);
    EXPECT_EQ(session.dragTo(60), PressOutcome::NoMatch);
    EXPECT_FALSE(session.selection().open());
    session.press(41, PressButton::Left);
    EXPECT_EQ(session.dragTo(81), PressOutcome::Struck);
    session.press(41, PressButton::Left);
    EXPECT_EQ(session.dragTo(81), PressOutcome::AlreadyFound);
    EXPECT_FALSE(session.selection().open());
    // The next press opens a selection of its own.
    EXPECT_EQ(session.press(1, PressButton::Left), PressOutcome::Opened);
}

TEST(GameSession, AnEntryWithoutAQuestionShowsItsWord) {
    Puzzle puzzle = threeWordPuzzle();
    puzzle.words[1].question.clear();
    GameSession session;
    session.generationStarted(
        {"data\\zoo.qrw", "Zoo", "Keeper", Level::Medium, ShowMode::Questions, false});
    session.generated(puzzle);
    EXPECT_EQ(session.entryCaption(kCat), "Q CAT");
    EXPECT_EQ(session.entryToolTip(kCat), "Q CAT");
    EXPECT_EQ(session.entryCaption(kDog), "DOG");
    EXPECT_EQ(session.entryToolTip(kDog), QString());
}

TEST(GameSession, RevealedWordsCountAgainstTheQuotaAndTakeOverAnOpenSelection) {
    GameSession session = playing(ShowMode::Blanks);
    EXPECT_EQ(session.entryCaption(kDog), QString());  // Blanks shows a word once struck
    session.press(200, PressButton::Left);
    EXPECT_EQ(session.revealWord(kDog), StrikeOutcome::Flash);
    EXPECT_FALSE(session.selection().open());
    EXPECT_EQ(session.strikes()[0].from, 41);
    EXPECT_EQ(session.strikes()[0].to, 81);
    EXPECT_EQ(session.entryCaption(kDog), "DOG");
    EXPECT_EQ(session.wordsRevealed(), 1);
    EXPECT_FALSE(session.foundByHand());
    EXPECT_EQ(session.revealWord(kDog), StrikeOutcome::Refused);
    EXPECT_EQ(session.revealWord(9), StrikeOutcome::Refused);

    session.press(1, PressButton::Left);
    session.press(3, PressButton::Left);
    EXPECT_EQ(session.revealWord(kEel), StrikeOutcome::Completed);
    EXPECT_EQ(session.phase(), P::Completing);
    EXPECT_FALSE(session.gameInProgress());
    EXPECT_EQ(session.press(1, PressButton::Left), PressOutcome::Ignored);
}

TEST(GameSession, RevealPuzzleLaysEveryLineFirstToLastInListOrder) {
    GameSession session = playing();
    session.press(103, PressButton::Left);
    session.press(105, PressButton::Left);  // EEL, found from its last letter
    ASSERT_TRUE(session.revealPuzzle());
    EXPECT_TRUE(session.puzzleRevealed());
    EXPECT_EQ(session.phase(), P::Completing);
    ASSERT_EQ(session.foundCount(), 3);
    for (int k = 1; k <= 3; ++k) {
        const Strike& line = session.strikes()[k - 1];
        EXPECT_EQ(line.slot, k);
        EXPECT_EQ(line.from, session.puzzle().word(k).first);
        EXPECT_EQ(line.to, session.puzzle().word(k).last);
    }
    EXPECT_EQ(session.strikes()[kEel - 1].kind, StrikeKind::Found);
    EXPECT_EQ(session.wordsRevealed(), 0);
}

TEST(GameSession, ClockRunsOnlyInAChallengeInPlayAndPauseHoldsEverything) {
    GameSession standard = playing(ShowMode::Words, false);
    EXPECT_FALSE(standard.tick());
    GameSession challenge = playing(ShowMode::Words, true);
    EXPECT_TRUE(challenge.tick());
    EXPECT_TRUE(challenge.setPaused(true));
    EXPECT_FALSE(challenge.tick());
    EXPECT_EQ(challenge.press(1, PressButton::Left), PressOutcome::Ignored);
    EXPECT_EQ(challenge.revealWord(kCat), StrikeOutcome::Refused);
    EXPECT_FALSE(challenge.revealPuzzle());
    EXPECT_TRUE(challenge.setPaused(false));
    EXPECT_TRUE(challenge.tick());
    EXPECT_EQ(challenge.clockSeconds(), 2);
    // A new game starts the clock and the pause afresh.
    challenge.setPaused(true);
    challenge.newWordSearch();
    EXPECT_FALSE(challenge.paused());
    EXPECT_EQ(challenge.foundCount(), 0);
}

TEST(GameSession, FlashThenCompletionSequence) {
    GameSession session = playing();
    EXPECT_EQ(session.flashTick(), FlashTick::Idle);
    session.revealWord(kDog);
    EXPECT_EQ(session.flashTick(), FlashTick::Toggled);
    EXPECT_EQ(session.lineMode(1), LineMode::NotMaskPen);
    EXPECT_FALSE(session.entryRed(kDog));
    session.flashTick();
    EXPECT_EQ(session.lineMode(1), LineMode::NotXorPen);
    EXPECT_TRUE(session.entryRed(kDog));
    // A second strike during the flash settles the first word.
    session.revealWord(kCat);
    EXPECT_EQ(session.lineMode(1), LineMode::MaskPen);
    EXPECT_FALSE(session.entryRed(kDog));

    session.revealWord(kEel);
    EXPECT_EQ(session.flashTick(), FlashTick::GameOver);
    // Lines turn one per tick in striking order, entries with the same number go red.
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(session.completionTick(), CompletionTick::Stepped);
        EXPECT_EQ(session.lineMode(k), LineMode::NotMaskPen);
        EXPECT_TRUE(session.entryRed(k));
    }
    EXPECT_EQ(session.completionTick(), CompletionTick::Finished);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(session.lineMode(k), LineMode::MaskPen);
        EXPECT_FALSE(session.entryRed(k));
    }
}

}  // namespace
