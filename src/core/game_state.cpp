#include "core/game_state.h"

QString GameState::levelName(int number) const {
    return number >= 1 && number <= 4 ? levelNames[number] : QString();
}

void applyMainWindowLoadDefaults(GameState& state) {
    state.loopSound = 0;
    state.secondsPlayed = 0;
    state.speedChallenge = false;
    state.firstRun = false;
    state.levelNames = {QString(), "Easy", "Medium", "Hard", "Expert"};
    state.showModeNames = {QString(), "Words", "Questions", "Blanks"};
    state.level = 2;
    state.showMode = 1;
}
