#pragma once

#include "core/game_vocabulary.h"
#include "platform/sound/sound_files.h"

#include <QString>

// The closing words and tune of a finished game.
namespace verdict {

inline const QString kHighScore = QStringLiteral("Congratulations you achieved a high score!");
inline const QString kNoHighScore =
    QStringLiteral("You did not achieve a high score this go, better luck next time!");
inline const QString kSpeedRevealed =
    QStringLiteral("The computer revealed the puzzle - better luck next time!");

// Verdict of an ordinary (not timed) game.
QString ordinary(bool puzzleRevealed, int wordsRevealed, Level level, const QString& title);

// Tune of an ordinary game.
Sound ordinarySound(bool puzzleRevealed, int wordsRevealed, Level level);

}  // namespace verdict
