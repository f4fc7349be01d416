#include "board_test_game.h"

#include "board/board_model.h"

#include <QFileInfo>

namespace {
int step(int from, int to) {
    const int dr = (to - 1) / 20 - (from - 1) / 20;
    const int dc = (to - 1) % 20 - (from - 1) % 20;
    return (dr > 0 ? 20 : dr < 0 ? -20 : 0) + (dc > 0 ? 1 : dc < 0 ? -1 : 0);
}
}  // namespace

TestGame::TestGame(std::vector<Word> words, int showMode) {
    applyMainWindowLoadDefaults(env.state);
    env.state.showMode = showMode;
    env.state.wordCount = static_cast<int>(words.size());
    env.state.gameInProgress = true;
    for (int i = 1; i <= 20; ++i) {
        BoardEntry& entry = model().entries[i];
        entry.caption = entry.tag = entry.toolTip = QString();
    }
    for (int i = 1; i <= env.state.wordCount; ++i) {
        const Word& word = words[i - 1];
        env.state.wordList[i] = word.text;
        env.state.wordCells[i] = {0, word.first, word.last};
        for (int k = 0, n = word.first; k < word.text.size();
             ++k, n += step(word.first, word.last)) {
            model().cells[n].caption = word.text.at(k);
        }
        BoardEntry& entry = model().entries[i];
        entry.caption = showMode == 3 ? QString() : word.text;
        if (showMode != 1) entry.tag = word.text;
    }
}

void TestGame::select(int from, int to) {
    board.wsMouseDown(from, Qt::LeftButton);
    board.wsMouseMove(to);
    board.wsMouseDown(to, Qt::LeftButton);
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
