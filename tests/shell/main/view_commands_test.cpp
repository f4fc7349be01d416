#include "main_window_fixture.h"

#include <QAction>

namespace {

TEST_F(MainWindowTest, ViewOptionsChangeTheBoardAndALaterStartRestoresThem) {
    EXPECT_EQ(window->board().model().look, BoardLook{});
    window->menu().highContrastAction->trigger();
    EXPECT_EQ(window->board().model().look, BoardLook{.highContrast = true});

    // A hand-edited value that is no Boolean leaves its option off.
    env.settings->write("Settings", "COLOUR_FOUND", "true");
    env.settings->write("Settings", "SHOW_ANSWERS", "garbled");
    env.dialogs.answerMessage(MsgAnswer::Yes);  // the first run's warranty
    MainWindow next(env.services, &random);
    ASSERT_TRUE(next.load());
    EXPECT_EQ(next.board().model().look, (BoardLook{.colourFound = true, .highContrast = true}));
    EXPECT_TRUE(next.menu().colourFoundAction->isChecked());
}

}  // namespace
