// Every parser of a value read back from the settings file takes any text at all: Booleans,
// counters, numbers and font sizes, finishing times "m:ss" and the statistics made from the
// counters. None may crash or overflow, and what the program writes must read back as written.
#include "fuzz_check.h"
#include "platform/settings_store.h"
#include "records/statistics_figures.h"
#include "records/time_key.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>

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
    switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0:
            booleans(in);
            break;
        case 1:
            integers(in);
            break;
        case 2:
            numbers(in);
            break;
        case 3:
            times(in);
            break;
        default:
            statisticsFigures(in);
            break;
    }
    return 0;
}
