// The real settings store opened on any bytes at all, with a fastest time inserted: the whole
// table reads back exactly as the insertion rule makes it, every other value reads back as
// before, and a file the store would not take is moved aside with its bytes.
#include "fuzz_check.h"
#include "platform/ini_text.h"
#include "platform/settings_schema.h"
#include "platform/settings_store.h"
#include "records/fastest_times_table.h"
#include "records/time_key.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>

namespace {

using fuzz::check;
using settings::fastTimeNameKey;
using settings::fastTimePuzzleKey;
using settings::fastTimeTimeKey;
using Row = std::array<QString, 3>;  // name, time, puzzle as the table moves them
using Table = std::array<Row, fastest_times::kRows>;

// A memory-backed folder where there is one: a save per input must not wait for a disk.
const QString& folder() {
    static const QString path = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        const QString own = base + QStringLiteral("/quarrow-fuzz-") +
                            QString::number(QCoreApplication::applicationPid());
        QDir().mkpath(own);
        return own;
    }();
    return path;
}

Table tableIn(const SettingsStore& store) {
    Table table;
    for (int n = 1; n <= fastest_times::kRows; ++n) {
        const auto read = [&store](const QString& key) {
            return store.read(settings::kFastTimes, key, {});
        };
        table[n - 1] = {read(fastTimeNameKey(n)), read(fastTimeTimeKey(n)),
                        read(fastTimePuzzleKey(n))};
    }
    return table;
}

// Every value the file holds, as the store reads it.
std::map<std::pair<QString, QString>, QString> valuesIn(const ini::Document& document,
                                                        const SettingsStore& store) {
    std::map<std::pair<QString, QString>, QString> values;
    for (const auto& [section, keys] : document)
        for (const auto& entry : keys)
            values[{section, entry.first}] =
                store.read(section, entry.first, QStringLiteral("<fallback>"));
    return values;
}

bool isTableKey(const QString& section, const QString& key) {
    if (section != settings::kFastTimes) return false;
    for (int n = 1; n <= fastest_times::kRows; ++n)
        if (key == fastTimeNameKey(n) || key == fastTimeTimeKey(n) || key == fastTimePuzzleKey(n))
            return true;
    return false;
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first two bytes make the finishing time, the rest is the file.
    const QString time =
        QStringLiteral("%1:%2").arg(data[0] % 16).arg(data[1] % 60, 2, 10, QLatin1Char('0'));
    const QByteArray bytes(reinterpret_cast<const char*>(data + 2),
                           static_cast<qsizetype>(size - 2));
    QDir(folder()).removeRecursively();
    QDir().mkpath(folder());
    const QString path = folder() + QStringLiteral("/QRW.ini");
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    const std::optional<ini::Document> parsed = ini::parse(bytes);
    const bool whole = parsed && parsed->count(settings::kSettings) &&
                       parsed->at(settings::kSettings).count(settings::kFirstRun.name);
    IniSettingsStore store(path);
    check(store.movedAsidePath().isEmpty() == (bytes.isEmpty() || whole));
    if (!store.movedAsidePath().isEmpty()) check(contentsOf(store.movedAsidePath()) == bytes);
    const ini::Document document = whole ? *parsed : ini::Document();
    const auto before = valuesIn(document, store);

    // What the insertion rule makes of the table as the store reads it.
    Table expected = tableIn(store);
    int rank = 0;
    for (int n = 1; n <= fastest_times::kRows && rank == 0; ++n)
        if (isFasterThan(time, store.read(settings::kFastTimes, fastTimeTimeKey(n), "0"))) rank = n;
    if (rank != 0) {
        for (int n = fastest_times::kRows; n > rank; --n) expected[n - 1] = expected[n - 2];
        expected[rank - 1] = {QStringLiteral("Fuzz"), time, QStringLiteral("Fuzzed")};
    }
    check(fastest_times::insertRow(
              store, {QStringLiteral("Fuzz"), time, QStringLiteral("Fuzzed")}) == rank);

    check(store.waitForSaves());
    const IniSettingsStore reopened(path);
    check(reopened.movedAsidePath().isEmpty());
    check(tableIn(reopened) == expected);
    const auto after = valuesIn(document, reopened);
    for (const auto& [where, value] : before)
        if (rank == 0 || !isTableKey(where.first, where.second)) check(after.at(where) == value);
    return 0;
}
