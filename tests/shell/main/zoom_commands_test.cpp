#include "main_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QTest>

namespace {

class ZoomTest : public MainWindowTest {
  protected:
    QRect boardArea() { return window->boardFrame().geometry(); }
    QRect clientArea() { return window->findChild<QMdiArea*>()->rect(); }
    void press(Qt::Key key) { QTest::keyClick(window.get(), key, Qt::ControlModifier); }
    // A later start of the program on the same settings.
    std::unique_ptr<MainWindow> restart() {
        env.dialogs.answerMessage(MsgAnswer::Yes);  // the first run's warranty
        auto next = std::make_unique<MainWindow>(env.services, &random);
        EXPECT_TRUE(next->load());
        return next;
    }
};

TEST_F(ZoomTest, ShortcutsStepTheBoardAndALaterStartShowsItAsLeft) {
    QApplication::setActiveWindow(window.get());
    press(Qt::Key_Equal);
    press(Qt::Key_Plus);
    press(Qt::Key_Minus);
    EXPECT_EQ(window->board().zoom(), 1.25);
    press(Qt::Key_0);
    EXPECT_EQ(boardArea().size(), QSize(782, 505));
    for (int step = 0; step < 3; ++step) press(Qt::Key_Plus);
    EXPECT_EQ(restart()->boardFrame().size(), QSize(1369, 884));  // 175 %, nothing cut off
}

TEST_F(ZoomTest, FitToWindowFillsTheClientAreaFollowsItsSizeAndIsRestored) {
    window->resize(1920, 1080);
    QCoreApplication::processEvents();
    window->menu().fitToWindowAction->trigger();
    EXPECT_GE(boardArea().width(), 2 * 782);
    EXPECT_TRUE(clientArea().contains(boardArea()));

    window->resize(1000, 700);
    QCoreApplication::processEvents();
    EXPECT_TRUE(clientArea().contains(boardArea()));
    EXPECT_TRUE(boardArea().width() == clientArea().width() ||
                boardArea().height() == clientArea().height());

    // Restored at start, the fit applies as soon as the window has its size.
    const auto next = restart();
    next->resize(1920, 1080);
    next->show();
    QCoreApplication::processEvents();
    EXPECT_GE(next->boardFrame().width(), 2 * 782);
    // A chosen zoom ends the fit.
    next->menu().zoomOutAction->trigger();
    EXPECT_FALSE(next->menu().fitToWindowAction->isChecked());
    EXPECT_EQ(setting("ZOOM_FIT"), "False");
}

}  // namespace
