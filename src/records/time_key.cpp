#include "records/time_key.h"

namespace {

// Enough for any clock the game can run; keeps the arithmetic far from overflow.
constexpr qsizetype kMaxMinuteDigits = 9;

bool allDigits(QStringView text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

}  // namespace

std::optional<long long> timeKey(const QString& timeText) {
    const QString text = timeText.trimmed();
    if (text == QStringLiteral("0")) return 0;
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0) return std::nullopt;
    const QStringView minutes = QStringView(text).left(colon);
    const QStringView seconds = QStringView(text).mid(colon + 1);
    if (!allDigits(minutes) || minutes.size() > kMaxMinuteDigits) return std::nullopt;
    if (!allDigits(seconds) || seconds.size() != 2) return std::nullopt;
    return minutes.toLongLong() * 100 + seconds.toInt();
}

bool isFasterThan(const QString& finishingTime, const QString& storedTime) {
    const auto finishing = timeKey(finishingTime);
    const auto stored = timeKey(storedTime);
    return finishing && stored && *finishing < *stored;
}
