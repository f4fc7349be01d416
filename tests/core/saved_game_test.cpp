#include "core/saved_game.h"
#include "session_puzzle.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

GameSession midGame() {
    GameSession session = playing(ShowMode::Questions, false);
    session.press(81, PressButton::Left);
    session.press(41, PressButton::Left);  // DOG, drawn from its last letter
    session.revealWord(3);
    return session;
}

void expectSameGame(const GameSession& a, const GameSession& b) {
    EXPECT_EQ(savedGameText(a), savedGameText(b));
    EXPECT_EQ(a.setup().puzzleTitle, b.setup().puzzleTitle);
    EXPECT_EQ(a.puzzle().letters, b.puzzle().letters);
    ASSERT_EQ(a.foundCount(), b.foundCount());
    for (int k = 0; k < a.foundCount(); ++k) {
        EXPECT_EQ(a.strikes()[k].slot, b.strikes()[k].slot);
        EXPECT_EQ(a.strikes()[k].kind, b.strikes()[k].kind);
        EXPECT_EQ(a.strikes()[k].from, b.strikes()[k].from);
    }
    EXPECT_EQ(a.wordsRevealed(), b.wordsRevealed());
    EXPECT_EQ(a.clockSeconds(), b.clockSeconds());
}

TEST(SavedGame, RoundTripGivesTheSameGameInPlay) {
    GameSession session = midGame();
    const QByteArray text = savedGameText(session);
    const auto loaded = parseSavedGame(text);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->phase(), GamePhase::Playing);
    expectSameGame(session, *loaded);
    // Texts with blanks, hyphens and letters beyond ASCII survive; CR LF line ends are read.
    GameSession challenge;
    challenge.generationStarted(
        {"data\\é - x.qrw", "T-Rex & co", "", Level::Expert, ShowMode::Words, true});
    Puzzle twenty = threeWordPuzzle();
    while (twenty.wordCount() < 20) twenty.words.push_back(twenty.words.front());
    challenge.generated(twenty);
    challenge.tick();
    QByteArray crlf = savedGameText(challenge);
    crlf.replace("\n", "\r\n");
    const auto loadedChallenge = parseSavedGame(crlf);
    ASSERT_TRUE(loadedChallenge);
    expectSameGame(challenge, *loadedChallenge);
    EXPECT_EQ(loadedChallenge->setup().puzzleFile, "data\\é - x.qrw");
    EXPECT_TRUE(savedGameText(GameSession()).isEmpty());
}

TEST(SavedGame, TextsThatAreNoGameAreRefused) {
    const QByteArray good = savedGameText(midGame());
    const auto broken = [&good](const char* from, const char* to) {
        QByteArray text = good;
        return parseSavedGame(text.replace(from, to));
    };
    EXPECT_FALSE(parseSavedGame(good.left(good.size() / 2)));              // cut short
    EXPECT_FALSE(broken("saved game 1", "saved game 2"));                  // newer version
    EXPECT_FALSE(broken("level 2", "level 7"));                            // no such level
    EXPECT_FALSE(broken("word 41 81", "word 41 61"));                      // word off its cells
    EXPECT_FALSE(broken("letters CAT", "letters COT"));                    // letters not the word
    EXPECT_FALSE(broken("strike 2 found 81 41", "strike 2 found 81 42"));  // line off its word
    EXPECT_FALSE(broken("strike 3 revealed 105 103", "strike 2 revealed 41 81"));  // twice
    EXPECT_FALSE(broken("challenge 0", "challenge 1"));  // not a challenge board
    EXPECT_FALSE(broken("clock 0", "clock -5"));
    EXPECT_FALSE(broken("end", "end\ntrailing"));
    // Every word struck is a finished game, not one to go on with.
    QByteArray done = good;
    done.replace("end\n", "strike 1 found 1 3\nend\n");
    EXPECT_FALSE(parseSavedGame(done));
}

TEST(SavedGame, FileIsWrittenWholeTakenOnceAndABrokenOneMovedAside) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state/quarrow/saved-game"));
    EXPECT_EQ(takeSavedGame(path).status, SavedGameLoad::Status::Missing);
    ASSERT_TRUE(writeSavedGame(path, midGame()));
    SavedGameLoad load = takeSavedGame(path);
    ASSERT_EQ(load.status, SavedGameLoad::Status::Loaded);
    expectSameGame(midGame(), *load.session);
    EXPECT_FALSE(QFile::exists(path));

    for (int round = 1; round <= 2; ++round) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Quarrow saved game 1\ntheme");
        file.close();
        load = takeSavedGame(path);
        EXPECT_EQ(load.status, SavedGameLoad::Status::Unreadable);
        EXPECT_FALSE(QFile::exists(path));
        QFile aside(load.movedTo);
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly)) << load.movedTo.toStdString();
        EXPECT_EQ(aside.readAll(), "Quarrow saved game 1\ntheme");  // nothing lost
    }
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("state/quarrow"))).entryList(QDir::Files).size(), 2);
}

}  // namespace
