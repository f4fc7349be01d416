#include "core/theme_file.h"
#include "support/file_faults.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <unistd.h>
#include <initializer_list>

namespace {

// Joins lines into file bytes, each ended by CR LF as the writer does.
QByteArray crlf(std::initializer_list<const char*> lines) {
    QByteArray bytes;
    for (const char* line : lines) bytes.append(line).append("\r\n");
    return bytes;
}

class ThemeFileTest : public ::testing::Test {
  protected:
    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("theme.qrw")) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    // The twelve-word theme with questions, as every reader sees it from the file.
    static void expectFruitQuiz(const QString& path) {
        const auto header = readThemeHeader(path);
        ASSERT_TRUE(header);
        EXPECT_EQ(header->title, "Fruit");
        EXPECT_EQ(header->author, "Ann");
        EXPECT_EQ(header->countText, "12");
        EXPECT_TRUE(header->hasQuestions);
        const auto theme = readTheme(path);
        ASSERT_TRUE(theme);
        EXPECT_EQ(theme->wordCount, 12);
        EXPECT_TRUE(theme->hasQuestions);
        EXPECT_EQ(theme->words[1], "APPLE");
        EXPECT_EQ(theme->questions[12], "About QUINCE");
        const auto edited = loadThemeForEditor(path);
        ASSERT_TRUE(edited);
        EXPECT_EQ(edited->title, "Fruit");
        EXPECT_EQ(edited->author, "Ann");
        EXPECT_EQ(edited->wordCount, 12);
        EXPECT_TRUE(edited->questionsOn);
        EXPECT_EQ(edited->questions[1], "About APPLE");
        EXPECT_EQ(edited->words[12], "QUINCE");
    }
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

const char* const kTwelve[] = {"APPLE", "BANANA", "CHERRY", "DATE", "FIG",  "GRAPE",
                               "LEMON", "MANGO",  "OLIVE",  "PEAR", "PLUM", "QUINCE"};

QByteArray twelveWordTheme(const char* header, bool withQuestions) {
    QByteArray bytes = crlf({"Fruit", "!Ann", header});
    for (const char* word : kTwelve) {
        bytes += crlf({word});
        if (withQuestions) bytes += QByteArray("About ") + word + "\r\n";
    }
    return bytes;
}

}  // namespace

TEST_F(ThemeFileTest, TwelveWordsWithAndWithoutQuestionsReadAlikeByAllReaders) {
    expectFruitQuiz(write(twelveWordTheme("#12WQ", true), "quiz.qrw"));

    const QString words = write(twelveWordTheme("#12W", false));
    EXPECT_FALSE(readThemeHeader(words)->hasQuestions);
    const auto theme = readTheme(words);
    ASSERT_TRUE(theme);
    EXPECT_FALSE(theme->hasQuestions);
    EXPECT_EQ(theme->words[12], "QUINCE");
    EXPECT_EQ(theme->questions[12], "");
    const auto edited = loadThemeForEditor(words);
    ASSERT_TRUE(edited);
    EXPECT_FALSE(edited->questionsOn);
    EXPECT_EQ(edited->words[7], "LEMON");
    EXPECT_EQ(edited->questions[7], "");
}

TEST_F(ThemeFileTest, HeaderWithoutTypeMarkerMeansQuestionsOnlyToTheGenerator) {
    const QString path = write(crlf({"T", "!A", "#02", "ONE", "first", "TWO", "second"}));
    EXPECT_FALSE(readThemeHeader(path)->hasQuestions);
    const auto edited = loadThemeForEditor(path);
    ASSERT_TRUE(edited);
    EXPECT_FALSE(edited->questionsOn);
    EXPECT_EQ(edited->words[2], "first");
    const auto theme = readTheme(path);
    ASSERT_TRUE(theme);
    EXPECT_TRUE(theme->hasQuestions);
    EXPECT_EQ(theme->words[2], "TWO");
    EXPECT_EQ(theme->questions[2], "second");
}

