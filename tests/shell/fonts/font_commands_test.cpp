#include "shell/fonts/font_commands.h"
#include "board/board_window.h"
#include "core/game_state.h"
#include "platform/progress/creating_puzzle_window.h"
#include "shell/fonts/board_fonts.h"
#include "shell/fonts/font_progress.h"
#include "shell/fonts/font_progress_window.h"
#include "support/recording_settings.h"
#include "support/test_env.h"

#include <QApplication>
#include <QSet>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Records what the progress window would show.
struct ProgressLog {
    QString label;
    int maximum = -1;
    int begins = 0;
    int ends = 0;
    std::vector<int> steps;
};

class RecordingProgress : public FontProgress {
  public:
    explicit RecordingProgress(ProgressLog& log) : log_(log) {}
    void begin(const QString& label, int maximum) override {
        log_.label = label;
        log_.maximum = maximum;
        ++log_.begins;
    }
    void step(int value) override { log_.steps.push_back(value); }
    void end() override { ++log_.ends; }

  private:
    ProgressLog& log_;
};

class FontCommandsTest : public ::testing::Test {
  protected:
    FontCommands commandsWithLog() {
        return FontCommands(services, board, std::make_unique<RecordingProgress>(progress));
    }
    // Every write made, in no particular order.
    QSet<QString> written() const {
        return QSet<QString>(store.writes().begin(), store.writes().end());
    }

    TestEnv env;
    RecordingSettings store;
    Services services = env.withStore(store);
    BoardWindow board{env.state};
    ProgressLog progress;
};

TEST_F(FontCommandsTest, CancelledGridDialogStillUpdatesAndStoresTheUnchangedFont) {
    applyFontToAll(board, FontTarget::Grid, designedCellFont(), FontParts::NameSizeStyle);
    QFont underlined = board.model().cells[1].font;
    underlined.setUnderline(true);
    board.setCellFont(1, underlined);  // element 1 stands for the grid

    commandsWithLog().chooseGridFont();  // no answer queued: the player cancels

    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    EXPECT_EQ(env.dialogs.last().kind, ScriptedDialogs::Shown::Kind::Font);
    EXPECT_EQ(env.dialogs.last().font, underlined);
    EXPECT_EQ(progress.label, "Updating fonts");
    EXPECT_EQ(progress.maximum, 360);
    ASSERT_EQ(progress.steps.size(), 360u);
    EXPECT_EQ(progress.steps.front(), 1);
    EXPECT_EQ(progress.steps.back(), 360);
    EXPECT_EQ(progress.ends, 1);
    EXPECT_TRUE(board.model().cells[360].font.underline());  // element 1's font went everywhere

    EXPECT_EQ(written(), QSet<QString>({"Settings/G_FNAME=MS Sans Serif", "Settings/G_FSIZE=13.5",
                                        "Settings/G_FBOLD=False", "Settings/G_FITALIC=False"}));
}

TEST_F(FontCommandsTest, ChosenWordFontGoesToEveryEntry) {
    QFont chosen(QStringLiteral("No Such Family Here"));
    chosen.setPointSizeF(10.5);
    chosen.setBold(true);
    chosen.setItalic(true);
    chosen.setUnderline(true);
    env.dialogs.answerFont({chosen, true});
    const QFont gridBefore = board.model().cells[1].font;

    commandsWithLog().chooseWordFont();

    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    EXPECT_FALSE(env.dialogs.last().font.strikeOut());  // the dialog offers no strikeout
    EXPECT_EQ(progress.maximum, 20);
    EXPECT_EQ(progress.steps.size(), 20u);
    for (int i = 1; i <= 20; ++i) {
        const QFont& font = board.model().entries[i].font;
        EXPECT_EQ(font.family(), "No Such Family Here");
        EXPECT_EQ(font.pointSizeF(), 10.5);
        EXPECT_TRUE(font.bold() && font.italic() && font.underline());
    }
    EXPECT_EQ(board.model().cells[1].font, gridBefore);
    // The requested family is stored, whatever the machine substitutes for it.
    EXPECT_EQ(written(),
              QSet<QString>({"Settings/W_FNAME=No Such Family Here", "Settings/W_FSIZE=10.5",
                             "Settings/W_FBOLD=True", "Settings/W_FITALIC=True"}));
}

TEST_F(FontCommandsTest, ResetToDefaultStoresPlainFontsAndSoundForTheNextStart) {
    QFont fancy(QStringLiteral("Courier"));
    fancy.setPointSizeF(20);
    fancy.setBold(true);
    fancy.setItalic(true);
    fancy.setUnderline(true);
    applyFontToAll(board, FontTarget::Grid, fancy, FontParts::NameSizeStyleUnderline);
    applyFontToAll(board, FontTarget::Words, fancy, FontParts::NameSizeStyleUnderline);
    env.state.soundOn = false;

    commandsWithLog().resetToDefault();

    EXPECT_EQ(written(), QSet<QString>({"Settings/G_FNAME=MS Sans Serif", "Settings/G_FSIZE=14",
                                        "Settings/G_FBOLD=False", "Settings/G_FITALIC=False",
                                        "Settings/W_FNAME=MS Sans Serif", "Settings/W_FSIZE=8",
                                        "Settings/W_FBOLD=False", "Settings/W_FITALIC=False",
                                        "Settings/SOUND=True"}));
    EXPECT_FALSE(env.state.soundOn);
    const QFont& cell = board.model().cells[200].font;
    EXPECT_EQ(cell.family(), "MS Sans Serif");
    EXPECT_FALSE(cell.bold() || cell.italic());
    EXPECT_TRUE(cell.underline());  // the reset leaves underline alone
    EXPECT_EQ(board.model().entries[20].font.pointSizeF(), 8);
    EXPECT_EQ(progress.begins, 0);
}

TEST_F(FontCommandsTest, ProgressWindowComesAndGoes) {
    FontCommands commands(services, board);
    commands.chooseGridFont();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
    EXPECT_EQ(store.writes().size(), 4);
}

TEST_F(FontCommandsTest, ProgressWindowIsCaptionedAndOwnedByTheMainWindow) {
    QWidget mainWindow;
    board.setParent(&mainWindow);
    FontProgressWindow progress(&board);
    progress.begin(QStringLiteral("Updating fonts"), 5);
    auto* shown = mainWindow.findChild<CreatingPuzzleWindow*>();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->isWindow());
    EXPECT_EQ(shown->windowTitle(), "Updating fonts");
    progress.end();
    EXPECT_FALSE(mainWindow.findChild<CreatingPuzzleWindow*>());
    board.setParent(nullptr);
}

}  // namespace
