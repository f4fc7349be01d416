#include "core/generator.h"
#include "core/nested_words.h"
#include "core/random_source.h"
#include "core/theme_check.h"
#include "core/theme_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

// The theme files shipped in data/ must load everywhere the game reads them and be exactly what
// the editor would write, so editing and saving one changes nothing.

namespace {

QStringList shippedThemes() {
    const QDir data(QStringLiteral(QUARROW_SOURCE_DIR "/data"));
    QStringList paths;
    for (const QString& name : data.entryList({QStringLiteral("*.qrw")}, QDir::Files)) {
        paths << data.filePath(name);
    }
    return paths;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The word list shows each question in a fixed-width entry at a small font; anything longer is
// cut short with an ellipsis, so a longer clue would lose its meaning on screen.
constexpr int kLongestQuestion = 34;

bool isEditorWord(const QString& word) {
    if (word.size() < 3 || word.size() > 14) return false;
    for (const QChar c : word) {
        if (c < QLatin1Char('A') || c > QLatin1Char('Z')) return false;
    }
    return true;
}

}  // namespace

TEST(ShippedThemes, EachLoadsInEveryReaderAndFollowsTheEditorsRules) {
    const QStringList paths = shippedThemes();
    ASSERT_GE(paths.size(), 14);
    QTemporaryDir dir;

    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const auto header = readThemeHeader(path);
        const auto theme = readTheme(path);
        const auto edited = loadThemeForEditor(path);
        ASSERT_TRUE(header && theme && edited);
        EXPECT_FALSE(findThemeProblem(path));
        EXPECT_TRUE(edited->questionsOn) << "the Questions game needs a question for every word";

        EXPECT_FALSE(edited->title.trimmed().isEmpty());
        EXPECT_FALSE(edited->author.isEmpty());
        EXPECT_GE(edited->wordCount, 10);
        EXPECT_LE(edited->wordCount, 20);
        EXPECT_EQ(header->countText, QString::number(edited->wordCount));
        EXPECT_EQ(theme->wordCount, edited->wordCount);
        EXPECT_EQ(header->hasQuestions, edited->questionsOn);
        EXPECT_EQ(theme->hasQuestions, edited->questionsOn);

        QSet<QString> words;
        for (int i = 1; i <= edited->wordCount; ++i) {
            const QString& word = edited->words[i];
            EXPECT_TRUE(isEditorWord(word)) << word.toStdString();
            EXPECT_EQ(theme->words[i], word);
            words.insert(word);
            if (!edited->questionsOn) continue;
            const QString& question = edited->questions[i];
            EXPECT_FALSE(question.trimmed().isEmpty()) << word.toStdString();
            EXPECT_FALSE(question.contains(word, Qt::CaseInsensitive)) << question.toStdString();
            EXPECT_LE(question.size(), kLongestQuestion) << question.toStdString();
        }
        EXPECT_EQ(words.size(), edited->wordCount) << "a word appears twice";
        // A word readable inside another is found there by players, and not counted.
        const auto nested = firstWordInsideAnother(
            {edited->words.begin() + 1, edited->words.begin() + 1 + edited->wordCount});
        EXPECT_FALSE(nested) << edited->words[nested->inner + 1].toStdString() << " inside "
                             << edited->words[nested->outer + 1].toStdString();

        ThemeToWrite rewrite;
        rewrite.title = edited->title;
        rewrite.author = edited->author;
        rewrite.withQuestions = edited->questionsOn;
        rewrite.words.assign(edited->words.begin() + 1,
                             edited->words.begin() + 1 + edited->wordCount);
        rewrite.questions.assign(edited->questions.begin() + 1,
                                 edited->questions.begin() + 1 + edited->wordCount);
        const QString copy = dir.filePath(QStringLiteral("copy.qrw"));
        ASSERT_TRUE(writeTheme(copy, rewrite));
        EXPECT_EQ(fileBytes(copy), fileBytes(path)) << "not in the editor's exact layout";
    }
}

