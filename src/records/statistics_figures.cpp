#include "records/statistics_figures.h"

#include "platform/settings_schema.h"
#include "platform/settings_store.h"

#include <cmath>

namespace statistics {

namespace {

const QString kNothingPlayed = QStringLiteral("0%");

// A counter's value and the text shown for it: the stored text when it is a number.
struct Counter {
    long long value;
    QString shown;
};

Counter counter(const QString& stored) {
    bool ok = false;
    const long long value = stored.trimmed().toLongLong(&ok);
    if (!ok) return {0, QStringLiteral("0")};
    return {value, stored};
}

QString twoDecimals(double value) {
    return QString::number(value, 'f', 2);
}

}  // namespace

StatisticsFigures figuresFor(const QString& completed, const QString& revealed,
                             const QString& wordsRevealed, const QString& secondsPlayed) {
    const Counter comp = counter(completed);
    const Counter rev = counter(revealed);
    const Counter cheat = counter(wordsRevealed);
    const long long seconds = counter(secondsPlayed).value;
    // Counters are hand-editable text: a sum of absurd values must not overflow.
    const long long played = settings::saturatingAdd(comp.value, rev.value);

    StatisticsFigures figures;
    figures.completed = comp.shown;
    figures.revealed = rev.shown;
    figures.wordsRevealed = cheat.shown;
    // std::nearbyint in the default rounding mode takes halves to the even neighbour.
    figures.minutesPlaying =
        QString::number(static_cast<long long>(std::nearbyint(static_cast<double>(seconds) / 60)));
    figures.played = QString::number(played);
    if (played == 0) {
        figures.percentage = kNothingPlayed;
        figures.averagePerGame = kNothingPlayed;
    } else {
        const auto games = static_cast<double>(played);
        figures.percentage = twoDecimals(static_cast<double>(comp.value) / games * 100) + '%';
        figures.averagePerGame = twoDecimals(static_cast<double>(cheat.value) / games);
    }
    return figures;
}

StatisticsFigures refresh(SettingsStore& store) {
    // "S_PLAYED" agrees with the counters it is made from, whatever another copy saves meanwhile.
    SettingsOperation operation(store);
    using settings::readText;
    const StatisticsFigures figures = figuresFor(
        readText(store, settings::kCompleted), readText(store, settings::kRevealed),
        readText(store, settings::kWordsRevealed), readText(store, settings::kSecondsPlayed));
    store.write(settings::kSettings, settings::kPlayed.name, figures.played);
    return figures;
}

void reset(SettingsStore& store) {
    SettingsOperation operation(store);
    for (const settings::CounterKey& counter : settings::kCounters)
        settings::write(store, counter, 0);
}

}  // namespace statistics
