#include "records/end_of_game.h"

#include "core/game_state.h"
#include "platform/media_control.h"
#include "platform/services.h"
#include "platform/settings_schema.h"
#include "platform/settings_store.h"
#include "platform/sound/sound_player.h"
#include "records/fastest_times_table.h"
#include "records/time_key.h"
#include "records/verdict.h"

#include <QCoreApplication>

namespace {

EndOfGameResult finishedSpeedChallenge(Services& services, const QString& puzzleTitle,
                                       const QString& finishingTime) {
    EndOfGameResult result;
    result.timeLook = FinishTimeLook::Highlighted;
    const QString tenthTime = fastest_times::storedTime(services.settings, fastest_times::kRows);
    services.sound.tune(Sound::CleanFinish, false);
    // Let the tune start before the name prompt can take over.
    QCoreApplication::processEvents();
    if (!isFasterThan(finishingTime, tenthTime)) {
        result.verdict = verdict::kNoHighScore;
        return result;
    }
    result.verdict = verdict::kHighScore;
    result.fastestTimesRank =
        fastest_times::insert(services.settings, services.dialogs, finishingTime, puzzleTitle);
    return result;
}

EndOfGameResult ordinaryGame(Services& services, const FinishedGame& game) {
    const GameState& state = services.state;
    MediaControl& media = services.sound.media();
    media.setFileName(services.sound.pathOf(Sound::HelpedFinish));
    media.command(QStringLiteral("Stop"));
    media.command(QStringLiteral("Close"));

    EndOfGameResult result;
    result.timeLook = FinishTimeLook::Greyed;
    result.verdict =
        verdict::ordinary(game.puzzleRevealed, game.wordsRevealed, game.level, game.puzzleTitle);
    media.setFileName(services.sound.pathOf(
        verdict::ordinarySound(game.puzzleRevealed, game.wordsRevealed, game.level)));
    if (state.soundOn) {
        media.command(QStringLiteral("Open"));
        media.command(QStringLiteral("Play"));
    }
    return result;
}

}  // namespace

EndOfGameResult evaluateEndOfGame(Services& services, const FinishedGame& game) {
    // Saved at once: a program ended at the name prompt has still counted the game.
    settings::addToCounter(services.settings, settings::kPlayed.name, 1);
    services.state.loopSound = 0;
    if (!game.timeChallenge) return ordinaryGame(services, game);
    if (game.puzzleRevealed) return {verdict::kSpeedRevealed};
    return finishedSpeedChallenge(services, game.puzzleTitle, game.finishingTime);
}
