#include "core/game_state.h"

void applyMainWindowLoadDefaults(GameState& state) {
    state.loopSound = 0;
    state.secondsPlayed = 0;
    state.speedChallenge = false;
    state.firstRun = false;
    state.level = Level::Medium;
    state.showMode = ShowMode::Words;
}
