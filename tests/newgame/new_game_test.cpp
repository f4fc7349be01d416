#include "core/game_state.h"
#include "newgame/new_game_form.h"
#include "newgame/new_puzzle_dialog.h"
#include "support/test_env.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

// A theme with questions gets one after each word.
QByteArray theme(const QString& title, const QString& header, int words) {
    QByteArray bytes = title.toLatin1() + "\r\n!Tester\r\n" + header.toLatin1() + "\r\n";
    for (int i = 0; i < words; ++i) {
        bytes += "WORD" + QByteArray(1, char('A' + i)) + "\r\n";
        if (header.endsWith('Q')) bytes += "Which word?\r\n";
    }
    return bytes;
}

using Shown = ScriptedDialogs::Shown;

// Counts the emissions of a signal.
template <typename Signal>
std::shared_ptr<int> countEmissions(NewPuzzleDialog* dialog, Signal signal) {
    auto count = std::make_shared<int>(0);
    QObject::connect(dialog, signal, [count] { ++*count; });
    return count;
}

void expectMessage(const Shown& box, const QString& text, const QString& title, MsgIcon icon) {
    EXPECT_EQ(box.kind, Shown::Kind::Message);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.icon, icon);
}

class NewGameTest : public ::testing::Test {
  protected:
    void SetUp() override { applyMainWindowLoadDefaults(env.state); }
    // Themes: a twenty-word one with questions, a ten-word one without, a twenty-word one without.
    void writeStandardThemes() {
        env.writeFile("data/b_animals.QRW", theme("Animals", "#20WQ", 20));
        env.writeFile("data/a_fruit.qrw", theme("Fruit", "#10W", 10));
        env.writeFile("data/C_cities.Qrw", theme("Cities", "#20W", 20));
    }
    int indexOf(const NewGameForm& form, const QString& file) {
        return form.themeFiles().indexOf(file);
    }
    TestEnv env;
};

TEST_F(NewGameTest, ListsThemesOfAnyCaseSortedAndShowsTheFirst) {
    writeStandardThemes();
    env.writeFile("data/notes.txt", "not a theme");
    env.writeFile("data/old.qrw.bak", "not a theme");
    NewPuzzleDialog dialog(env.services);

    EXPECT_EQ(dialog.windowTitle(), "Quarrow : New Game");
    EXPECT_EQ(dialog.findChild<QGroupBox*>("Frame1")->title(), "WordSearch Themes (3)");
    auto* list = dialog.findChild<QListWidget*>("puzzles");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "a_fruit.qrw");
    EXPECT_EQ(list->item(1)->text(), "b_animals.QRW");
    EXPECT_EQ(list->item(2)->text(), "C_cities.Qrw");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(dialog.findChild<QLabel*>("game_title")->text(), "Fruit");
    EXPECT_EQ(dialog.findChild<QLabel*>("words_vol")->text(), "10");
    EXPECT_EQ(env.state.puzzleAuthor, "Tester");
    EXPECT_FALSE(dialog.findChild<QRadioButton*>("show2")->isEnabled());
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("show1")->isChecked());
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("Option1")->isChecked());
    EXPECT_TRUE(env.dialogs.shown().empty());
}

TEST_F(NewGameTest, QuestionFlagDrivesShowQuestions) {
    writeStandardThemes();
    NewGameForm form(env.services);
    form.load();
    form.pickTheme(indexOf(form, "b_animals.QRW"));  // questions: enabled, not selected
    EXPECT_TRUE(form.showEnabled(ShowMode::Questions));
    EXPECT_EQ(form.showOption(), ShowMode::Words);

    form.clickShow(ShowMode::Questions);
    form.pickTheme(indexOf(form, "a_fruit.qrw"));  // no questions: disabled and deselected
    EXPECT_FALSE(form.showEnabled(ShowMode::Questions));
    EXPECT_EQ(form.showOption(), ShowMode::Words);

    form.clickShow(ShowMode::Blanks);
    form.pickTheme(indexOf(form, "b_animals.QRW"));
    EXPECT_TRUE(form.showEnabled(ShowMode::Questions));
    EXPECT_EQ(form.showOption(), ShowMode::Blanks);
}

