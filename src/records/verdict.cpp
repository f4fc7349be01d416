#include "records/verdict.h"

namespace verdict {

QString ordinary(bool puzzleRevealed, int wordsRevealed, Level level, const QString& title) {
    const QString game =
        title + QStringLiteral(" on ") + levelName(level) + QStringLiteral(" level");
    if (puzzleRevealed) {
        return QStringLiteral("You revealed ") + game +
               (level == Level::Easy ? QStringLiteral(" - Please try again!")
                                     : QStringLiteral(" - Try an easier level next time!"));
    }
    if (wordsRevealed == 0) {
        return QStringLiteral("You have completed ") + game +
               (level == Level::Expert ? QStringLiteral("! Congratulations!")
                                       : QStringLiteral("! Try a harder level next time!"));
    }
    return QStringLiteral("You completed ") + game +
           QStringLiteral("! Try again without revealing any words.");
}

Sound ordinarySound(bool puzzleRevealed, int wordsRevealed, Level level) {
    if (puzzleRevealed) return Sound::RevealedPuzzle;
    if (wordsRevealed == 0 && level != Level::Expert) return Sound::CleanFinish;
    if (wordsRevealed == 0 && level == Level::Expert) return Sound::ExpertFinish;
    return Sound::HelpedFinish;
}

}  // namespace verdict
