// Arbitrary bytes written through the guarded door and read back from the disk: a read gives
// the file's start up to its bound and says whether that is all of it, and every reader of a
// file (theme readers, the saved game) takes from the disk exactly what it takes from memory.
#include "core/guarded_file.h"
#include "core/saved_game.h"
#include "core/theme_file.h"
#include "fuzz_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

namespace {

using fuzz::check;

// A memory-backed folder where there is one: a write per input must not wait for a disk.
const QString& folder() {
    static const QString path = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        return base + QStringLiteral("/quarrow-fuzz-files-") +
               QString::number(QCoreApplication::applicationPid());
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    // The first byte makes the bound, the rest is the file.
    const qint64 bound = data[0] * 5;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    QDir(folder()).removeRecursively();
    QDir().mkpath(folder());
    const QString path = folder() + QStringLiteral("/file");

    check(guarded_file::replace(path, bytes) == 0);
    check(guarded_file::replace(path, bytes) == 0);  // over the old one
    const guarded_file::Read read = guarded_file::read(path, bound, guarded_file::Links::Refuse);
    check(read.status == guarded_file::Read::Status::Read);
    check(read.bytes == bytes.left(bound) && read.whole == (bytes.size() <= bound));
    check(QDir(folder()).entryList(QDir::Files) == QStringList{QStringLiteral("file")});

    const auto header = readThemeHeader(path);
    const auto fromMemory = parseThemeHeader(bytes);
    check(header.has_value() == fromMemory.has_value());
    if (header) check(header->title == fromMemory->title && header->author == fromMemory->author);
    const auto theme = readTheme(path);
    check(theme.has_value() == parseTheme(bytes).has_value());
    if (theme) check(theme->words == parseTheme(bytes)->words);
    const auto edited = loadThemeForEditor(path);
    check(edited.has_value() == parseThemeForEditor(bytes).has_value());

    const bool game = parseSavedGame(bytes).has_value();
    const SavedGameLoad load = takeSavedGame(path);
    check(load.status ==
          (game ? SavedGameLoad::Status::Loaded : SavedGameLoad::Status::Unreadable));
    if (game) check(!QFile::exists(path));
    if (!game)
        check(guarded_file::read(load.movedTo, size, guarded_file::Links::Refuse).bytes == bytes);
    return 0;
}
