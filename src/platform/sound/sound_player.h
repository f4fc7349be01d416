#pragma once

#include "platform/sound/sound_files.h"

#include <QString>

struct GameState;
class MediaControl;

// The sound patterns on top of a media control. Nothing is opened or played while
// `soundOn` is false; stopping is always sent.
class SoundPlayer {
  public:
    SoundPlayer(GameState& state, MediaControl& media, QString sfxFolder);

    // Short effect: file name, then "sound".
    void effect(Sound sound);
    // Tune: "Stop", "Close", file name, "Open", "Play". `loop` sets loopSound first, so the tune
    // repeats on every Done until stopTune().
    void tune(Sound sound, bool loop);
    // loopSound = 0, then "Stop" and "Close", whatever soundOn is.
    void stopTune();

    QString pathOf(Sound sound) const;
    // The control itself, for callers that drive it command by command.
    MediaControl& media() { return media_; }

  private:
    void onDone();  // "Close"; then "Open" and "Play" again while loopSound is 1 and sound is on

    GameState& state_;
    MediaControl& media_;
    QString sfxFolder_;
};
