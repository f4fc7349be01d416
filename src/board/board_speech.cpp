#include "board/board_speech.h"

#include "core/grid_shape.h"

namespace board_speech {

QString cellName(const QString& letter, int cell) {
    const int row = grid::rowOf(cell) + 1;
    const int column = grid::columnOf(cell) + 1;
    return QStringLiteral("%1, row %2, column %3")
        .arg(letter.isEmpty() ? QStringLiteral("blank") : letter)
        .arg(row)
        .arg(column);
}

QString entryName(const Entry& entry) {
    QString name = entry.caption;
    if (entry.showMode == ShowMode::Blanks) {
        // The list shows nothing until the word is found; its place and length are the clue.
        name = QStringLiteral("word %1, %2 letters").arg(entry.slot).arg(entry.word.size());
        if (entry.found) name += QStringLiteral(", ") + entry.word;
    }
    return entry.found ? name + QStringLiteral(", found") : name;
}

QString anchorSet(const QString& cellName) {
    return QStringLiteral("Selection starts at ") + cellName;
}

QString selectionCleared() {
    return QStringLiteral("Selection cleared");
}

QString wordStruck(const QString& word, int found, int total) {
    return QStringLiteral("%1 found, %2 of %3").arg(word).arg(found).arg(total);
}

QString paused() {
    return QStringLiteral("Paused");
}

QString resumed() {
    return QStringLiteral("Resumed");
}

QString puzzleComplete() {
    return QStringLiteral("Puzzle complete");
}

}  // namespace board_speech