TEST_F(ThemeFileTest, CountIsExactlyTheSecondAndThirdCharacter) {
    struct Case {
        const char* header;
        const char* countText;
        int count;  // 0: neither the generator nor the editor accepts it
    };
    const Case cases[] = {
        {"#9W", "9W", 0},   {"#09W", "09", 9}, {"#20W", "20", 20}, {"#25W", "25", 0},
        {"#21WQ", "21", 0}, {"# 9W", " 9", 0}, {"#-1W", "-1", 0},  {"#", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        const QString path =
            write(crlf({"T", "!A", c.header}) + QByteArray("WORD\r\n").repeated(22));
        const auto header = readThemeHeader(path);
        ASSERT_TRUE(header);
        EXPECT_EQ(header->countText, c.countText);
        EXPECT_EQ(readTheme(path).has_value(), c.count > 0);
        EXPECT_EQ(loadThemeForEditor(path).has_value(), c.count > 0);
        if (c.count > 0) {
            EXPECT_EQ(readTheme(path)->wordCount, c.count);
        }
    }
    // No word slot at all: nothing to play, but the editor may open it and add words.
    const QString empty = write(crlf({"T", "!A", "#00W", "ONE"}));
    EXPECT_FALSE(readTheme(empty));
    ASSERT_TRUE(loadThemeForEditor(empty));
    EXPECT_EQ(loadThemeForEditor(empty)->words[1], "");
}

TEST_F(ThemeFileTest, OnlyTheEditorInsistsOnTheHash) {
    const QString path = write(crlf({"T", "!A", "X02W", "ONE", "TWO"}));
    EXPECT_FALSE(loadThemeForEditor(path));
    EXPECT_EQ(readTheme(path)->wordCount, 2);
    EXPECT_EQ(readThemeHeader(path)->countText, "02");
}

TEST_F(ThemeFileTest, WordsFillTheFirstEmptySlot) {
    // An empty word line leaves its slot empty for the next word; extra lines are ignored and
    // missing ones leave the last slots empty. Only the generator upper-cases.
    const QString words = write(crlf({"T", "!A", "#04W", "apple", "",
                                      "P\xE9"
                                      "che",
                                      "fig", "EXTRA", "MORE"}));
    const auto theme = readTheme(words);
    ASSERT_TRUE(theme);
    EXPECT_EQ(theme->words[1], "APPLE");
    EXPECT_EQ(theme->words[2], QStringLiteral("P\u00C9CHE"));
    EXPECT_EQ(theme->words[3], "FIG");
    EXPECT_EQ(theme->words[4], "EXTRA");
    const auto edited = loadThemeForEditor(words);
    EXPECT_EQ(edited->words[2], QStringLiteral("P\u00E9che"));
    EXPECT_EQ(edited->words[3], "fig");

    const QString pairs = write(crlf({"T", "!A", "#02WQ", "ONE", "q1", "", "lost", "TWO", "q2"}));
    const auto paired = readTheme(pairs);
    ASSERT_TRUE(paired);
    EXPECT_EQ(paired->words[2], "TWO");
    EXPECT_EQ(paired->wordLines[2], 8);
    EXPECT_EQ(paired->questions[2], "q2");
    // Fewer words than the count promises: the game could never be finished.
    ThemeProblem problem;
    EXPECT_FALSE(readTheme(write(crlf({"T", "!A", "#03WQ", "ONE", "q1", "TWO", "q2"})), &problem));
    EXPECT_EQ(problem.line, 8);
    EXPECT_EQ(problem.expected, "word 3 of 3");
    // The editor keeps each question with its word, as the generator does: an empty question
    // (saved for a row after the tenth) does not shift the later ones.
    const QString gaps = write(
        crlf({"T", "!A", "#03WQ", "ONE", "", "", "q-", "TWO", "q2", "SIX", "q3", "TEN", "q4"}));
    const auto boxes = loadThemeForEditor(gaps);
    ASSERT_TRUE(boxes);
    EXPECT_EQ(boxes->words[2], "TWO");
    EXPECT_EQ(boxes->questions[1], "");
    EXPECT_EQ(boxes->questions[2], "q2");
    EXPECT_EQ(boxes->questions[3], "q3");
    EXPECT_EQ(boxes->words[3], "SIX");
    EXPECT_EQ(parseThemeForEditor(contents(gaps))->questions[3], "q3");
}

TEST_F(ThemeFileTest, ThemeWithQuestionsEndingAfterAWordLine) {
    const QString cut = write(crlf({"T", "!A", "#03WQ", "ONE", "q1", "TWO"}));
    EXPECT_FALSE(readTheme(cut));
    EXPECT_FALSE(loadThemeForEditor(cut));
    EXPECT_TRUE(readThemeHeader(cut));

    // A dangling line after the last pair is never read by the generator, but the editor
    // reads pairs to the end of the file.
    const QString dangling = write(crlf({"T", "!A", "#01WQ", "ONE", "q1", "TWO"}));
    EXPECT_TRUE(readTheme(dangling));
    EXPECT_FALSE(loadThemeForEditor(dangling));
    const QString words = write(crlf({"T", "!A", "#01W", "ONE", "TWO"}));
    EXPECT_TRUE(loadThemeForEditor(words));
}

TEST_F(ThemeFileTest, ShortFilesAndAuthorLines) {
    for (const QByteArray& bytes : {QByteArray(), crlf({"T"}), crlf({"T", "!A"})}) {
        const QString path = write(bytes);
        EXPECT_FALSE(readThemeHeader(path));
        EXPECT_FALSE(readTheme(path));
        EXPECT_FALSE(loadThemeForEditor(path));
    }
    // The first character of the author line is dropped, whatever it is.
    EXPECT_EQ(readThemeHeader(write(crlf({"T", "XBob", "#01W", "ONE"})))->author, "Bob");
    // An empty author line fails the header reader only.
    const QString noAuthor = write(crlf({"T", "", "#01W", "ONE"}));
    EXPECT_FALSE(readThemeHeader(noAuthor));
    EXPECT_TRUE(readTheme(noAuthor));
    EXPECT_EQ(loadThemeForEditor(noAuthor)->author, "");
}

TEST_F(ThemeFileTest, EveryMixOfLineEndsReadsAlikeInEveryReader) {
    // CR LF as written, LF as Linux tools write it, lone CR, and all three mixed line by line.
    const QByteArray written = twelveWordTheme("#12WQ", true);
    QByteArray lf = written;
    lf.replace("\r\n", "\n");
    QByteArray cr = written;
    cr.replace("\r\n", "\r");
    QByteArray mixed;
    const char* const ends[] = {"\r\n", "\n", "\r"};
    int n = 0;
    for (const QByteArray& line : lf.split('\n')) {
        if (!line.isEmpty()) mixed += line + ends[n++ % 3];
    }
    for (const QByteArray& bytes : {lf, cr, mixed, lf.chopped(1)}) {
        SCOPED_TRACE(bytes.left(24).toStdString());
        expectFruitQuiz(write(bytes));
        EXPECT_EQ(parseThemeForEditor(bytes)->questions[12], "About QUINCE");
    }
    // LF CR is two line ends around an empty line, unlike CR LF.
    EXPECT_EQ(parseTheme("T\n!A\n#01WQ\nONE\n\rWHY")->questions[1], "");

    // A line whose CR is the last byte read ends there, whether or not its LF lies beyond.
    const QByteArray lines = "\r\n!A\r\n#01W\r";
    const QString atBound =
        write(QByteArray(kMaxThemeBytes - lines.size(), 'x') + lines + "\nZ\r\n");
    const auto read = readThemeHeader(atBound);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->title.size(), kMaxThemeBytes - lines.size());
    EXPECT_EQ(read->author, "A");
    ThemeProblem problem;
    EXPECT_FALSE(readTheme(atBound, &problem));
    EXPECT_EQ(problem.line, 4);
}

