#include "platform/sound/wave_header.h"

#include "test_wave.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {
std::optional<std::chrono::milliseconds> lengthOf(const TestWave& wave) {
    return waveDuration(wave.view(), std::uint64_t(wave.bytes().size()));
}
}  // namespace

TEST(WaveHeader, LengthIsDataSizeOverByteRateRoundedUp) {
    EXPECT_EQ(lengthOf(TestWave().pcm16Mono(22050).data(44100)), 1000ms);
    EXPECT_EQ(lengthOf(TestWave().pcm16Mono(8000).data(2400)), 150ms);
    EXPECT_EQ(lengthOf(TestWave().pcm16Mono(8000).data(2)), 1ms);  // 0.125 ms rounds up
    EXPECT_EQ(lengthOf(TestWave().pcm16Mono(8000).data(0)), 0ms);
}

TEST(WaveHeader, SkipsOtherChunksInAnyOrder) {
    EXPECT_EQ(lengthOf(TestWave()
                           .chunk("LIST", QByteArray(27, 'x'))  // odd size, padded
                           .pcm16Mono(8000)
                           .chunk("fact", QByteArray(4, '\0'))
                           .data(16000)),
              1000ms);
    // The length is known once both chunks are seen, even with the samples after the bytes at hand.
    const TestWave wave = TestWave().pcm16Mono(8000).data(16000);
    EXPECT_EQ(waveDuration(wave.view().substr(0, 44), 44 + 16000), 1000ms);
}

TEST(WaveHeader, TruncatedFilesCountOnlyTheSamplesTheyHold) {
    EXPECT_EQ(lengthOf(TestWave().pcm16Mono(8000).dataClaiming(16000, 1600)), 100ms);
    // A streaming writer's "unknown" size
    EXPECT_EQ(lengthOf(TestWave().pcm16Mono(8000).dataClaiming(0xFFFFFFFF, 800)), 50ms);
}

TEST(WaveHeader, HugeValuesDoNotOverflow) {
    const TestWave wave = TestWave().fmt(1, 1).dataClaiming(0xFFFFFFFF, 0);
    EXPECT_EQ(waveDuration(wave.view(), UINT64_MAX),
              std::chrono::milliseconds(0xFFFFFFFFLL * 1000));
    EXPECT_EQ(lengthOf(TestWave().fmt(0xFFFFFFFF, 0xFFFFFFFF).data(2)), 1ms);
    // A chunk size that points far past the end ends the walk instead of wrapping around.
    EXPECT_EQ(lengthOf(TestWave().header("LIST", 0xFFFFFFFF).pcm16Mono(8000).data(100)),
              std::nullopt);
    TestWave skipped;
    skipped.dataClaiming(0xFFFFFFFF, 0).pcm16Mono(8000);
    EXPECT_EQ(lengthOf(skipped), std::nullopt);
}

TEST(WaveHeader, NoLengthFromBrokenOrForeignBytes) {
    EXPECT_EQ(waveDuration({}, 0), std::nullopt);
    EXPECT_EQ(waveDuration(std::string_view("RIFF\0\0\0\0WAV", 11), 11), std::nullopt);
    EXPECT_EQ(waveDuration(std::string_view("RIFF\0\0\0\0AVI LIST", 16), 16), std::nullopt);
    EXPECT_EQ(waveDuration("just some text that is not a wave file", 38), std::nullopt);
    EXPECT_EQ(lengthOf(TestWave().pcm16Mono(8000)), std::nullopt);         // no data chunk
    EXPECT_EQ(lengthOf(TestWave().data(100)), std::nullopt);               // no format chunk
    EXPECT_EQ(lengthOf(TestWave().fmt(8000, 0).data(100)), std::nullopt);  // no byte rate
    EXPECT_EQ(lengthOf(TestWave().chunk("fmt ", QByteArray(8, '\1')).data(100)), std::nullopt);

    // Cut anywhere inside the format chunk: no length, and no read past the end.
    const TestWave wave = TestWave().pcm16Mono(8000).data(100);
    for (std::size_t cut = 0; cut < 44; ++cut)
        EXPECT_EQ(waveDuration(wave.view().substr(0, cut), cut), std::nullopt) << cut;
}
