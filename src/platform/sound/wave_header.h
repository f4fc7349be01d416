#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

// What a RIFF/WAVE header says about its samples.
struct WaveLayout {
    std::uint16_t formatTag = 0;  // 1: integer PCM
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint64_t dataOffset = 0;  // where the samples start in the file
    std::uint64_t dataBytes = 0;   // sample bytes the file really holds
};

// Reads the "fmt " and "data" chunks from the start of a file. `head` is the start of the file
// (it need not hold the samples); `fileSize` is the size of the whole file, so a truncated file
// counts only the sample bytes it really holds. Nothing when the bytes are not a wave header or
// lack either chunk.
std::optional<WaveLayout> waveLayout(std::string_view head, std::uint64_t fileSize);

// How long a wave file plays, from its header alone: the size of the "data" chunk divided by the
// byte rate of the "fmt " chunk, rounded up to whole milliseconds. Nothing when the header does
// not say how long it plays.
std::optional<std::chrono::milliseconds> waveDuration(std::string_view head,
                                                      std::uint64_t fileSize);
