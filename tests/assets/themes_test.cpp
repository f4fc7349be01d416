#include "core/nested_words.h"
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

TEST(ShippedThemes, OfferEveryKindOfGame) {
    QSet<QString> titles;
    int twentyWords = 0;
    int withQuestions = 0;
    int minimal = 0;
    int mostLongWords = 0;
    const QStringList paths = shippedThemes();
    for (const QString& path : paths) {
        const auto theme = loadThemeForEditor(path);
        ASSERT_TRUE(theme) << path.toStdString();
        titles.insert(theme->title.toLower());
        twentyWords += theme->wordCount == 20;
        withQuestions += theme->questionsOn;
        minimal += theme->wordCount == 10;
        int longWords = 0;
        for (int i = 1; i <= theme->wordCount; ++i) longWords += theme->words[i].size() == 14;
        mostLongWords = std::max(mostLongWords, longWords);
    }
    EXPECT_EQ(titles.size(), paths.size()) << "titles must be distinct";
    EXPECT_GE(twentyWords, 4) << "Time Challenge needs twenty-word themes";
    EXPECT_GE(withQuestions, 4);
    EXPECT_GE(minimal, 1);
    EXPECT_GE(mostLongWords, 3);
}
