#pragma once

#include <QByteArray>

#include <cstdint>
#include <string_view>

// Builds RIFF/WAVE bytes chunk by chunk, so tests can write well-formed, odd and broken headers.
class TestWave {
  public:
    TestWave() { bytes_ = "RIFF" + le32(0) + "WAVE"; }

    // A PCM "fmt " chunk: 16-bit mono at `sampleRate`, unless `byteRate` says otherwise.
    TestWave& fmt(std::uint32_t sampleRate, std::uint32_t byteRate) {
        return chunk("fmt ",
                     le16(1) + le16(1) + le32(sampleRate) + le32(byteRate) + le16(2) + le16(16));
    }
    TestWave& pcm16Mono(std::uint32_t sampleRate) { return fmt(sampleRate, sampleRate * 2); }
    // A "data" chunk of `size` silent bytes.
    TestWave& data(std::uint32_t size) { return chunk("data", QByteArray(int(size), '\0')); }
    // A "data" chunk whose size field claims `declared` but which holds `present` bytes.
    TestWave& dataClaiming(std::uint32_t declared, std::uint32_t present) {
        header("data", declared);
        bytes_ += QByteArray(int(present), '\0');
        return *this;
    }
    // A bare chunk header whose size field may claim anything.
    TestWave& header(const char* id, std::uint32_t declared) {
        bytes_ += id + le32(declared);
        return *this;
    }
    TestWave& chunk(const char* id, const QByteArray& body) {
        bytes_ += id + le32(std::uint32_t(body.size())) + body;
        if (body.size() % 2) bytes_ += '\0';
        return *this;
    }

    const QByteArray& bytes() const { return bytes_; }
    std::string_view view() const { return {bytes_.constData(), std::size_t(bytes_.size())}; }

  private:
    static QByteArray le16(std::uint16_t v) {
        QByteArray bytes(2, '\0');
        bytes[0] = char(v & 0xff);
        bytes[1] = char(v >> 8);
        return bytes;
    }
    static QByteArray le32(std::uint32_t v) {
        return le16(v & 0xffff) + le16(std::uint16_t(v >> 16));
    }

    QByteArray bytes_;
};
