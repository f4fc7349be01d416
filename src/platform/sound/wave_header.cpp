#include "platform/sound/wave_header.h"

#include <algorithm>

namespace {

std::uint32_t readLe32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= std::uint32_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

constexpr std::size_t kChunkHeader = 8;     // four-letter id, then the body size
constexpr std::size_t kByteRateOffset = 8;  // inside the "fmt " body
constexpr std::uint32_t kMinFmtSize = 16;

}  // namespace

std::optional<std::chrono::milliseconds> waveDuration(std::string_view head,
                                                      std::uint64_t fileSize) {
    if (head.size() < 12 || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "WAVE")
        return std::nullopt;

    std::optional<std::uint32_t> byteRate;
    std::optional<std::uint64_t> dataBytes;
    // Chunks may come in any order; walk them by their sizes until both are known or the bytes
    // at hand run out. Offsets are 64-bit so a huge size cannot wrap around.
    std::uint64_t at = 12;
    while ((!byteRate || !dataBytes) && at + kChunkHeader <= head.size()) {
        const std::string_view id = head.substr(at, 4);
        const std::uint32_t size = readLe32(head, at + 4);
        const std::uint64_t body = at + kChunkHeader;
        if (id == "fmt ") {
            if (size < kMinFmtSize || body + kMinFmtSize > head.size()) return std::nullopt;
            byteRate = readLe32(head, body + kByteRateOffset);
        } else if (id == "data") {
            // Writers that stream leave the size unknown (often 0xFFFFFFFF); the file size bounds
            // it.
            const std::uint64_t present = fileSize > body ? fileSize - body : 0;
            dataBytes = std::min<std::uint64_t>(size, present);
        }
        at = body + size + (size & 1);  // bodies are padded to an even length
    }
    if (!byteRate || !dataBytes || *byteRate == 0) return std::nullopt;

    const std::uint64_t ms = (*dataBytes * 1000 + *byteRate - 1) / *byteRate;
    return std::chrono::milliseconds(ms);
}
