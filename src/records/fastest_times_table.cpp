#include "records/fastest_times_table.h"

#include "platform/dialogs.h"
#include "platform/settings_schema.h"
#include "platform/settings_store.h"
#include "records/time_key.h"

namespace fastest_times {

namespace {

using settings::fastTimeNameKey;
using settings::fastTimePuzzleKey;
using settings::fastTimeTimeKey;

QString read(const SettingsStore& store, const QString& key, const QString& fallback) {
    return store.read(settings::kFastTimes, key, fallback);
}

void write(SettingsStore& store, const QString& key, const QString& value) {
    store.write(settings::kFastTimes, key, value);
}

}  // namespace

Table readForDisplay(const SettingsStore& store) {
    Table table;
    for (int row = 1; row <= kRows; ++row) {
        const FastTimeRow& fallback = kDisplayDefaultFastTimes[row - 1];
        table[row - 1] = {read(store, fastTimeNameKey(row), fallback.name),
                          read(store, fastTimeTimeKey(row), fallback.time),
                          read(store, fastTimePuzzleKey(row), fallback.puzzle)};
    }
    return table;
}

void writeResetSet(SettingsStore& store, SaveOutcome outcome) {
    SettingsOperation operation(store);
    for (int row = 1; row <= kRows; ++row) {
        const FastTimeRow& values = kResetFastTimes[row - 1];
        write(store, fastTimeNameKey(row), values.name);
        write(store, fastTimeTimeKey(row), values.time);
        write(store, fastTimePuzzleKey(row), values.puzzle);
    }
    operation.finish(std::move(outcome));
}

QString storedTime(const SettingsStore& store, int row) {
    return read(store, fastTimeTimeKey(row), QStringLiteral("0"));
}

int rankFor(const SettingsStore& store, const QString& finishingTime) {
    for (int row = 1; row <= kRows; ++row)
        if (isFasterThan(finishingTime, storedTime(store, row))) return row;
    return 0;
}

QString namePrompt(int rank) {
    return QStringLiteral(
               "Congratulations, you have achieved the #%1 time in the Speed Challenge! Please "
               "enter you're name below.")
        .arg(rank);
}

int insert(SettingsStore& store, Dialogs& dialogs, const QString& finishingTime,
           const QString& puzzleTitle) {
    const int rank = rankFor(store, finishingTime);
    if (rank == 0) return 0;
    // No operation is open while the prompt waits: the other copies go on saving meanwhile.
    const QString name = dialogs.input(namePrompt(rank), kPromptTitle);
    return insertRow(store, {name, finishingTime, puzzleTitle});
}

int insertRow(SettingsStore& store, const FastTimeRow& row) {
    SettingsOperation operation(store);
    const int rank = rankFor(store, row.time);
    if (rank == 0) return 0;
    for (int below = kRows - 1; below >= rank; --below) {
        write(store, fastTimePuzzleKey(below + 1), read(store, fastTimePuzzleKey(below), {}));
        write(store, fastTimeTimeKey(below + 1), read(store, fastTimeTimeKey(below), {}));
        write(store, fastTimeNameKey(below + 1), read(store, fastTimeNameKey(below), {}));
    }
    write(store, fastTimeNameKey(rank), row.name);
    write(store, fastTimeTimeKey(rank), row.time);
    write(store, fastTimePuzzleKey(rank), row.puzzle);
    return rank;
}

}  // namespace fastest_times
