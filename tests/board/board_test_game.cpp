#include "board_test_game.h"

#include <QFileInfo>

namespace {
int step(int from, int to) {
    const int dr = (to - 1) / 20 - (from - 1) / 20;
    const int dc = (to - 1) % 20 - (from - 1) % 20;
    return (dr > 0 ? 20 : dr < 0 ? -20 : 0) + (dc > 0 ? 1 : dc < 0 ? -1 : 0);
}
}  // namespace

TestGame::TestGame(std::vector<Word> words, ShowMode showMode) {
    applyMainWindowLoadDefaults(env.state);
    Puzzle puzzle;
    puzzle.letters.fill(QLatin1Char('Z'));
    for (const Word& word : words) {
        for (int k = 0, n = word.first; k < word.text.size();
             ++k, n += step(word.first, word.last)) {
            puzzle.letters[n] = word.text.at(k);
        }
        puzzle.words.push_back(
            {word.text, QStringLiteral("Q ") + word.text, word.first, word.last});
    }
    session.generationStarted({"data\\test.qrw", "Test", "Tester", Level::Medium, showMode, false});
    session.generated(puzzle);
    play.refresh();
}

void TestGame::press(int cell, PressButton button) {
    emit board.cellPressed(cell, button);
}

void TestGame::moveOver(int cell) {
    emit board.pointerOver(cell);
}

void TestGame::select(int from, int to) {
    press(from);
    moveOver(to);
    press(to);
}

QStringList TestGame::effects() const {
    QStringList result;
    const QStringList& log = env.media.log();
    for (int k = 1; k < log.size(); ++k) {
        if (log[k] == "sound" && log[k - 1].startsWith("file:")) {
            result << QFileInfo(log[k - 1].mid(5)).fileName();
        }
    }
    return result;
}

QString TestGame::setting(const QString& key) const {
    return env.settings->read("Settings", key, "absent");
}

std::vector<TestGame::Word> eightWords() {
    return {{"ANT", 1, 3},     {"BEE", 21, 61},   {"CAT", 45, 87},   {"DOG", 200, 198},
            {"EMU", 300, 260}, {"FOX", 150, 112}, {"GNU", 340, 298}, {"HEN", 233, 271}};
}
