#include "platform/sound/sound_player.h"

#include "core/game_state.h"
#include "platform/media_control.h"

SoundPlayer::SoundPlayer(GameState& state, MediaControl& media, QString sfxFolder)
    : state_(state), media_(media), sfxFolder_(std::move(sfxFolder)) {
    media_.setOnDone([this] { onDone(); });
}

QString SoundPlayer::pathOf(Sound sound) const {
    return sfxFolder_ + '/' + QLatin1String(soundFile(sound));
}

void SoundPlayer::effect(Sound sound) {
    if (!state_.soundOn) return;
    media_.setFileName(pathOf(sound));
    media_.command(QStringLiteral("sound"));
}

void SoundPlayer::tune(Sound sound, bool loop) {
    if (!state_.soundOn) return;
    state_.loopSound = loop ? 1 : 0;
    media_.command(QStringLiteral("Stop"));
    media_.command(QStringLiteral("Close"));
    media_.setFileName(pathOf(sound));
    media_.command(QStringLiteral("Open"));
    media_.command(QStringLiteral("Play"));
}

void SoundPlayer::stopTune() {
    state_.loopSound = 0;
    media_.command(QStringLiteral("Stop"));
    media_.command(QStringLiteral("Close"));
}

void SoundPlayer::onDone() {
    media_.command(QStringLiteral("Close"));
    // A tune started before sound was switched off may finish, but does not start over.
    if (state_.loopSound == 1 && state_.soundOn) {
        media_.command(QStringLiteral("Open"));
        media_.command(QStringLiteral("Play"));
    }
}
