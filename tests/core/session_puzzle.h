#pragma once

#include "core/game_session.h"

// A small board for tests: every cell 'Z' except the words, CAT across from cell 1, DOG down
// from cell 41 and EEL right to left from cell 105.
inline Puzzle threeWordPuzzle() {
    Puzzle puzzle;
    puzzle.letters.fill(QLatin1Char('Z'));
    puzzle.letters[0] = QChar();  // no cell 0
    const auto place = [&puzzle](const char* word, int first, int step) {
        const QString text = QString::fromLatin1(word);
        for (int j = 0; j < text.size(); ++j) puzzle.letters[first + j * step] = text[j];
        puzzle.words.push_back({text, QStringLiteral("Q ") + text, first,
                                first + static_cast<int>(text.size() - 1) * step});
    };
    place("CAT", 1, 1);
    place("DOG", 41, 20);
    place("EEL", 105, -1);
    return puzzle;
}

// A session playing that board, in the given display mode.
inline GameSession playing(ShowMode showMode = ShowMode::Words, bool timeChallenge = false) {
    GameSession session;
    session.generationStarted(
        {"data\\zoo.qrw", "Zoo", "Keeper", Level::Medium, showMode, timeChallenge});
    session.generated(threeWordPuzzle());
    return session;
}
