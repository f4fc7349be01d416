#include "shell/main/game_life.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using P = GamePhase;

const GameSetup kExpertChallenge{"data\\fruit.qrw", "Fruit", 4, 1, true};

// A life brought into `phase` by the ordinary route, playing a Time Challenge.
GameLife lifeIn(GamePhase phase) {
    GameLife life;
    if (phase == P::NoGame) return life;
    life.generationStarted(kExpertChallenge);
    if (phase == P::Generating) return life;
    life.generated();
    if (phase == P::Abandoned) life.newWordSearch();
    if (phase == P::Playing || phase == P::Abandoned) return life;
    life.lastWordStruck();
    if (phase == P::Ended) life.endDialogShown();
    return life;
}

const GamePhase kPhases[] = {P::NoGame,     P::Generating, P::Playing,
                             P::Completing, P::Ended,      P::Abandoned};

TEST(GameLife, CommandsAndTimersByPhase) {
    struct Row {
        GamePhase phase;
        bool newGame, revealWord, revealPuzzle, information, print;
        bool clock, flash, completion;
    };
    const Row table[] = {
        {P::NoGame, true, false, false, false, true, false, false, false},
        {P::Generating, false, false, false, false, false, false, false, false},
        {P::Playing, true, true, true, true, true, true, true, false},
        {P::Completing, false, false, false, false, false, false, true, true},
        {P::Ended, true, false, false, true, true, false, false, false},
        {P::Abandoned, true, false, false, false, true, false, false, false},
    };
    for (const Row& row : table) {
        const GameLife life = lifeIn(row.phase);
        SCOPED_TRACE(static_cast<int>(row.phase));
        ASSERT_EQ(life.phase(), row.phase);
        EXPECT_EQ(life.enabled(GameCommand::NewWordSearch), row.newGame);
        EXPECT_EQ(life.enabled(GameCommand::RevealWord), row.revealWord);
        EXPECT_EQ(life.enabled(GameCommand::RevealPuzzle), row.revealPuzzle);
        EXPECT_EQ(life.enabled(GameCommand::PuzzleInformation), row.information);
        EXPECT_EQ(life.enabled(GameCommand::Print), row.print);
        EXPECT_EQ(life.mayRun(GameTimer::GameClock), row.clock);
        EXPECT_EQ(life.mayRun(GameTimer::Flash), row.flash);
        EXPECT_EQ(life.mayRun(GameTimer::CompletionSequence), row.completion);
        EXPECT_EQ(life.gameInProgress(), row.phase == P::Generating || row.phase == P::Playing);
    }
}

TEST(GameLife, AWordFoundByHandEndsPuzzleInformationForThatGame) {
    GameLife life = lifeIn(P::Playing);
    EXPECT_TRUE(life.wordFoundByHand());
    EXPECT_FALSE(life.enabled(GameCommand::PuzzleInformation));
    life.lastWordStruck();
    life.endDialogShown();
    EXPECT_FALSE(life.enabled(GameCommand::PuzzleInformation));
    // The next game offers it again.
    life.newWordSearch();
    life.generationStarted(kExpertChallenge);
    life.generated();
    EXPECT_TRUE(life.enabled(GameCommand::PuzzleInformation));
    // Outside play a find changes nothing.
    EXPECT_FALSE(lifeIn(P::Abandoned).wordFoundByHand());
}

TEST(GameLife, EveryTransitionFromEveryPhase) {
    using Step = std::function<bool(GameLife&)>;
    struct Transition {
        const char* name;
        Step step;
        std::vector<std::pair<GamePhase, GamePhase>> allowed;  // from -> to; others refused
    };
    const Transition transitions[] = {
        {"generationStarted",
         [](GameLife& l) { return l.generationStarted(kExpertChallenge); },
         {{P::NoGame, P::Generating}, {P::Ended, P::Generating}, {P::Abandoned, P::Generating}}},
        {"generated", [](GameLife& l) { return l.generated(); }, {{P::Generating, P::Playing}}},
        {"generationFailed",
         [](GameLife& l) { return l.generationFailed(); },
         {{P::Generating, P::NoGame}}},
        {"lastWordStruck",
         [](GameLife& l) { return l.lastWordStruck(); },
         {{P::Playing, P::Completing}}},
        {"endDialogShown",
         [](GameLife& l) { return l.endDialogShown(); },
         {{P::Completing, P::Ended}}},
        {"newWordSearch",
         [](GameLife& l) { return l.newWordSearch(); },
         {{P::NoGame, P::NoGame},
          {P::Playing, P::Abandoned},
          {P::Ended, P::NoGame},
          {P::Abandoned, P::Abandoned}}},
    };
    for (const Transition& t : transitions) {
        for (const GamePhase from : kPhases) {
            SCOPED_TRACE(std::string(t.name) + " from " + std::to_string(static_cast<int>(from)));
            GameLife life = lifeIn(from);
            GamePhase expected = from;
            bool allowed = false;
            for (const auto& [f, to] : t.allowed) {
                if (f == from) {
                    allowed = true;
                    expected = to;
                }
            }
            EXPECT_EQ(t.step(life), allowed);
            EXPECT_EQ(life.phase(), expected);
        }
    }
}

}  // namespace