TEST_F(NewGameTest, TimeChallengeWithTwentyWordsForcesExpertAndWords) {
    writeStandardThemes();
    NewGameForm form(env.services);
    form.load();
    form.pickTheme(indexOf(form, "C_cities.Qrw"));
    form.clickShow(ShowMode::Blanks);
    form.clickTimeChallenge();

    EXPECT_EQ(form.gameType(), NewGameForm::GameType::TimeChallenge);
    EXPECT_EQ(form.levelOption(), Level::Expert);
    EXPECT_EQ(form.frontPicture(), Level::Expert);
    EXPECT_EQ(env.state.level, Level::Expert);
    EXPECT_EQ(form.showOption(), ShowMode::Words);
    for (Level level : {Level::Easy, Level::Medium, Level::Hard})
        EXPECT_FALSE(form.levelEnabled(level));
    EXPECT_TRUE(form.levelEnabled(Level::Expert));
    EXPECT_FALSE(form.showEnabled(ShowMode::Questions));
    EXPECT_FALSE(form.showEnabled(ShowMode::Blanks));
    EXPECT_TRUE(env.dialogs.shown().empty());

    // Standard Game enables everything again but Show Questions, which this theme cannot fill.
    form.clickStandardGame();
    EXPECT_EQ(form.gameType(), NewGameForm::GameType::Standard);
    for (const Level level : kLevels) EXPECT_TRUE(form.levelEnabled(level));
    EXPECT_FALSE(form.showEnabled(ShowMode::Questions));
    EXPECT_TRUE(form.showEnabled(ShowMode::Blanks));
    EXPECT_EQ(env.state.level, Level::Expert);

    // A theme with questions gets them back.
    form.pickTheme(indexOf(form, "b_animals.QRW"));
    form.clickTimeChallenge();
    EXPECT_FALSE(form.showEnabled(ShowMode::Questions));
    form.clickStandardGame();
    EXPECT_TRUE(form.showEnabled(ShowMode::Questions));

    form.clickTimeChallenge();
    ASSERT_TRUE(form.startGame());
    EXPECT_TRUE(env.state.speedChallenge);
    EXPECT_EQ(env.state.showMode, ShowMode::Words);
    EXPECT_EQ(env.state.level, Level::Expert);
}

TEST_F(NewGameTest, TimeChallengeRefusedUnlessCountIsExactlyTwenty) {
    env.writeFile("data/a.qrw", theme("Short", "#19W", 19));
    env.writeFile("data/b.qrw", theme("Padded", "#020W", 20));
    NewGameForm form(env.services);
    form.load();
    for (int index : {0, 1}) {
        form.pickTheme(index);
        env.dialogs.clear();
        form.clickTimeChallenge();
        ASSERT_EQ(env.dialogs.shown().size(), 1u);
        expectMessage(env.dialogs.last(),
                      "Select a puzzle with 20 words before choosing this option!",
                      "Time Challenge", MsgIcon::Information);
        EXPECT_EQ(form.gameType(), NewGameForm::GameType::Standard);
        EXPECT_EQ(env.state.level, Level::Medium);
    }
}

TEST_F(NewGameTest, PickingAShortThemeDuringTimeChallengeReturnsToStandard) {
    writeStandardThemes();
    NewGameForm form(env.services);
    form.load();
    form.pickTheme(indexOf(form, "b_animals.QRW"));
    form.clickTimeChallenge();

    // Another twenty-word theme keeps the challenge; Show Questions stays off despite the flag.
    form.pickTheme(indexOf(form, "b_animals.QRW"));
    EXPECT_FALSE(form.showEnabled(ShowMode::Questions));
    EXPECT_EQ(form.gameType(), NewGameForm::GameType::TimeChallenge);
    EXPECT_TRUE(env.dialogs.shown().empty());

    form.pickTheme(indexOf(form, "a_fruit.qrw"));
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    expectMessage(env.dialogs.last(),
                  "Please selct a puzzle with at least 20 words then reselect Time Challenge.",
                  "Time Challenge", MsgIcon::Information);
    EXPECT_EQ(form.gameType(), NewGameForm::GameType::Standard);
    EXPECT_TRUE(form.levelEnabled(Level::Easy));
    EXPECT_EQ(form.wordCountText(), "10");
}

