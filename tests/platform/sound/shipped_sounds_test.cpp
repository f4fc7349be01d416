#include "platform/sound/wave_header.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cstdlib>

using namespace std::chrono_literals;

namespace {

struct Expected {
    const char* file;
    std::chrono::milliseconds shortest;
    std::chrono::milliseconds longest;
};

// Every name the game plays, with the length its moment allows: effects are brief (the
// completion chime sounds on every 10 ms step), tunes last a few seconds.
const Expected kSounds[] = {
    {"click.wav", 10ms, 100ms},
    {"strike_word.wav", 100ms, 600ms},
    {"complete_word.wav", 50ms, 200ms},
    {"sf0001.wav", 2s, 6s},
    {"sf0002.wav", 2s, 6s},
    {"sf0003.wav", 1500ms, 4s},
    {"sf0004.wav", 1s, 5s},
    {"sf0005.wav", 1s, 5s},
    {"sf0006.wav", 1s, 5s},
    {"sf0007.wav", 1s, 5s},
    {"sf0008.wav", 1s, 5s},
};

constexpr int kHeaderSize = 44;  // the synthesiser writes plain PCM headers

}  // namespace

TEST(ShippedSounds, EveryFileIsAShortCleanMonoWave) {
    const QDir sfx(QStringLiteral(QUARROW_PROGRAM_DIR "/sfx"));
    ASSERT_TRUE(sfx.exists()) << "build the quarrow_sfx target first";
    for (const Expected& sound : kSounds) {
        QFile file(sfx.filePath(QString::fromLatin1(sound.file)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << sound.file;
        const QByteArray bytes = file.readAll();
        const auto length = waveDuration({bytes.constData(), std::size_t(bytes.size())},
                                         std::uint64_t(bytes.size()));
        ASSERT_TRUE(length.has_value()) << sound.file;
        EXPECT_GE(*length, sound.shortest) << sound.file;
        EXPECT_LE(*length, sound.longest) << sound.file;

        ASSERT_GT(bytes.size(), kHeaderSize + 2) << sound.file;
        const auto le = [&bytes](qsizetype at, int size) {
            quint32 value = 0;
            for (int i = 0; i < size; ++i) value |= quint32(quint8(bytes[at + i])) << (8 * i);
            return value;
        };
        EXPECT_EQ(le(22, 2), 1u) << sound.file << " channels";
        EXPECT_EQ(le(24, 4), 22050u) << sound.file << " sample rate";
        EXPECT_EQ(le(34, 2), 16u) << sound.file << " bits per sample";
        const auto sample = [&le](qsizetype at) { return int(std::int16_t(le(at, 2))); };
        int peak = 0;
        for (qsizetype at = kHeaderSize; at + 1 < bytes.size(); at += 2)
            peak = std::max(peak, std::abs(sample(at)));
        EXPECT_LT(peak, 32767) << sound.file << " clips";
        EXPECT_GT(peak, 3000) << sound.file << " is nearly silent";
        // Silent ends: no click at the start, and a looping tune joins without one.
        EXPECT_EQ(sample(kHeaderSize), 0) << sound.file;
        EXPECT_EQ(sample(bytes.size() - 2), 0) << sound.file;
    }
}
