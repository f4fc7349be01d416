#include "main_window_fixture.h"

#include "shell/main/zoom_commands.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QTest>

namespace {

class ZoomTest : public MainWindowTest {
  protected:
    QRect boardArea() { return window->boardFrame().geometry(); }
    QSize clientArea() { return window->findChild<QMdiArea*>()->size(); }
    void press(Qt::Key key) { QTest::keyClick(window.get(), key, Qt::ControlModifier); }
};

TEST_F(ZoomTest, ShortcutsStepTheBoardAndTheStoreRemembersIt) {
    QApplication::setActiveWindow(window.get());
    press(Qt::Key_Equal);
    press(Qt::Key_Plus);
    EXPECT_EQ(window->board().zoom(), 1.5);
    EXPECT_EQ(boardArea().size(), QSize(1173, 758));
    EXPECT_EQ(setting("ZOOM"), "150");
    press(Qt::Key_Minus);
    EXPECT_EQ(window->board().zoom(), 1.25);
    press(Qt::Key_0);
    EXPECT_EQ(window->board().zoom(), 1);
    EXPECT_EQ(boardArea().size(), QSize(782, 505));

    // A later start shows the board as it was left.
    env.settings->write("Settings", "ZOOM", "175");
    env.dialogs.answerMessage(MsgAnswer::Yes);  // the first run's warranty
    MainWindow next(env.services, &random);
    ASSERT_TRUE(next.load());
    EXPECT_EQ(next.board().zoom(), 1.75);
    EXPECT_EQ(next.boardFrame().size(), QSize(1369, 884));
}

TEST_F(ZoomTest, FitToWindowFillsTheClientAreaAndFollowsItsSize) {
    window->resize(1920, 1080);
    QCoreApplication::processEvents();
    window->menu().fitToWindowAction->trigger();
    EXPECT_EQ(setting("ZOOM_FIT"), "True");
    const QRect large = boardArea();
    EXPECT_GE(large.width(), 2 * 782);
    EXPECT_TRUE(QRect(QPoint(), clientArea()).contains(large));

    window->resize(1000, 700);
    QCoreApplication::processEvents();
    const QRect smaller = boardArea();
    EXPECT_LT(smaller.width(), large.width());
    EXPECT_TRUE(QRect(QPoint(), clientArea()).contains(smaller));
    EXPECT_TRUE(smaller.width() == clientArea().width() ||
                smaller.height() == clientArea().height());

    // A chosen zoom ends the fit: the next step above the fitted size.
    const double fitted = window->board().zoom();
    window->menu().zoomInAction->trigger();
    EXPECT_FALSE(window->menu().fitToWindowAction->isChecked());
    EXPECT_EQ(setting("ZOOM_FIT"), "False");
    EXPECT_EQ(window->board().zoom(), std::floor(fitted * 4 + 1) / 4);

    // Restored at start, the fit applies as soon as the window has its size.
    window->menu().fitToWindowAction->trigger();
    env.dialogs.answerMessage(MsgAnswer::Yes);
    MainWindow next(env.services, &random);
    ASSERT_TRUE(next.load());
    EXPECT_TRUE(next.menu().fitToWindowAction->isChecked());
    next.resize(1920, 1080);
    next.show();
    QCoreApplication::processEvents();
    EXPECT_GE(next.boardFrame().width(), 2 * 782);
}

}  // namespace
