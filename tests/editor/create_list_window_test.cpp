#include "editor/create_list_window.h"
#include "core/theme_check.h"
#include "core/theme_file.h"
#include "editor_test_entries.h"
#include "platform/owned_window.h"
#include "platform/qt_dialogs.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

QColor backColour(const QLineEdit* box) {
    return box->palette().color(QPalette::Base);
}

void giveFocus(QLineEdit* box) {
    QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(box, &event);
}

void typeEntries(CreateListWindow& window, const EditorEntries& entries) {
    window.titleBox()->setText(entries.title);
    window.authorBox()->setText(entries.author);
    window.questionsCheck()->setChecked(entries.questionsOn);
    for (int i = 1; i <= EditorEntries::kBoxes; ++i) {
        window.wordBox(i)->setText(entries.words[i]);
        window.questionBox(i)->setText(entries.questions[i]);
    }
}

CreateListWindow* openEditorWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* editor = qobject_cast<CreateListWindow*>(widget); editor && editor->isVisible())
            return editor;
    return nullptr;
}

class CreateList : public ::testing::Test {
  protected:
    void SetUp() override { window->show(); }
    TestEnv env;
    std::unique_ptr<CreateListWindow> window = std::make_unique<CreateListWindow>(env.services);
};

}  // namespace

TEST_F(CreateList, CaptionsAndTabOrder) {
    EXPECT_EQ(window->windowTitle(), "Create Quarrow Puzzle");
    EXPECT_EQ(window->questionsCheck()->text(), "Add releated questions to QRW puzzle?");

    std::vector<QWidget*> expected;
    for (int i = 1; i <= 20; ++i) expected.push_back(window->wordBox(i));
    for (int i = 1; i <= 20; ++i) expected.push_back(window->questionBox(i));
    expected.push_back(window->titleBox());
    expected.push_back(window->authorBox());
    for (std::size_t i = 1; i < expected.size(); ++i)
        EXPECT_EQ(expected[i - 1]->nextInFocusChain(), expected[i]) << i;
}

TEST_F(CreateList, QuestionBoxesFollowTheCheckBoxAndTheFocusedRowIsMarked) {
    const QColor white(255, 255, 255), grey(155, 155, 155), marked(255, 125, 125);
    EXPECT_FALSE(window->questionBox(7)->isEnabled());
    EXPECT_EQ(backColour(window->questionBox(7)), grey);
    EXPECT_EQ(backColour(window->wordBox(7)), white);
    giveFocus(window->wordBox(3));  // questions off: no marking
    EXPECT_EQ(backColour(window->wordBox(3)), white);

    window->questionsCheck()->setChecked(true);
    EXPECT_TRUE(window->questionBox(7)->isEnabled());
    EXPECT_EQ(backColour(window->questionBox(7)), white);

    giveFocus(window->wordBox(3));
    EXPECT_EQ(backColour(window->wordBox(3)), marked);
    EXPECT_EQ(backColour(window->questionBox(3)), marked);
    giveFocus(window->questionBox(14));
    EXPECT_EQ(backColour(window->wordBox(3)), white);
    EXPECT_EQ(backColour(window->questionBox(3)), white);
    EXPECT_EQ(backColour(window->wordBox(14)), marked);
    EXPECT_EQ(backColour(window->questionBox(14)), marked);

    window->questionsCheck()->setChecked(false);
    EXPECT_EQ(backColour(window->wordBox(14)), white);
    EXPECT_EQ(backColour(window->questionBox(14)), grey);
    EXPECT_FALSE(window->questionBox(14)->isEnabled());
}

