#include "shell/main/game_clock.h"

QString clockText(long long seconds) {
    const long long minutes = seconds / 60;
    return QStringLiteral("%1:%2").arg(minutes).arg(seconds - 60 * minutes, 2, 10,
                                                    QLatin1Char('0'));
}
