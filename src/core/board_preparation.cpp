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
                                        ShowMode showMode) {
    const bool defaultFont = entryOneFamily == QStringLiteral("MS Sans Serif") &&
                             samePointSize(entryOnePointSize, kListPointSize);
    if (!defaultFont && !samePointSize(entryOnePointSize, kQuestionsPointSize)) {
        return std::nullopt;
    }
    return showMode == ShowMode::Questions ? kQuestionsPointSize : kListPointSize;
}

QString levelCaption(Level level) {
    return QStringLiteral("Level : ") + levelName(level);
}

RgbColour speedMarkColour(bool speedChallenge) {
    return speedChallenge ? RgbColour{192, 255, 255} : RgbColour{0, 64, 64};
}
