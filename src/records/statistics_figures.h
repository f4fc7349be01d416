#pragma once

#include <QString>

class SettingsStore;

// The lifetime counters as the statistics window shows them.
struct StatisticsFigures {
    QString played;          // S_COMP + S_REV
    QString completed;       // S_COMP as stored
    QString revealed;        // S_REV as stored
    QString percentage;      // completed / played * 100, "0.00" then "%"; "0%" with nothing played
    QString wordsRevealed;   // S_CHEAT as stored
    QString averagePerGame;  // words revealed / played, "0.00"; "0%" with nothing played
    QString minutesPlaying;  // S_TIMEP seconds as whole minutes, halves to the even neighbour
};

namespace statistics {

// The figures for the stored counter texts. A counter that is not a whole number counts as 0
// and shows "0"; the minutes are the true number however large.
StatisticsFigures figuresFor(const QString& completed, const QString& revealed,
                             const QString& wordsRevealed, const QString& secondsPlayed);

// Reads the counters (missing ones as "0"), and stores the played figure in its counter, which
// is always completed + revealed.
StatisticsFigures refresh(SettingsStore& store);

// Writes "0" to every counter, in one operation on the store.
void reset(SettingsStore& store);

}  // namespace statistics
