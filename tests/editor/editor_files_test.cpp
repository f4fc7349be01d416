#include "editor/editor_files.h"
#include "core/theme_file.h"
#include "editor_test_entries.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

using Kind = ScriptedDialogs::Shown::Kind;

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int countKind(const ScriptedDialogs& dialogs, Kind kind) {
    int n = 0;
    for (const auto& shown : dialogs.shown()) n += shown.kind == kind;
    return n;
}

class EditorFiles : public ::testing::Test {
  protected:
    QString dataPath(const QString& name) const { return env.services.dataFolder() + '/' + name; }
    TestEnv env;
};

}  // namespace

TEST_F(EditorFiles, WritesTheWordsWithAnonymousAuthor) {
    EditorEntries entries = validEntries(12);
    env.dialogs.answerFile(dataPath("fruit"));

    // The player's folder does not exist before the first save; the save dialog opens in it.
    ASSERT_FALSE(QDir(env.services.userThemeFolder).exists());
    EXPECT_EQ(editor::createPuzzleFile(env.services, entries), editor::SaveOutcome::Saved);

    EXPECT_EQ(env.state.editorWordCount, 12);
    EXPECT_EQ(entries.author, "Anonymous");
    EXPECT_EQ(readBytes(dataPath("fruit.Qrw")),
              "Fruit\r\n!Anonymous\r\n#12W\r\napple\r\nBanana\r\nCHERRY\r\ndate\r\nfig\r\n"
              "grape\r\nlemon\r\nmango\r\nolive\r\npear\r\nquince\r\nraisin\r\n");
    const auto& save = env.dialogs.shown().front();
    EXPECT_EQ(save.kind, Kind::SaveFile);
    EXPECT_EQ(save.initialDir, env.services.userThemeFolder);
    EXPECT_TRUE(QDir(env.services.userThemeFolder).exists());
    EXPECT_EQ(save.defaultSuffix, ".qrw");
    const auto& done = env.dialogs.last();
    EXPECT_EQ(done.text, "QRW puzzle successfully created!");
    EXPECT_EQ(done.title, "Creation Successful");
    EXPECT_EQ(done.icon, MsgIcon::Information);
    EXPECT_EQ(env.dialogs.unexpected(), 0);
}

TEST_F(EditorFiles, FailedCheckShowsItsMessageAndAsksForNoFile) {
    EditorEntries entries = validEntries(9);
    EXPECT_EQ(editor::createPuzzleFile(env.services, entries), editor::SaveOutcome::Rejected);
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    EXPECT_EQ(env.dialogs.last().text, "Please fill in atleast 10 word boxes before continuing!");
    EXPECT_TRUE(entries.author.isEmpty());
}

TEST_F(EditorFiles, AWordInsideAnotherIsWarnedAboutAndMayBeSavedAnyway) {
    EditorEntries entries = validEntries(12);
    entries.words[12] = QStringLiteral("Nomel");  // inside "lemon" read backwards
    env.dialogs.answerMessage(MsgAnswer::No);
    EXPECT_EQ(editor::createPuzzleFile(env.services, entries), editor::SaveOutcome::Rejected);
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    const auto& warning = env.dialogs.last();
    EXPECT_TRUE(
        warning.text.startsWith("The word \"Nomel\" can be read inside \"lemon\" "
                                "backwards."))
        << warning.text.toStdString();
    EXPECT_EQ(warning.buttons, MsgButtons::YesNo);

    env.dialogs.clear();
    env.dialogs.answerMessage(MsgAnswer::Yes);
    env.dialogs.answerFile(dataPath("fruit.qrw"));
    EXPECT_EQ(editor::createPuzzleFile(env.services, entries), editor::SaveOutcome::Saved);
    EXPECT_EQ(readTheme(dataPath("fruit.qrw"))->words[12], "NOMEL");
    EXPECT_EQ(env.dialogs.unexpected(), 0);
}

TEST_F(EditorFiles, DecliningToOverwriteReopensTheDialogAndCancelKeepsTheOldFile) {
    env.writeFile("data/fruit.qrw", "old contents");
    EditorEntries entries = validEntries(10);
    env.dialogs.answerFile(dataPath("fruit.qrw"));
    env.dialogs.answerMessage(MsgAnswer::No);
    env.dialogs.answerFile(QString());

    EXPECT_EQ(editor::createPuzzleFile(env.services, entries), editor::SaveOutcome::Cancelled);

    EXPECT_EQ(readBytes(dataPath("fruit.qrw")), "old contents");
    EXPECT_EQ(countKind(env.dialogs, Kind::SaveFile), 2);
    const auto messages = env.dialogs.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "File already exists! Do you want to overwrite this file?");
    EXPECT_EQ(messages[0].title, "Overwrite File?");
    EXPECT_EQ(messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(env.dialogs.unexpected(), 0);
}

