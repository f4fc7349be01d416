#pragma once

#include <QString>

// The closing words and tune of a finished game.
namespace verdict {

inline const QString kHighScore = QStringLiteral("Congratulations you achieved a high score!");
inline const QString kNoHighScore =
    QStringLiteral("You did not achieve a high score this go, better luck next time!");
inline const QString kSpeedRevealed =
    QStringLiteral("The computer revealed the puzzle - better luck next time!");

// Tune of a finished Speed Challenge, and the one an ordinary game starts from.
inline const QString kSpeedSound = QStringLiteral("sf0005.wav");
inline const QString kOrdinaryBaseSound = QStringLiteral("sf0006.wav");

// Verdict of an ordinary (not timed) game.
QString ordinary(bool puzzleRevealed, int wordsRevealed, int level, const QString& title,
                 const QString& levelName);

// Tune of an ordinary game: a revealed puzzle sf0007, a clean finish below Expert sf0005, a
// clean Expert finish sf0008, a finish with revealed words sf0006.
QString ordinarySound(bool puzzleRevealed, int wordsRevealed, int level);

}  // namespace verdict