TEST_F(ThemeFileTest, TextIsWindows1252AndNulIsJustACharacter) {
    const QString path =
        write(QByteArray("Caf\xE9 \x80\0!\r\n!Zo\xEB\r\n#01W\r\nNA\xEFVE\r\n", 28));
    const auto header = readThemeHeader(path);
    EXPECT_EQ(header->title, QStringLiteral("Caf\u00E9 \u20AC") + QChar(0) + "!");
    EXPECT_EQ(header->author, QStringLiteral("Zo\u00EB"));
    EXPECT_EQ(readTheme(path)->words[1], QStringLiteral("NA\u00CFVE"));
}

TEST_F(ThemeFileTest, HostileFilesAreRejectedWithoutHarm) {
    const QString missing = dir.filePath("missing.qrw");
    const QString folder = dir.filePath("folder.qrw");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.qrw"));
    for (const QString& path : {missing, folder, QStringLiteral("/dev/zero"), QString()}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(readThemeHeader(path));
        EXPECT_FALSE(readTheme(path));
        EXPECT_FALSE(loadThemeForEditor(path));
    }

    // Random junk, with plenty of line ends and NULs in it, must simply be read somehow.
    QRandomGenerator random(1234);
    const char alphabet[] = {'\r', '\n', '\0', '#', 'W', 'Q', '1', '2', '0', 'a', '\x80', '\xFF'};
    for (int round = 0; round < 300; ++round) {
        QByteArray junk;
        const int length = random.bounded(200);
        for (int i = 0; i < length; ++i) {
            junk.append(random.bounded(2) ? alphabet[random.bounded(int(sizeof alphabet))]
                                          : char(random.bounded(256)));
        }
        const QString path = write(junk);
        (void)readThemeHeader(path);
        (void)loadThemeForEditor(path);
        if (const auto theme = readTheme(path)) {
            EXPECT_GE(theme->wordCount, 1);
            EXPECT_LE(theme->wordCount, 20);
        }
    }
}