// The Cancel button and the close box: a window holding no word closes without a question.
TEST_F(CreateList, CancelAndCloseAskOnlyWhenAWordWasTyped) {
    window->titleBox()->setText("Only a title");
    window->questionsCheck()->setChecked(true);
    window->questionBox(3)->setText("A question");
    window->cancel();
    EXPECT_FALSE(window->isVisible());
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(env.dialogs.shown().empty());

    window->show();
    window->wordBox(17)->setText("late");
    env.dialogs.answerMessage(MsgAnswer::No);
    window->cancel();
    EXPECT_TRUE(window->isVisible());
    env.dialogs.answerMessage(MsgAnswer::No);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(env.dialogs.shown().size(), 2u);
    const auto& question = env.dialogs.last();
    EXPECT_EQ(question.text,
              "Any updates to this puzzle won't been saved, are you sure you want to quit?");
    EXPECT_EQ(question.title, "Cancel Create Puzzle");
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_EQ(question.icon, MsgIcon::Exclamation);
    env.dialogs.answerMessage(MsgAnswer::Yes);
    window->cancel();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CreateList, SavingClosesTheWindowAndTheFileReadsBack) {
    EditorEntries entries = validEntries(20, true);
    typeEntries(*window, entries);
    const QString path = env.services.dataFolder() + "/fruit";
    env.dialogs.answerFile(path);

    window->createPuzzleFile();

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->authorBox()->text(), "Anonymous");
    const auto theme = readTheme(path + ".Qrw");
    ASSERT_TRUE(theme);
    EXPECT_EQ(theme->wordCount, 20);
    EXPECT_TRUE(theme->hasQuestions);
    EXPECT_EQ(theme->words[2], "BANANA");
    EXPECT_EQ(theme->words[20], "KIWIFRUIT");
    EXPECT_EQ(theme->questions[20], "Question 20");
    const auto header = readThemeHeader(path + ".Qrw");
    ASSERT_TRUE(header);
    EXPECT_EQ(header->title, "Fruit");
    EXPECT_EQ(header->author, "Anonymous");
}

TEST_F(CreateList, FailedSaveKeepsTheWindowAndItsContents) {
    typeEntries(*window, validEntries(10));
    env.dialogs.answerFile(env.services.dataFolder() + "/missing/fruit.qrw");
    window->createPuzzleFile();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->wordBox(10)->text(), "pear");
    EXPECT_EQ(env.dialogs.last().text, "Error creating puzzle!");
}

// A list pasted into a word box, and a tab-separated file named on the command line, become
// themes the game can play.
TEST_F(CreateList, PastedListBecomesAPlayableTheme) {
    QGuiApplication::clipboard()->setText("apple");
    QTest::keyClick(window->wordBox(1), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->wordBox(1)->text(), "apple");  // one word is pasted as typed text

    QGuiApplication::clipboard()->setText(
        "badger\notter\nheron\nstoat\nvole\nweasel\nwren\nfinch\ntrout\nnewt\ntoad\nhare\n"
        "pigeon\nmoth\nbeetle\n");
    QTest::keyClick(window->wordBox(1), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->wordBox(15)->text(), "beetle");
    EXPECT_TRUE(env.dialogs.shown().empty());

    window->titleBox()->setText("Wildlife");
    const QString path = env.services.dataFolder() + "/wildlife.qrw";
    env.dialogs.answerFile(path);
    window->createPuzzleFile();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(findThemeProblem(path));
    EXPECT_EQ(readTheme(path).value().wordCount, 15);
}

TEST(CreateListLoader, TabSeparatedFileBecomesAPlayableTheme) {
    TestEnv env;
    QByteArray list;
    for (const char* city : {"Paris", "Rome", "Oslo", "Bern", "Madrid", "Lisbon", "Vienna",
                             "Berlin", "Dublin", "Prague", "Athens", "Warsaw"})
        list +=
            QByteArray(city) + "\tCapital city number " + QByteArray::number(list.size()) + "\r\n";
    env.writeFile("capitals.txt", list);

    openPuzzleEditorOn(env.services, env.programFolder() + "/capitals.txt");
    CreateListWindow* editor = openEditorWindow();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->titleBox()->text(), "capitals");
    EXPECT_TRUE(editor->questionsCheck()->isChecked());
    EXPECT_EQ(editor->wordBox(12)->text(), "Warsaw");

    const QString path = env.services.dataFolder() + "/capitals.qrw";
    env.dialogs.answerFile(path);
    editor->createPuzzleFile();
    EXPECT_FALSE(findThemeProblem(path));
    const auto theme = readTheme(path);
    ASSERT_TRUE(theme);
    EXPECT_TRUE(theme->hasQuestions);
    EXPECT_EQ(theme->wordCount, 12);
    delete editor;

    openPuzzleEditorOn(env.services, env.programFolder() + "/missing.txt");
    EXPECT_EQ(openEditorWindow(), nullptr);
    EXPECT_TRUE(env.dialogs.last().text.endsWith("missing.txt does not exist."));
    openPuzzleEditorOn(env.services, env.programFolder() + "/data");  // a folder
    EXPECT_EQ(openEditorWindow(), nullptr);
    EXPECT_TRUE(env.dialogs.last().text.endsWith("cannot be read as a word list."));
}

