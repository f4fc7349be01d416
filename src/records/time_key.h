#pragma once

#include <QString>

#include <optional>

// A finishing time "m:ss" (minutes of any width, a colon, two digits of seconds) ranks by the
// number minutes * 100 + seconds, so 3:07 gives 307 and 12:40 gives 1240. A missing stored time
// reads as "0" and gives 0. Any other text is not a time: no key, so it neither qualifies nor
// is beaten.
std::optional<long long> timeKey(const QString& timeText);

// True when `finishingTime` is strictly faster than `storedTime`; an equal time, and any text
// that is not a time, does not qualify.
bool isFasterThan(const QString& finishingTime, const QString& storedTime);