TEST_F(ThemeFileTest, FiftyMegabyteFiles) {
    constexpr int kSize = 50 * 1024 * 1024;
    const QString path = dir.filePath("huge.qrw");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(kSize, 'A'));
    }
    EXPECT_FALSE(readThemeHeader(path));
    EXPECT_FALSE(readTheme(path));
    EXPECT_FALSE(loadThemeForEditor(path));

    // A valid theme followed by a million pairs of extra lines.
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(twelveWordTheme("#12WQ", true));
        const QByteArray chunk = QByteArray("EXTRA\r\nAbout extra words\r\n").repeated(40000);
        while (file.size() < kSize) file.write(chunk);
    }
    expectFruitQuiz(path);
    QFile::remove(path);
}

// However big the file, a reader reads no more than a theme could hold: a gigabyte with no line
// end, or a header followed by empty lines that never fill a word's slot.
TEST_F(ThemeFileTest, ReadersStopAtTheBound) {
    const QString huge = write({}, "huge.qrw");
    ASSERT_EQ(::truncate(QFile::encodeName(huge).constData(), 1LL << 30), 0);
    ThemeProblem problem;
    EXPECT_FALSE(readThemeHeader(huge, &problem));
    EXPECT_EQ(problem.line, 1);
    EXPECT_EQ(problem.found, "a longer file");
    EXPECT_FALSE(readTheme(huge));
    EXPECT_FALSE(loadThemeForEditor(huge));

    const QString gaps = write(crlf({"Fruit", "!Ann", "#12W"}) + QByteArray(1 << 20, '\n'));
    EXPECT_TRUE(readThemeHeader(gaps));
    EXPECT_FALSE(readTheme(gaps, &problem));
    EXPECT_EQ(problem.found, "a longer file");
    EXPECT_FALSE(loadThemeForEditor(gaps));

    // The writer makes nothing its readers would refuse.
    ThemeToWrite theme;
    theme.title = "Long";
    theme.words = {"ONE"};
    theme.withQuestions = true;
    theme.questions = {QString(kMaxThemeBytes, 'q')};
    EXPECT_FALSE(encodeTheme(theme));
    theme.questions = {QString(kMaxThemeBytes - 100, 'q')};
    ASSERT_TRUE(encodeTheme(theme));
    EXPECT_EQ(loadThemeForEditor(write(*encodeTheme(theme)))->questions[1].size(),
              kMaxThemeBytes - 100);
}

