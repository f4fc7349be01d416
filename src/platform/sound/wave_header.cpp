#include "platform/sound/wave_header.h"

#include <algorithm>

namespace {

std::uint32_t readLe(std::string_view bytes, std::size_t at, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value |= std::uint32_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

constexpr std::size_t kChunkHeader = 8;  // four-letter id, then the body size
constexpr std::uint32_t kMinFmtSize = 16;

}  // namespace

std::optional<WaveLayout> waveLayout(std::string_view head, std::uint64_t fileSize) {
    if (head.size() < 12 || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "WAVE")
        return std::nullopt;

    WaveLayout layout;
    bool haveFmt = false;
    bool haveData = false;
    // Chunks may come in any order; walk them by their sizes until both are known or the bytes
    // at hand run out. Offsets are 64-bit so a huge size cannot wrap around.
    std::uint64_t at = 12;
    while ((!haveFmt || !haveData) && at + kChunkHeader <= head.size()) {
        const std::string_view id = head.substr(at, 4);
        const std::uint32_t size = readLe(head, at + 4, 4);
        const std::uint64_t body = at + kChunkHeader;
        if (id == "fmt ") {
            if (size < kMinFmtSize || body + kMinFmtSize > head.size()) return std::nullopt;
            layout.formatTag = std::uint16_t(readLe(head, body, 2));
            layout.channels = std::uint16_t(readLe(head, body + 2, 2));
            layout.sampleRate = readLe(head, body + 4, 4);
            layout.byteRate = readLe(head, body + 8, 4);
            layout.bitsPerSample = std::uint16_t(readLe(head, body + 14, 2));
            haveFmt = true;
        } else if (id == "data") {
            // Writers that stream leave the size unknown (often 0xFFFFFFFF); the file size bounds
            // it.
            const std::uint64_t present = fileSize > body ? fileSize - body : 0;
            layout.dataOffset = body;
            layout.dataBytes = std::min<std::uint64_t>(size, present);
            haveData = true;
        }
        at = body + size + (size & 1);  // bodies are padded to an even length
    }
    if (!haveFmt || !haveData) return std::nullopt;
    return layout;
}

std::optional<std::chrono::milliseconds> waveDuration(std::string_view head,
                                                      std::uint64_t fileSize) {
    const std::optional<WaveLayout> layout = waveLayout(head, fileSize);
    if (!layout || layout->byteRate == 0) return std::nullopt;
    const std::uint64_t ms = (layout->dataBytes * 1000 + layout->byteRate - 1) / layout->byteRate;
    return std::chrono::milliseconds(ms);
}
