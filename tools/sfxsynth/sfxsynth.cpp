// Writes the program's sound effects and tunes as wave files (22050 Hz, 16-bit mono PCM).
// Usage: sfxsynth <folder>. The output depends only on this source, so every build ships the
// same sounds.

#include "platform/sound/sound_files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2 * std::numbers::pi;

// Pitches as MIDI note numbers: 60 is middle C, one step is a semitone.
enum Pitch : int {
    E2 = 40,
    F2 = 41,
    G2 = 43,
    A2 = 45,
    C3 = 48,
    E3 = 52,
    F3 = 53,
    Fs3 = 54,
    G3 = 55,
    C4 = 60,
    D4 = 62,
    E4 = 64,
    F4 = 65,
    G4 = 67,
    A4 = 69,
    B4 = 71,
    C5 = 72,
    D5 = 74,
    E5 = 76,
    F5 = 77,
    G5 = 79,
    Gs5 = 80,
    A5 = 81,
    B5 = 83,
    C6 = 84,
    D6 = 86,
    E6 = 88,
    G6 = 91,
    B6 = 95,
};

double frequencyOf(double pitch) {
    return 440.0 * std::pow(2.0, (pitch - 69.0) / 12.0);
}

// How a note sounds: its waveform over time and its loudness envelope.
struct Timbre {
    double attack;     // seconds to full loudness
    double decayRate;  // exponential fade per second while the note holds
    double release;    // seconds to silence after the note's length
    std::function<double(double phase, double t)> wave;
    double vibrato = 0;  // relative pitch swing on long notes
};

double triangle(double phase) {
    return 2 / std::numbers::pi * std::asin(std::sin(phase));
}

const Timbre kPluck{0.005, 5.0, 0.05, [](double p, double t) {
                        return std::sin(p) + 0.35 * std::sin(2 * p) * std::exp(-6 * t) +
                               0.12 * std::sin(3 * p) * std::exp(-10 * t);
                    }};
const Timbre kSoft{0.02, 0.8, 0.12, [](double p, double) { return triangle(p); }};
const Timbre kBell{0.002, 7.0, 0.1, [](double p, double t) {
                       return std::sin(p) + 0.45 * std::sin(2 * p) * std::exp(-6 * t) +
                              0.25 * std::sin(2.76 * p) * std::exp(-9 * t) +
                              0.12 * std::sin(5.4 * p) * std::exp(-14 * t);
                   }};
// Harmonics that brighten over the first few tens of milliseconds, like a blown note.
const Timbre kBrass{0.04, 0.3, 0.08,
                    [](double p, double t) {
                        const double bright = std::min(1.0, t / 0.06);
                        double sum = std::sin(p);
                        for (int n = 2; n <= 7; ++n) sum += bright * std::sin(n * p) / n;
                        return sum;
                    },
                    0.005};
const Timbre kTick{0.0005, 250.0, 0.005,
                   [](double p, double) { return std::sin(p) + 0.5 * std::sin(1.7 * p); }};

class Score {
  public:
    explicit Score(double seconds) : samples_(std::size_t(seconds * kRate), 0.0) {}

    Score& note(double start, double length, double pitch, double volume, const Timbre& timbre) {
        const double base = frequencyOf(pitch);
        const auto first = std::size_t(start * kRate);
        const auto count = std::size_t((length + timbre.release) * kRate);
        double phase = 0;
        for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
            const double t = double(i) / kRate;
            const double swing = length > 0.4 ? std::clamp((t - 0.15) / 0.2, 0.0, 1.0) : 0.0;
            const double envelope = std::min(1.0, t / timbre.attack) *
                                    std::exp(-timbre.decayRate * t) *
                                    (t < length ? 1.0 : 1.0 - (t - length) / timbre.release);
            samples_[first + i] += volume * envelope * timbre.wave(phase, t);
            phase +=
                kTwoPi * base * (1 + timbre.vibrato * swing * std::sin(kTwoPi * 5.5 * t)) / kRate;
        }
        return *this;
    }
    // Notes one after another, each `step` long; returns where the last one ends.
    double melody(double start, double step, std::initializer_list<double> pitches, double volume,
                  const Timbre& timbre) {
        for (const double pitch : pitches) {
            note(start, step, pitch, volume, timbre);
            start += step;
        }
        return start;
    }
    Score& chord(double start, double length, std::initializer_list<double> pitches, double volume,
                 const Timbre& timbre) {
        for (const double pitch : pitches) note(start, length, pitch, volume, timbre);
        return *this;
    }

    // Scaled so the loudest sample reaches `peak` (of full scale), with short fades at both ends
    // so neither the start nor a loop's seam clicks.
    std::vector<std::int16_t> pcm(double peak) const {
        double loudest = 0;
        for (const double s : samples_) loudest = std::max(loudest, std::abs(s));
        const double gain = loudest > 0 ? peak * 32767 / loudest : 0;
        const auto fadeIn = std::size_t(0.002 * kRate);
        const auto fadeOut = std::size_t(0.010 * kRate);
        std::vector<std::int16_t> out(samples_.size());
        for (std::size_t i = 0; i < samples_.size(); ++i) {
            const std::size_t left = samples_.size() - 1 - i;
            const double fade = std::min({1.0, double(i) / fadeIn, double(left) / fadeOut});
            out[i] =
                std::int16_t(std::lround(std::clamp(samples_[i] * gain * fade, -32767.0, 32767.0)));
        }
        return out;
    }

  private:
    std::vector<double> samples_;
};

void putLe(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += char((value >> (8 * i)) & 0xff);
}