TEST_F(ThemeFileTest, WriterLayoutIsByteExact) {
    ThemeToWrite fruit;
    fruit.title = "Fruit";
    fruit.author = "Anonymous";
    fruit.words = {"APPLE", "BANANA", "CHERRY", "DATE",  "FIG",
                   "GRAPE", "LEMON",  "MANGO",  "OLIVE", "PEAR"};
    const QString path = dir.filePath("fruit.qrw");
    ASSERT_TRUE(writeTheme(path, fruit));
    EXPECT_EQ(contents(path), crlf({"Fruit", "!Anonymous", "#10W", "APPLE", "BANANA", "CHERRY",
                                    "DATE", "FIG", "GRAPE", "LEMON", "MANGO", "OLIVE", "PEAR"}));

    // Replacing a longer file leaves nothing of it behind; small counts keep two digits.
    ThemeToWrite quiz;
    quiz.title = QStringLiteral("Caf\u00E9 \u20AC \u65E5");
    quiz.author = "Me";
    quiz.withQuestions = true;
    quiz.words = {"fig", "Olive"};
    quiz.questions = {"A small fruit", ""};
    ASSERT_TRUE(writeTheme(path, quiz));
    EXPECT_EQ(contents(path),
              crlf({"Caf\xE9 \x80 ?", "!Me", "#02WQ", "fig", "A small fruit", "Olive", ""}));

    const auto edited = loadThemeForEditor(path);
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->words[2], "Olive");
    EXPECT_EQ(edited->questions[1], "A small fruit");
    EXPECT_EQ(readTheme(path)->words[1], "FIG");
}

TEST_F(ThemeFileTest, WriterRefusesWhatWouldBreakTheLayout) {
    const QString path = write("old");
    ThemeToWrite theme;
    theme.title = "T";
    theme.words = {"ONE"};

    ThemeToWrite broken = theme;
    broken.title = "Two\nlines";
    EXPECT_FALSE(writeTheme(path, broken));
    broken = theme;
    broken.withQuestions = true;
    broken.questions = {"Why\r?"};
    EXPECT_FALSE(writeTheme(path, broken));
    broken.questions = {};
    EXPECT_FALSE(writeTheme(path, broken));
    broken = theme;
    broken.words = std::vector<QString>(21, "WORD");
    EXPECT_FALSE(writeTheme(path, broken));
    EXPECT_EQ(contents(path), "old");

    // Its first three characters would read back as a byte-order mark and vanish.
    broken = theme;
    broken.title = QStringLiteral("\u00EF\u00BB\u00BFTitle");
    EXPECT_FALSE(writeTheme(path, broken));
    EXPECT_EQ(contents(path), "old");

    // Folders that are missing or are a file: nothing can be made there, even as root.
    EXPECT_FALSE(writeTheme(dir.filePath("no/such/folder.qrw"), theme));
    EXPECT_FALSE(writeTheme(path + "/new.qrw", theme));
    EXPECT_EQ(contents(path), "old");
}

TEST_F(ThemeFileTest, ByteOrderMarkIsSkippedFromFilesAndMemory) {
    const QByteArray marked = "\xEF\xBB\xBF" + twelveWordTheme("#12WQ", true);
    expectFruitQuiz(write(marked));
    EXPECT_EQ(parseThemeHeader(marked)->title, "Fruit");
    EXPECT_EQ(parseTheme(marked)->words[12], "QUINCE");
    EXPECT_EQ(parseThemeForEditor(marked)->questions[1], "About APPLE");

    // Only one mark, and only at the very start.
    EXPECT_EQ(parseThemeHeader("\xEF\xBB\xBF\xEF\xBB\xBFT\r\n!A\r\n#01W\r\n")->title,
              QStringLiteral("\u00EF\u00BB\u00BFT"));
    EXPECT_EQ(parseThemeHeader("T\r\n!\xEF\xBB\xBF\r\n#01W\r\n")->author,
              QStringLiteral("\u00EF\u00BB\u00BF"));
    EXPECT_FALSE(parseThemeHeader("\xEF\xBB\xBF"));
}

TEST_F(ThemeFileTest, FailedSaveLeavesTheOldFileIntact) {
    const QString path = write("old theme\r\n");
    ThemeToWrite theme;
    theme.title = QString(4096, 'x');
    theme.words = {"ONE"};

    bool written = true;
    {
        const FileSizeLimit full(16);
        written = writeTheme(path, theme);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(contents(path), "old theme\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"theme.qrw"});
}
