#pragma once

#include <array>
#include <cstddef>

// Every sound the game plays. Plain C++, so the build-time synthesiser writes the same files.
enum class Sound {
    StartUpTune,      // the splash
    NewGameTune,      // loops while the new-game dialog is open
    RevealTune,       // loops while the reveal-word dialog is open
    Click,            // a selected letter
    StrikeWord,       // a word struck through
    CompleteWord,     // each line of the completion sequence
    FastTimeFanfare,  // a new fastest time
    CleanFinish,      // no help used below Expert, and a finished Time Challenge
    HelpedFinish,     // words revealed
    RevealedPuzzle,   // the whole puzzle revealed
    ExpertFinish,     // no help used on Expert
};

inline constexpr std::array<const char*, 11> kSoundFiles{
    "sf0003.wav", "sf0001.wav", "sf0002.wav", "click.wav",  "strike_word.wav", "complete_word.wav",
    "sf0004.wav", "sf0005.wav", "sf0006.wav", "sf0007.wav", "sf0008.wav",
};

// The wave file's name in the sfx folder.
constexpr const char* soundFile(Sound sound) {
    return kSoundFiles[static_cast<std::size_t>(sound)];
}