bool writeWave(const std::string& path, const std::vector<std::int16_t>& samples) {
    const auto dataSize = std::uint32_t(samples.size() * 2);
    std::string bytes = "RIFF";
    putLe(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    putLe(bytes, 16, 4);
    putLe(bytes, 1, 2);  // PCM
    putLe(bytes, 1, 2);  // mono
    putLe(bytes, kRate, 4);
    putLe(bytes, kRate * 2, 4);  // byte rate
    putLe(bytes, 2, 2);          // block align
    putLe(bytes, 16, 2);         // bits per sample
    bytes += "data";
    putLe(bytes, dataSize, 4);
    for (const std::int16_t s : samples) putLe(bytes, std::uint16_t(s), 2);
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(file);
}

// Splash: a rising arpeggio that settles on a ringing chord.
Score startUp() {
    Score s(2.6);
    const double end = s.melody(0, 0.16, {C5, E5, G5, C6}, 0.5, kPluck);
    s.chord(end, 1.7, {C5, E5, G5, C6}, 0.3, kBell).note(end, 1.8, C3, 0.45, kSoft);
    return s;
}

// New game: a light four-chord loop (C, Am, F, G) that leads back into its own start.
Score newGameLoop() {
    Score s(4.0);
    s.melody(0, 0.25, {E5, G5, C6, G5, A5, E5, C5, E5, F5, A5, C6, A5, G5, B5, D6, B5}, 0.35,
             kPluck);
    s.melody(0, 1.0, {C3, A2, F2, G2}, 0.4, kSoft);
    return s;
}

// Reveal word: a quieter minor loop (Am, F, G, E) for thinking.
Score revealLoop() {
    Score s(4.0);
    s.melody(0, 0.25, {A4, C5, E5, C5, A4, C5, F5, C5, B4, D5, G5, D5, B4, E5, Gs5, E5}, 0.3,
             kBell);
    s.melody(0, 1.0, {A2, F2, G2, E2}, 0.35, kSoft);
    return s;
}

// A dry tick near 2 kHz.
Score click() {
    Score s(0.03);
    s.note(0, 0.02, B6, 1.0, kTick);
    return s;
}

// Two bell notes a fifth apart.
Score strikeWord() {
    Score s(0.45);
    s.note(0, 0.35, E6, 0.6, kBell).note(0.07, 0.28, B6, 0.5, kBell);
    return s;
}

// One short bell note: it sounds once per step of the board's completion run.
Score completeWord() {
    Score s(0.15);
    s.note(0, 0.08, G6, 0.6, kBell);
    return s;
}

// Fastest times: a short brass call.
Score fanfare() {
    Score s(2.4);
    double t = s.melody(0, 0.12, {G4, G4, G4}, 0.4, kBrass);
    s.note(t, 0.34, C5, 0.4, kBrass);
    t = s.melody(t + 0.36, 0.12, {G4, C5, E5}, 0.4, kBrass);
    s.note(t, 1.0, G5, 0.4, kBrass).chord(t, 1.0, {C4, E4, G4}, 0.2, kBrass);
    return s;
}

// Clean finish: bouncy and bright.
Score cleanFinish() {
    Score s(1.9);
    const double t = s.melody(0, 0.12, {C5, E5, G5, C6, A5, F5, D5, B4}, 0.4, kPluck);
    s.chord(t, 0.7, {C5, E5, G5, C6}, 0.3, kPluck).note(t, 0.8, C3, 0.4, kSoft);
    return s;
}

// Finish with words revealed: plain and calm.
Score plainFinish() {
    Score s(1.7);
    const double t = s.melody(0, 0.25, {C5, G4, A4, F4}, 0.35, kSoft);
    s.chord(t, 0.55, {C4, E4, G4}, 0.25, kSoft);
    return s;
}

// Revealed puzzle: a drooping trombone sigh.
Score revealedPuzzle() {
    Score s(2.7);
    const double t = s.melody(0, 0.45, {G3, Fs3, F3}, 0.5, kBrass);
    s.note(t, 1.2, E3, 0.5, kBrass);
    return s;
}

// Clean Expert finish: a broad, triumphant brass call over a full chord.
Score expertFinish() {
    Score s(3.0);
    double t = s.melody(0, 0.15, {G4, C5, E5}, 0.4, kBrass);
    s.note(t, 0.45, G5, 0.4, kBrass);
    t = s.melody(t + 0.45, 0.15, {E5, G5}, 0.4, kBrass);
    s.note(t, 1.4, C6, 0.4, kBrass).chord(t, 1.4, {C4, E4, G4, C5}, 0.2, kBrass);
    s.note(t, 1.2, C3, 0.5, kSoft);
    return s;
}

struct Recipe {
    Sound sound;
    Score (*make)();
    double peak;
};

const Recipe kRecipes[] = {
    {Sound::StartUpTune, startUp, 0.7},        {Sound::NewGameTune, newGameLoop, 0.6},
    {Sound::RevealTune, revealLoop, 0.55},     {Sound::Click, click, 0.45},
    {Sound::StrikeWord, strikeWord, 0.6},      {Sound::CompleteWord, completeWord, 0.45},
    {Sound::FastTimeFanfare, fanfare, 0.7},    {Sound::CleanFinish, cleanFinish, 0.7},
    {Sound::HelpedFinish, plainFinish, 0.6},   {Sound::RevealedPuzzle, revealedPuzzle, 0.65},
    {Sound::ExpertFinish, expertFinish, 0.75},
};
static_assert(std::size(kRecipes) == kSoundFiles.size(), "every sound needs a recipe");

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sfxsynth <folder>\n");
        return 2;
    }
    for (const Recipe& recipe : kRecipes) {
        const std::string path = std::string(argv[1]) + "/" + soundFile(recipe.sound);
        if (!writeWave(path, recipe.make().pcm(recipe.peak))) {
            std::fprintf(stderr, "sfxsynth: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
