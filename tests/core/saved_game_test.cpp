#include "core/saved_game.h"
#include "session_puzzle.h"
#include "support/file_faults.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

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
    for (int k = 0; twenty.wordCount() < 20; ++k) {
        const int first = 121 + (k / 2) * 20 + (k % 2) * 10;  // from row 6, two to a row
        twenty.words.push_back({"ZZZ", "", first, first + 2});
    }
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
    const auto broken = [&good](const QByteArray& from, const QByteArray& to) {
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
    // Boards the game never makes: a word twice on the same cells (the second could never be
    // found, either way round), filler that is no letter A-Z, a word in lower case or with a
    // blank.
    EXPECT_FALSE(broken("word 41 81", "word 1 3 CAT Q\nword 41 81"));
    EXPECT_FALSE(broken("\nstrike", "\nword 3 1 TAC Q\nstrike"));
    for (const char* filler : {"%01", "%20", "%E2%80%8B", "%E2%80%AE", "a", "%C3%89", "1"}) {
        SCOPED_TRACE(filler);
        EXPECT_FALSE(broken("Z\nword 1 3", QByteArray(filler) + "\nword 1 3"));
    }
    // A word as no theme reader makes it: in lower case, with a blank or a control character.
    for (const char* word : {"CaT", "C%20T", "C%09T"}) {
        SCOPED_TRACE(word);
        QByteArray text = good;
        text.replace("letters CAT", "letters " + QByteArray(word));
        EXPECT_FALSE(parseSavedGame(text.replace(" CAT ", " " + QByteArray(word) + " ")));
    }
    // Every word struck is a finished game, not one to go on with.
    QByteArray done = good;
    done.replace("end\n", "strike 1 found 1 3\nend\n");
    EXPECT_FALSE(parseSavedGame(done));
}

TEST(SavedGame, FileIsWrittenWholeTakenOnceAndABrokenOneMovedAside) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state/quarrow/saved-game"));
    EXPECT_EQ(takeSavedGame(path).status, SavedGameLoad::Status::Missing);
    ASSERT_EQ(writeSavedGame(path, midGame()), 0);
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

// The disk fills up: the older saved game stays whole and the failure is told.
TEST(SavedGame, AFailedWriteKeepsTheOlderGame) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved-game"));
    ASSERT_EQ(writeSavedGame(path, playing()), 0);
    {
        const FileSizeLimit full(64);
        EXPECT_NE(writeSavedGame(path, midGame()), 0);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"saved-game"});
    const SavedGameLoad load = takeSavedGame(path);
    ASSERT_EQ(load.status, SavedGameLoad::Status::Loaded);
    expectSameGame(playing(), *load.session);
}

// Links, pipes and devices at the path are neither read nor written through.
TEST(SavedGame, OnlyAFileOfItsOwnIsReadOrWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved-game"));
    const QString other = dir.filePath(QStringLiteral("letter.txt"));
    ASSERT_EQ(writeSavedGame(other, midGame()), 0);  // something the player keeps
    const QByteArray kept = savedGameText(midGame());

    ASSERT_TRUE(QFile::link(other, path));
    SavedGameLoad load = takeSavedGame(path);
    EXPECT_EQ(load.status, SavedGameLoad::Status::Unreadable);
    EXPECT_TRUE(QFileInfo(load.movedTo).isSymLink());  // the link moved, not its target
    ASSERT_TRUE(QFile::link(other, path));
    ASSERT_EQ(writeSavedGame(path, playing()), 0);
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    QFile target(other);
    ASSERT_TRUE(target.open(QIODevice::ReadOnly));
    EXPECT_EQ(target.readAll(), kept);
    ASSERT_TRUE(QFile::remove(path));

    // A pipe with no writer, endless devices: each is refused at once and moved aside.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_EQ(takeSavedGame(path).status, SavedGameLoad::Status::Unreadable);
    for (const char* device : {"/dev/zero", "/dev/urandom"}) {
        ASSERT_TRUE(QFile::link(QString::fromLatin1(device), path));
        load = takeSavedGame(path);
        EXPECT_EQ(load.status, SavedGameLoad::Status::Unreadable);
        EXPECT_FALSE(QFileInfo::exists(path) || QFileInfo(path).isSymLink());
    }
}

// A game that cannot be removed from the disk would be offered again after it is played.
TEST(SavedGame, AGameThatCannotBeRemovedIsNotHandedOut) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved-game"));
    ASSERT_EQ(writeSavedGame(path, midGame()), 0);
    const ReadOnlyFolder locked(dir.path());
    if (!locked.active()) GTEST_SKIP() << "no way to make a read-only folder here";
    const SavedGameLoad load = takeSavedGame(path);
    EXPECT_NE(load.status, SavedGameLoad::Status::Loaded);
    EXPECT_FALSE(load.session);
    EXPECT_TRUE(QFileInfo::exists(path));
}

}  // namespace
