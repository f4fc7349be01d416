// Feeds arbitrary bytes to the three theme readers through their in-memory entry point, which
// the file readers share.
#include "core/cp1252.h"
#include "core/theme_file.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    if (const auto header = parseThemeHeader(bytes)) fuzz::check(header->countText.size() <= 2);
    if (const auto theme = parseTheme(bytes)) {
        fuzz::check(theme->wordCount >= 1 && theme->wordCount <= 20);
        // Every slot holds a word a player could look for.
        for (int i = 1; i <= theme->wordCount; ++i) fuzz::check(!theme->words[i].isEmpty());
    }
    if (const auto edited = parseThemeForEditor(bytes)) {
        fuzz::check(edited->wordCount >= 0 && edited->wordCount <= 20);
    }
    fuzz::check(encodeCp1252(decodeCp1252(bytes)) == bytes);
    return 0;
}
