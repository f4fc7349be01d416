// Every parser of a value read back from the settings file takes any text at all: Booleans,
// counters, numbers and font sizes, finishing times "m:ss" and the statistics made from the
// counters, and the fastest-times ranking. None may crash or overflow, and what the program
// writes must read back as written.
#include "fuzz_check.h"
#include "platform/settings_schema.h"
#include "platform/settings_store.h"
#include "records/fastest_times_table.h"
#include "records/memory_settings_store.h"
#include "records/statistics_figures.h"
#include "records/time_key.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

using fuzz::check;

QString text(FuzzedDataProvider& in) {
    return QString::fromStdString(in.ConsumeRandomLengthString(40));
}

void booleans(FuzzedDataProvider& in) {
    const bool fallback = in.ConsumeBool();
    const QString stored = text(in);
    const QString word = stored.trimmed().toLower();
    const bool value = settings::toBool(stored, fallback);
    if (word == u"true")
        check(value);
    else if (word == u"false")
        check(!value);
    else
        check(value == fallback);
    check(settings::toBool(settings::fromBool(fallback), !fallback) == fallback);
}

void integers(FuzzedDataProvider& in) {
    const auto fallback = in.ConsumeIntegral<long long>();
    const auto written = in.ConsumeIntegral<long long>();
    (void)settings::toInteger(text(in), fallback);
    check(settings::toInteger(QString::number(written), fallback) == written);
}

// A counter read from the file plus what a game adds, held at the ends of the range.
void counters(FuzzedDataProvider& in) {
    MemorySettingsStore store;
    const QString stored = text(in);
    store.write(settings::kSettings, settings::kCompleted.name, stored);
    const auto delta = in.ConsumeIntegral<long long>();
    const __int128 exact = static_cast<__int128>(settings::toInteger(stored, 0)) + delta;
    const __int128 held = std::clamp<__int128>(exact, std::numeric_limits<long long>::min(),
                                               std::numeric_limits<long long>::max());
    check(settings::addToCounter(store, settings::kCompleted.name, delta) == held);
}

void fontSizes(FuzzedDataProvider& in) {
    MemorySettingsStore store;
    const settings::NumberKey& key = settings::kGridFont.size;
    store.write(settings::kSettings, key.name, text(in));
    const double size = settings::read(store, key);
    check(size == key.fallback || (size >= key.lowest && size <= key.highest));
}

// A finishing time takes the first row it beats, whatever the stored table holds.
void ranking(FuzzedDataProvider& in) {
    MemorySettingsStore store;
    for (int row = 1; row <= fastest_times::kRows; ++row) {
        if (in.ConsumeBool())
            store.write(settings::kFastTimes, settings::fastTimeTimeKey(row), text(in));
    }
    const QString finishing = text(in);
    const int rank = fastest_times::rankFor(store, finishing);
    check(rank >= 0 && rank <= fastest_times::kRows);
    for (int row = 1; row < (rank ? rank : fastest_times::kRows + 1); ++row)
        check(!isFasterThan(finishing, fastest_times::storedTime(store, row)));
    if (rank) check(isFasterThan(finishing, fastest_times::storedTime(store, rank)));
}

void numbers(FuzzedDataProvider& in) {
    const double fallback = in.ConsumeFloatingPoint<double>();
    (void)settings::toNumber(text(in), fallback);
    // Font sizes as a font dialog gives them, in tenths of a point.
    const double size = in.ConsumeIntegralInRange(1, 5120) / 10.0;
    check(settings::toNumber(settings::fromNumber(size), 0) == size);
}

void times(FuzzedDataProvider& in) {
    const QString stored = text(in);
    if (const auto key = timeKey(stored)) check(*key >= 0);
    (void)isFasterThan(text(in), stored);
    // What the clock writes reads back as its key.
    const int minutes = in.ConsumeIntegralInRange(0, 999);
    const int seconds = in.ConsumeIntegralInRange(0, 59);
    const QString clock =
        QStringLiteral("%1:%2").arg(minutes).arg(seconds, 2, 10, QLatin1Char('0'));
    check(timeKey(clock) == minutes * 100LL + seconds);
}

void statisticsFigures(FuzzedDataProvider& in) {
    const QString completed = text(in);
    const QString revealed = text(in);
    const QString words = text(in);
    const StatisticsFigures figures = statistics::figuresFor(completed, revealed, words, text(in));
    check(figures.percentage.endsWith(QLatin1Char('%')));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    switch (in.ConsumeIntegralInRange(0, 7)) {
        case 0:
            booleans(in);
            break;
        case 1:
            integers(in);
            break;
        case 2:
            counters(in);
            break;
        case 3:
            numbers(in);
            break;
        case 4:
            fontSizes(in);
            break;
        case 5:
            times(in);
            break;
        case 6:
            ranking(in);
            break;
        default:
            statisticsFigures(in);
            break;
    }
    return 0;
}
