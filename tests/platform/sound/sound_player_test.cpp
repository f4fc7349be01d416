#include "platform/sound/sound_player.h"

#include "core/game_state.h"
#include "support/recording_media.h"

#include <gtest/gtest.h>

namespace {

struct SoundPlayerTest : ::testing::Test {
    SoundPlayerTest() { state.soundOn = true; }

    GameState state;
    RecordingMedia media;
    SoundPlayer sound{state, media, QStringLiteral("/prog/sfx")};
};

}  // namespace

TEST_F(SoundPlayerTest, EffectNamesTheFileThenSoundsIt) {
    sound.effect(Sound::Click);
    EXPECT_EQ(media.log(), QStringList({"file:/prog/sfx/click.wav", "sound"}));
    EXPECT_EQ(media.fileName(), "/prog/sfx/click.wav");
}

TEST_F(SoundPlayerTest, TuneStopsClosesNamesOpensAndPlays) {
    sound.tune(Sound::NewGameTune, true);
    EXPECT_EQ(media.log(),
              QStringList({"Stop", "Close", "file:/prog/sfx/sf0001.wav", "Open", "Play"}));
    EXPECT_EQ(state.loopSound, 1);

    sound.tune(Sound::CleanFinish, false);
    EXPECT_EQ(state.loopSound, 0);
}

TEST_F(SoundPlayerTest, DoneClosesAndReplaysOnlyWhileLooping) {
    sound.tune(Sound::RevealTune, true);
    media.clear();
    media.finish();
    media.finish();
    EXPECT_EQ(media.log(), QStringList({"Close", "Open", "Play", "Close", "Open", "Play"}));
    EXPECT_EQ(media.fileName(), "/prog/sfx/sf0002.wav");

    sound.stopTune();
    media.clear();
    media.finish();  // a Done already on its way when the tune was stopped
    EXPECT_EQ(media.log(), QStringList({"Close"}));

    sound.tune(Sound::FastTimeFanfare, false);
    media.clear();
    media.finish();
    EXPECT_EQ(media.log(), QStringList({"Close"}));
}

TEST_F(SoundPlayerTest, SwitchingSoundOffLetsALoopingTuneEndWithoutRepeat) {
    sound.tune(Sound::NewGameTune, true);
    state.soundOn = false;
    media.clear();
    media.finish();
    EXPECT_EQ(media.log(), QStringList({"Close"}));
}

TEST_F(SoundPlayerTest, StopTuneAlwaysStopsAndClosesAndEndsTheLoop) {
    for (const bool on : {true, false}) {
        state.soundOn = on;
        state.loopSound = 1;
        media.clear();
        sound.stopTune();
        EXPECT_EQ(media.log(), QStringList({"Stop", "Close"})) << on;
        EXPECT_EQ(state.loopSound, 0) << on;
    }
}

TEST_F(SoundPlayerTest, TotalSilenceWhileSoundIsOff) {
    state.soundOn = false;
    sound.effect(Sound::Click);
    sound.tune(Sound::NewGameTune, true);
    sound.tune(Sound::CleanFinish, false);
    EXPECT_TRUE(media.log().isEmpty());
    EXPECT_TRUE(media.fileName().isEmpty());
}
