#include "core/board_preparation.h"

#include <cmath>

namespace {
constexpr double kListPointSize = 9.75;
constexpr double kQuestionsPointSize = 8;

bool samePointSize(double a, double b) {
    return std::abs(a - b) < 0.01;
}
}  // namespace

std::optional<double> wordListPointSize(const QString& entryOneFamily, double entryOnePointSize,
                                        int showMode) {
    const bool defaultFont = entryOneFamily == QStringLiteral("MS Sans Serif") &&
                             samePointSize(entryOnePointSize, kListPointSize);
    if (!defaultFont && !samePointSize(entryOnePointSize, kQuestionsPointSize)) {
        return std::nullopt;
    }
    if (showMode == 1 || showMode == 3) return kListPointSize;
    if (showMode == 2) return kQuestionsPointSize;
    return std::nullopt;
}

QString levelCaption(const QString& levelName) {
    return QStringLiteral("Level : ") + levelName;
}

RgbColour speedMarkColour(bool speedChallenge) {
    return speedChallenge ? RgbColour{192, 255, 255} : RgbColour{0, 64, 64};
}