TEST(CreateListLoader, EditShowsTheThemeWithQuestionsTicked) {
    TestEnv env;
    env.writeFile("data/quiz.qrw",
                  "Quiz\r\n!Me\r\n#10WQ\r\none\r\nq1\r\ntwo\r\nq2\r\nthree\r\nq3\r\n");
    env.dialogs.answerFile(env.services.dataFolder() + "/quiz.qrw");

    openPuzzleEditor(env.services);

    CreateListWindow* editor = openEditorWindow();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(editor->titleBox()->text(), "Quiz");
    EXPECT_EQ(editor->authorBox()->text(), "Me");
    EXPECT_TRUE(editor->questionsCheck()->isChecked());
    EXPECT_TRUE(editor->questionBox(2)->isEnabled());
    EXPECT_EQ(editor->wordBox(3)->text(), "three");
    EXPECT_EQ(editor->questionBox(3)->text(), "q3");
    EXPECT_TRUE(editor->wordBox(4)->text().isEmpty());
    delete editor;

    env.dialogs.answerFile(QString());
    openPuzzleEditor(env.services);
    EXPECT_EQ(openEditorWindow(), nullptr);
    EXPECT_TRUE(env.dialogs.messages().empty());
}

TEST_F(CreateList, LoadedTextsAndBoxesThePlayerLeavesShowTheirStart) {
    EditorTheme theme;
    theme.title = QString(200, 'T') + "end";
    theme.wordCount = 10;
    theme.questionsOn = true;
    for (int i = 1; i <= 10; ++i) {
        theme.words[i] = "word";
        theme.questions[i] = "What is the capital of Germany? " + QString(100, 'x');
    }
    window->loadTheme(theme);
    EXPECT_EQ(window->questionBox(1)->cursorPosition(), 0);
    EXPECT_EQ(window->questionBox(10)->cursorPosition(), 0);
    EXPECT_EQ(window->titleBox()->cursorPosition(), 0);

    // Typed text: the cursor stays at its end while a message box has the focus, and goes to
    // the start when the player tabs on.
    for (QLineEdit* box : {window->questionBox(2), window->titleBox()}) {
        box->setText(QStringLiteral("Red or green fruit, and rather more than fits"));
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(box, &away);
        EXPECT_EQ(box->cursorPosition(), box->text().size());
        QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(box, &tab);
        EXPECT_EQ(box->cursorPosition(), 0);
    }
}

// With the real message boxes: every box the editor opens is its own child, so it opens over
// the editor and the editor is not sent behind the main window.
TEST(CreateListBoxes, BelongToTheEditor) {
    TestEnv env;
    QtDialogs dialogs;
    QWidget mainWindow;
    dialogs.setOwner(&mainWindow);
    Services services{env.state,
                      dialogs,
                      *env.settings,
                      env.sound,
                      env.shell,
                      env.programFolder(),
                      env.services.userThemeFolder,
                      env.services.savedGameFile};
    auto* editor = new CreateListWindow(services, &mainWindow);
    showOwnedWindow(editor);

    std::vector<QWidget*> parents;
    auto answerNextBox = [&](QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [&parents, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            parents.push_back(box->parentWidget());
            box->button(button)->click();
        });
    };
    answerNextBox(QMessageBox::Ok);
    editor->createPuzzleFile();  // no title
    editor->wordBox(1)->setText("apple");
    answerNextBox(QMessageBox::No);
    editor->cancel();

    EXPECT_EQ(parents, (std::vector<QWidget*>{editor, editor}));
    EXPECT_TRUE(editor->isVisible());
    delete editor;
}