TEST_F(NewGameTest, BadThemeReportsAndAGoodOneWorksAfterwards) {
    env.writeFile("data/a_good.qrw", theme("Good", "#12WQ", 12));
    env.writeFile("data/b_bad.qrw", "Only a title\r\n");
    env.writeFile("data/c_noauthor.qrw", "Title\r\n\r\n#10W\r\n");
    NewGameForm form(env.services);
    form.load();
    for (int bad : {1, 2}) {
        env.dialogs.clear();
        form.pickTheme(bad);
        ASSERT_EQ(env.dialogs.shown().size(), 1u);
        expectMessage(env.dialogs.last(),
                      "There is a problem with the selected puzzle! Could not retrieve settings.",
                      "Error", MsgIcon::Critical);
        EXPECT_EQ(form.gameTitle(), "Good");  // the controls keep what they showed

        // The note says where the file goes wrong; starting from it is refused.
        EXPECT_TRUE(form.themeNote().startsWith("Line 2 of ")) << form.themeNote().toStdString();
        env.dialogs.clear();
        EXPECT_FALSE(form.startGame());
        expectMessage(env.dialogs.last(),
                      "The selected puzzle cannot be played.\n\n" + form.themeNote(), "Error",
                      MsgIcon::Critical);
    }

    env.dialogs.clear();
    form.pickTheme(0);
    EXPECT_TRUE(env.dialogs.shown().empty());
    EXPECT_EQ(form.themeNote(), "");
    EXPECT_EQ(form.wordCountText(), "12");
    EXPECT_TRUE(form.startGame());
    EXPECT_EQ(env.state.puzzleFile, "data\\a_good.qrw");
}

TEST_F(NewGameTest, WholeThemeIsCheckedWhenPickedAndStartNamesTheFault) {
    // The header reads well in all three; the rest of the file does not.
    env.writeFile("data/a_short.qrw", theme("Short", "#12W", 10));
    env.writeFile("data/b_blank.qrw", theme("Blank", "#10W", 9) + "ICE CREAM\r\n");
    env.writeFile("data/c_dino.qrw",
                  QByteArray(theme("Dinosaurs", "#10W", 9) + "T-REX\n").replace("\r\n", "\n"));
    NewPuzzleDialog dialog(env.services);
    dialog.show();
    auto* note = dialog.findChild<QLabel*>("theme_note");
    const QString path = env.services.dataFolder() + "/a_short.qrw";
    EXPECT_EQ(note->text(),
              "Line 14 of " + path + ": expected word 11 of 12, found the end of the file.");
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(dialog.findChild<QLabel*>("words_vol")->text(), "12");
    EXPECT_TRUE(env.dialogs.shown().empty());

    auto started = countEmissions(&dialog, &NewPuzzleDialog::startGameRequested);
    dialog.findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(*started, 0);
    expectMessage(env.dialogs.last(), "The selected puzzle cannot be played.\n\n" + note->text(),
                  "Error", MsgIcon::Critical);

    dialog.findChild<QListWidget*>("puzzles")->setCurrentRow(1);
    EXPECT_TRUE(note->text().contains("found \"ICE CREAM\"")) << note->text().toStdString();

    // A hyphen shows in a cell and can be clicked like a letter; Linux line ends read as well.
    dialog.findChild<QListWidget*>("puzzles")->setCurrentRow(2);
    EXPECT_FALSE(note->isVisible());
    EXPECT_EQ(dialog.findChild<QLabel*>("game_title")->text(), "Dinosaurs");
    dialog.findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(*started, 1);
}

TEST_F(NewGameTest, EmptyDataFolderOpensQuietlyAndRefusesToStart) {
    NewPuzzleDialog dialog(env.services);
    EXPECT_EQ(dialog.findChild<QGroupBox*>("Frame1")->title(), "WordSearch Themes (0)");
    EXPECT_TRUE(env.dialogs.shown().empty());

    auto started = countEmissions(&dialog, &NewPuzzleDialog::startGameRequested);
    dialog.findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(*started, 0);
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    expectMessage(env.dialogs.last(),
                  "Please select a puzzle from the list before starting a game.", "New Game",
                  MsgIcon::Information);
}