TEST_F(EditorFiles, OverwriteQuestionLooksAtTheNameWithItsExtension) {
    env.writeFile("data/fruit.Qrw", "old contents");
    EditorEntries entries = validEntries(10);
    env.dialogs.answerFile(dataPath("fruit"));  // becomes fruit.Qrw
    env.dialogs.answerMessage(MsgAnswer::Yes);

    EXPECT_EQ(editor::createPuzzleFile(env.services, entries), editor::SaveOutcome::Saved);
    EXPECT_TRUE(readBytes(dataPath("fruit.Qrw")).startsWith("Fruit\r\n!Anonymous\r\n#10W\r\n"));
    EXPECT_EQ(env.dialogs.messages().front().title, "Overwrite File?");
}

TEST_F(EditorFiles, WriteFailureReportsAndLeavesWhatWasThere) {
    // A folder carrying the theme's name cannot be replaced by the file.
    QDir().mkpath(dataPath("clash.qrw"));
    env.writeFile("data/clash.qrw/inside.txt", "keep");
    EditorEntries entries = validEntries(10);
    env.dialogs.answerFile(dataPath("clash.qrw"));
    env.dialogs.answerMessage(MsgAnswer::Yes);

    EXPECT_EQ(editor::createPuzzleFile(env.services, entries), editor::SaveOutcome::Failed);

    EXPECT_EQ(readBytes(dataPath("clash.qrw/inside.txt")), "keep");
    const auto& report = env.dialogs.last();
    EXPECT_EQ(report.text, "Error creating puzzle!");
    EXPECT_EQ(report.title, "Error!");
    EXPECT_EQ(report.icon, MsgIcon::Critical);
}

TEST_F(EditorFiles, LoaderReportsInvalidFilesAndFillsTheCount) {
    EXPECT_FALSE(editor::pickPuzzleToEdit(env.services));  // dialog cancelled
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    EXPECT_EQ(env.dialogs.last().kind, Kind::OpenFile);
    EXPECT_EQ(env.dialogs.last().initialDir, env.services.dataFolder());
    EXPECT_EQ(env.dialogs.last().defaultSuffix, "Qrw");

    // Both folders are offered together; other files are browsed from the player's folder.
    env.writeFile("data/fruit.qrw", "shipped");
    env.writeFile("data/birds.qrw", "shipped");
    env.services.themeFolders().makeUserFolder();
    QFile own(env.services.userThemeFolder + "/fruit.qrw");
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.close();
    env.dialogs.clear();
    editor::pickPuzzleToEdit(env.services);
    EXPECT_EQ(env.dialogs.listedThemes(),
              QStringList({dataPath("birds.qrw"), env.services.userThemeFolder + "/fruit.qrw"}));
    EXPECT_EQ(env.dialogs.last().initialDir, env.services.userThemeFolder);

    env.dialogs.clear();
    env.writeFile("data/bad.qrw", "Title\r\n!Me\r\n12W\r\napple\r\n");
    env.dialogs.answerFile(dataPath("bad.qrw"));
    EXPECT_FALSE(editor::pickPuzzleToEdit(env.services));
    EXPECT_EQ(env.dialogs.last().text, "Not a valid Quarrow file!");
    EXPECT_EQ(env.dialogs.last().title, "Error");
    EXPECT_EQ(env.dialogs.last().icon, MsgIcon::Critical);

    // A file that is not there is named as missing.
    env.dialogs.clear();
    EXPECT_FALSE(editor::loadPuzzleToEdit(env.services, dataPath("missing.qrw")));
    EXPECT_EQ(env.dialogs.last().text, "The file " + dataPath("missing.qrw") + " does not exist.");
    EXPECT_EQ(env.dialogs.last().title, "Error");

    env.dialogs.clear();
    env.writeFile("data/good.qrw", "Title\r\n!Me\r\n#11WQ\r\n");
    env.dialogs.answerFile(dataPath("good.qrw"));
    const auto theme = editor::pickPuzzleToEdit(env.services);
    ASSERT_TRUE(theme);
    EXPECT_TRUE(theme->questionsOn);
    EXPECT_EQ(env.state.editorWordCount, 11);
    EXPECT_TRUE(env.dialogs.messages().empty());
}
