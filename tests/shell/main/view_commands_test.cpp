#include "main_window_fixture.h"

#include <QAction>

namespace {

TEST_F(MainWindowTest, ViewOptionsChangeTheBoardAndAreRestoredAtStart) {
    const MainMenu& m = window->menu();
    EXPECT_EQ(window->board().model().look, BoardLook{});
    m.highContrastAction->trigger();
    m.showAnswersAction->trigger();
    m.showAnswersAction->trigger();
    EXPECT_EQ(window->board().model().look, BoardLook{.highContrast = true});
    EXPECT_EQ(setting("HIGH_CONTRAST"), "True");
    EXPECT_EQ(setting("SHOW_ANSWERS"), "False");
    EXPECT_EQ(setting("COLOUR_FOUND", "absent"), "absent");

    env.settings->write("Settings", "COLOUR_FOUND", "true");
    env.settings->write("Settings", "SHOW_ANSWERS", "garbled");
    env.dialogs.answerMessage(MsgAnswer::Yes);  // the first run's warranty
    MainWindow next(env.services, &random);
    ASSERT_TRUE(next.load());
    EXPECT_EQ(next.board().model().look,
              (BoardLook{.colourFound = true, .showAnswers = false, .highContrast = true}));
    EXPECT_TRUE(next.menu().colourFoundAction->isChecked());
    EXPECT_FALSE(next.menu().showAnswersAction->isChecked());
}

}  // namespace