TEST_F(NewGameTest, StartGameRecordsTheChoicesAndCloses) {
    writeStandardThemes();
    env.state.soundOn = true;
    NewPuzzleDialog window(env.services);
    NewPuzzleDialog* dialog = &window;
    dialog->show();
    auto started = countEmissions(dialog, &NewPuzzleDialog::startGameRequested);
    auto cancelled = countEmissions(dialog, &NewPuzzleDialog::cancelled);

    dialog->findChild<QListWidget*>("puzzles")->setCurrentRow(1);  // Animals, with questions
    dialog->findChild<QRadioButton*>("show2")->click();
    dialog->findChild<QRadioButton*>("hard_opt")->click();
    env.media.clear();
    dialog->findChild<QPushButton*>("Command1")->click();

    EXPECT_EQ(*started, 1);
    EXPECT_EQ(*cancelled, 0);
    EXPECT_EQ(env.state.showMode, ShowMode::Questions);
    EXPECT_FALSE(env.state.speedChallenge);
    EXPECT_EQ(env.state.level, Level::Hard);
    EXPECT_EQ(env.state.puzzleFile, "data\\b_animals.QRW");
    EXPECT_EQ(env.state.puzzleTitle, "Animals");
    EXPECT_EQ(env.state.puzzleAuthor, "Tester");
    EXPECT_EQ(env.services.themeFolders().resolve(env.state.puzzleFile),
              env.services.dataFolder() + "/b_animals.QRW");
    EXPECT_EQ(env.media.log(), QStringList({"Stop", "Close"}));
    EXPECT_EQ(env.state.loopSound, 0);
    EXPECT_TRUE(env.dialogs.shown().empty());
}

TEST_F(NewGameTest, EnterStartsTheGameAndEscapeCancels) {
    writeStandardThemes();
    {
        NewPuzzleDialog dialog(env.services);
        dialog.show();
        auto started = countEmissions(&dialog, &NewPuzzleDialog::startGameRequested);
        // Pressed in the theme list, which passes Enter on to the dialog.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(dialog.findChild<QListWidget*>("puzzles"), &enter);
        EXPECT_EQ(*started, 1);
        EXPECT_FALSE(dialog.isVisible());
    }
    NewPuzzleDialog dialog(env.services);
    dialog.show();
    auto started = countEmissions(&dialog, &NewPuzzleDialog::startGameRequested);
    auto cancelled = countEmissions(&dialog, &NewPuzzleDialog::cancelled);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    EXPECT_EQ(*cancelled, 1);
    EXPECT_EQ(*started, 0);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(NewGameTest, OpensOnTheCurrentLevelAndCancelKeepsTheClickedOne) {
    writeStandardThemes();
    env.state.level = Level::Hard;
    NewPuzzleDialog window(env.services);
    NewPuzzleDialog* dialog = &window;
    EXPECT_TRUE(dialog->findChild<QRadioButton*>("hard_opt")->isChecked());
    EXPECT_EQ(dialog->form().frontPicture(), Level::Hard);
    // The chosen level's picture is the top one of the stack.
    QWidget* stack = dialog->findChild<QLabel*>("hard_pic")->parentWidget();
    EXPECT_EQ(stack->children().last()->objectName(), "hard_pic");

    auto cancelled = countEmissions(dialog, &NewPuzzleDialog::cancelled);
    dialog->findChild<QRadioButton*>("easy_opt")->click();
    EXPECT_EQ(stack->children().last()->objectName(), "easy_pic");
    EXPECT_EQ(env.state.level, Level::Easy);
    dialog->findChild<QPushButton*>("Command2")->click();
    EXPECT_EQ(*cancelled, 1);
    EXPECT_EQ(env.state.level, Level::Easy);
}

TEST_F(NewGameTest, HelpTextIsExact) {
    NewPuzzleDialog dialog(env.services);
    dialog.findChild<QPushButton*>("Command3")->click();
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    const QString cr(QChar(13));
    expectMessage(env.dialogs.last(),
                  "Each \"Show\" option allows you to play the game differently." + cr + cr +
                      "Show Words - Displays a list of words to find in the puzzle" + cr +
                      "Show Questions - If the Puzzle has related questions, these are displayed "
                      "in the place of the actual words" +
                      cr + "Show Nothing - Neither words or questions are displayed" + cr,
                  "Help", MsgIcon::Information);
}

TEST_F(NewGameTest, TuneLoopsWhileOpenOnlyWithSoundOn) {
    env.state.soundOn = true;
    {
        NewPuzzleDialog dialog(env.services);
        EXPECT_EQ(
            env.media.log(),
            QStringList({"Stop", "Close", "file:" + env.sfxFile("sf0001.wav"), "Open", "Play"}));
        EXPECT_EQ(env.state.loopSound, 1);
        env.media.clear();
        env.media.finish();  // the tune ended: it starts over
        EXPECT_EQ(env.media.log(), QStringList({"Close", "Open", "Play"}));
        env.media.clear();
        dialog.close();
        EXPECT_EQ(env.media.log(), QStringList({"Stop", "Close"}));
        EXPECT_EQ(env.state.loopSound, 0);
    }

    env.state.soundOn = false;
    env.media.clear();
    NewPuzzleDialog silent(env.services);
    EXPECT_TRUE(env.media.log().isEmpty());
    silent.close();
    EXPECT_EQ(env.media.log(), QStringList({"Stop", "Close"}));  // stopping is always sent
}

TEST(NewGameRules, LeadingNumberReadsLikeVal) {
    EXPECT_EQ(leadingNumber("20"), 20);
    EXPECT_EQ(leadingNumber("9W"), 9);
    EXPECT_EQ(leadingNumber(" 7"), 7);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("x1"), 0);
}

}  // namespace

