#pragma once

#include "platform/settings_store.h"
#include "records/fast_times_defaults.h"

#include <QString>

#include <array>

class Dialogs;

// The ten-row table of fastest Speed Challenge times in section "F_Times", row 1 the fastest.
// Rows stay in order because every new time is inserted at its rank; nothing re-sorts them.
namespace fastest_times {

inline constexpr int kRows = 10;
inline const QString kPromptTitle = QStringLiteral("High Score");

using Table = std::array<FastTimeRow, kRows>;

// What the window shows: each missing key falls back to its row's display default.
Table readForDisplay(const SettingsStore& store);

// Writes all thirty values of the reset set in one operation; `outcome` learns whether they
// were saved.
void writeResetSet(SettingsStore& store, SaveOutcome outcome = {});

// The stored time of row 1..10; a missing one reads as "0", which no time beats.
QString storedTime(const SettingsStore& store, int row);

// The first row whose stored time `finishingTime` beats strictly, 1..10, or 0 for none.
// Missing times read as "0", so equal times stay above the new one.
int rankFor(const SettingsStore& store, const QString& finishingTime);

// "Congratulations, you have achieved the #<rank> time in the Speed Challenge! ..."
QString namePrompt(int rank);

// Asks for the player's name (a cancelled prompt gives an empty name), then inserts the row
// with the time text exactly as the clock showed it. Returns the rank taken, or 0 when no row
// was beaten (nothing is asked or written then).
int insert(SettingsStore& store, Dialogs& dialogs, const QString& finishingTime,
           const QString& puzzleTitle);

// In one operation on the store, so against the table as it stands then (another copy of the
// game may have changed it meanwhile): moves the rows from the rank `row.time` takes down by
// one, dropping the old tenth row, and writes `row` at that rank. Returns the rank, or 0 when
// the time beats no row (nothing is written then).
int insertRow(SettingsStore& store, const FastTimeRow& row);

}  // namespace fastest_times
