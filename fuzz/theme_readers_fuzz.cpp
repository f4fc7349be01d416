// Feeds arbitrary bytes to the three theme readers through a file, as the game would meet them.
#include "core/cp1252.h"
#include "core/theme_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

void check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("fuzz.qrw"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        file.write(bytes);
    }

    if (const auto header = readThemeHeader(path)) check(header->countText.size() <= 2);
    if (const auto theme = readTheme(path)) check(theme->wordCount >= 1 && theme->wordCount <= 20);
    if (const auto edited = loadThemeForEditor(path)) {
        check(edited->wordCount >= 0 && edited->wordCount <= 20);
    }
    check(encodeCp1252(decodeCp1252(bytes)) == bytes);
    return 0;
}