TEST_F(NewGameTest, PlayersOwnThemesAreListedWithTheShippedOnesAndWinByName) {
    writeStandardThemes();
    const QString own = env.services.userThemeFolder;
    QDir().mkpath(own);
    QFile mine(own + "/a_fruit.qrw");
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write(theme("My Fruit", "#10W", 10));
    mine.close();

    NewGameForm form(env.services);
    form.load();
    EXPECT_EQ(form.themeFiles(), QStringList({"a_fruit.qrw", "b_animals.QRW", "C_cities.Qrw"}));
    EXPECT_EQ(form.frameCaption(), "WordSearch Themes (3)");
    EXPECT_EQ(form.gameTitle(), "My Fruit");
    // The player is told which file is read in place of the shipped one, also when it is broken.
    EXPECT_TRUE(form.themeNote().contains("Your own copy is used: " + own + "/a_fruit.qrw"));
    form.pickTheme(1);
    EXPECT_EQ(form.themeNote(), "");
    form.pickTheme(0);
    ASSERT_TRUE(form.startGame());
    EXPECT_EQ(env.state.puzzleFile, "data\\a_fruit.qrw");
    EXPECT_EQ(env.services.themeFolders().resolve(env.state.puzzleFile), own + "/a_fruit.qrw");

    mine.open(QIODevice::WriteOnly);
    mine.write(theme("My Fruit", "#ABW", 10));
    mine.close();
    form.pickTheme(0);
    EXPECT_TRUE(form.themeNote().startsWith("Line 3 of " + own + "/a_fruit.qrw"));
    EXPECT_TRUE(form.themeNote().contains("Your own copy is used"));
}

TEST(NewGameRules, FindMatchesEveryTypedWordInTheFileName) {
    EXPECT_TRUE(themeNameMatches("World_Capitals.qrw", ""));
    EXPECT_TRUE(themeNameMatches("World_Capitals.qrw", " capitals  WORLD "));
    EXPECT_FALSE(themeNameMatches("World_Capitals.qrw", "world rivers"));
}

// Typing in the list narrows it to the matching themes and picks the first of them; the list's
// items and captions are those of the folder again once the find box is cleared.
TEST_F(NewGameTest, TypingInTheListFindsATheme) {
    writeStandardThemes();
    env.writeFile("data/nimbus.qrw", theme("Clouds", "#10W", 10));
    NewPuzzleDialog dialog(env.services);
    dialog.show();
    auto* list = dialog.findChild<QListWidget*>("puzzles");
    auto* find = dialog.findChild<QLineEdit*>("theme_find");
    QTest::keyClicks(list, "ci");
    EXPECT_EQ(find->text(), "ci");
    EXPECT_TRUE(list->isRowHidden(0));
    EXPECT_TRUE(list->isRowHidden(1));
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(dialog.findChild<QLabel*>("game_title")->text(), "Cities");

    QTest::keyClicks(find, "z");  // nothing matches: the theme stays picked
    EXPECT_TRUE(list->isRowHidden(2));
    EXPECT_EQ(dialog.form().selectedTheme(), 2);

    find->clear();
    for (int row = 0; row < 4; ++row) EXPECT_FALSE(list->isRowHidden(row));
    EXPECT_EQ(list->currentRow(), 2);

    // A name that starts with what was typed goes before one that only holds it.
    find->setText("ni");
    EXPECT_FALSE(list->isRowHidden(1));
    EXPECT_EQ(dialog.form().themeFiles()[list->currentRow()], "nimbus.qrw");
    EXPECT_EQ(dialog.findChild<QGroupBox*>("Frame1")->title(), "WordSearch Themes (4)");
    EXPECT_TRUE(env.dialogs.shown().empty());
}