// Enough themes to come back to, and some for each end of the levels: short words an Easy game
// can be about, long ones that only Expert's directions make hard to spot.
TEST(ShippedThemes, OfferEveryKindOfGame) {
    QSet<QString> titles;
    int twentyWords = 0;
    int minimal = 0;
    int mostLongWords = 0;
    int shortWordThemes = 0;
    int longWordThemes = 0;
    const QStringList paths = shippedThemes();
    EXPECT_GE(paths.size(), 100);
    for (const QString& path : paths) {
        const auto theme = loadThemeForEditor(path);
        ASSERT_TRUE(theme) << path.toStdString();
        titles.insert(theme->title.toLower());
        twentyWords += theme->wordCount == 20;
        minimal += theme->wordCount == 10;
        int longWords = 0;
        int letters = 0;
        for (int i = 1; i <= theme->wordCount; ++i) {
            longWords += theme->words[i].size() == 14;
            letters += theme->words[i].size();
        }
        mostLongWords = std::max(mostLongWords, longWords);
        shortWordThemes += letters <= 5 * theme->wordCount;
        longWordThemes += letters >= 10 * theme->wordCount;
    }
    EXPECT_EQ(titles.size(), paths.size()) << "titles must be distinct";
    EXPECT_GE(twentyWords, 10) << "Time Challenge needs twenty-word themes";
    EXPECT_GE(minimal, 1);
    EXPECT_GE(mostLongWords, 3);
    EXPECT_GE(shortWordThemes, 5);
    EXPECT_GE(longWordThemes, 4);
}

namespace {

// Words of a list file, one a line, lower case; `#` starts a comment line.
QSet<QString> listedWords(const QString& path, bool commonOnly) {
    QSet<QString> words;
    for (const QByteArray& bytes : fileBytes(path).split('\n')) {
        const QString line = QString::fromUtf8(bytes).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        // The dictionaries list names capitalised; only their lower-case words are common words.
        if (commonOnly && line != line.toLower()) continue;
        words.insert(line.toLower());
    }
    return words;
}

// Answers No to the wait question and remembers that it was asked.
class WaitRefused : public GenerationProgress {
  public:
    void setProgressMaximum(int) override {}
    void setProgress(int) override {}
    int addFailedCycle() override { return ++shown; }
    bool askWait() override {
        asked = true;
        return false;
    }
    bool stopRequested() override { return false; }

    int shown = 1;
    bool asked = false;
};

}  // namespace

// A misspelt word is hidden and found all the same, so only a word list catches it. Names the
// dictionaries hold only capitalised, and the few compounds they lack, are listed by hand.
TEST(ShippedThemes, SpellEveryWordAsAWordListDoes) {
    QSet<QString> common;
    for (const char* list : {"american-english", "british-english"}) {
        const QSet<QString> words =
            listedWords(QStringLiteral("/usr/share/dict/") + QLatin1String(list), true);
        ASSERT_FALSE(words.isEmpty()) << "/usr/share/dict/" << list << " (wamerican, wbritish)";
        common.unite(words);
    }
    const QSet<QString> reviewed =
        listedWords(QStringLiteral(QUARROW_SOURCE_DIR "/tests/assets/reviewed-words.txt"), false);
    ASSERT_FALSE(reviewed.isEmpty());

    QSet<QString> used;
    for (const QString& path : shippedThemes()) {
        const auto theme = loadThemeForEditor(path);
        ASSERT_TRUE(theme) << path.toStdString();
        for (int i = 1; i <= theme->wordCount; ++i) {
            const QString word = theme->words[i].toLower();
            used.insert(word);
            EXPECT_TRUE(common.contains(word) || reviewed.contains(word))
                << word.toStdString() << " in " << path.toStdString();
        }
    }
    for (const QString& word : reviewed) {
        EXPECT_TRUE(used.contains(word)) << word.toStdString() << " is listed but not used";
        EXPECT_FALSE(common.contains(word)) << word.toStdString() << " is in the dictionaries";
    }
}

// Every theme is built at every level without keeping the player waiting: the random placement
// alone (no complete search, which is timed) succeeds before the wait question would be asked.
TEST(ShippedThemes, GenerateAtEveryLevelWithoutTheWaitQuestion) {
    for (const QString& path : shippedThemes()) {
        const auto words = wordsToHide(*readTheme(path));
        ASSERT_TRUE(words) << path.toStdString();
        for (const Level level : kLevels) {
            for (std::uint64_t seed = 1; seed <= 3; ++seed) {
                SCOPED_TRACE(path.toStdString() + " level " + std::to_string(levelNumber(level)) +
                             " seed " + std::to_string(seed));
                WaitRefused progress;
                SeededRandom random(seed);
                const GenerationResult result =
                    generatePuzzle(*words, level, progress, random, std::chrono::milliseconds(0));
                EXPECT_TRUE(result.puzzle);
                EXPECT_FALSE(progress.asked);
            }
        }
    }
}
