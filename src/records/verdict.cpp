#include "records/verdict.h"

namespace verdict {

namespace {
constexpr int kExpert = 4;
}

QString ordinary(bool puzzleRevealed, int wordsRevealed, int level, const QString& title,
                 const QString& levelName) {
    const QString game = title + QStringLiteral(" on ") + levelName + QStringLiteral(" level");
    if (puzzleRevealed) {
        return QStringLiteral("You revealed ") + game +
               (level == 1 ? QStringLiteral(" - Please try again!")
                           : QStringLiteral(" - Try an easier level next time!"));
    }
    if (wordsRevealed == 0) {
        return QStringLiteral("You have completed ") + game +
               (level == kExpert ? QStringLiteral("! Congratulations!")
                                 : QStringLiteral("! Try a harder level next time!"));
    }
    return QStringLiteral("You completed ") + game +
           QStringLiteral("! Try again without revealing any words.");
}

Sound ordinarySound(bool puzzleRevealed, int wordsRevealed, int level) {
    if (puzzleRevealed) return Sound::RevealedPuzzle;
    if (wordsRevealed == 0 && level < kExpert) return Sound::CleanFinish;
    if (wordsRevealed == 0 && level == kExpert) return Sound::ExpertFinish;
    return Sound::HelpedFinish;
}

}  // namespace verdict
