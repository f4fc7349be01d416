// Every window a player can open names its controls for a screen reader.

#include "integration/player.h"
#include "support/accessible_controls.h"

#include <QApplication>
#include <QTimer>

#include <functional>

namespace {
std::string unnamed(QWidget* window) {
    return window ? unnamedControls(*window).join(", ").toStdString() : "no window";
}

// The controls without a name in the window with this caption, which is then closed.
std::string unnamedIn(const QString& caption) {
    QWidget* window = Player::windowTitled(caption);
    const std::string found = unnamed(window);
    if (window) window->close();
    QApplication::processEvents();
    return found;
}

// The same for a dialog that `open` runs until it is closed.
std::string unnamedInModal(const std::function<void()>& open) {
    std::string found = "no dialog";
    QTimer::singleShot(0, [&found] {
        QWidget* dialog = QApplication::activeModalWidget();
        found = unnamed(dialog);
        if (dialog) dialog->close();
    });
    open();
    return found;
}
}  // namespace

TEST_F(IntegrationTest, EveryWindowNamesItsControls) {
    EXPECT_EQ(unnamed(window.get()), "");
    player->openNewGameDialog();
    EXPECT_EQ(unnamedIn(QStringLiteral("Quarrow : New Game")), "");
    window->createPuzzle();
    EXPECT_EQ(unnamedIn(QStringLiteral("Create Quarrow Puzzle")), "");
    window->statistics();
    EXPECT_EQ(unnamedIn(QStringLiteral("QRW Statistics")), "");
    window->fastestTimes();
    EXPECT_EQ(unnamedIn(QStringLiteral("Fastest Times")), "");
    window->about();
    EXPECT_EQ(unnamedIn(QStringLiteral("About QRW")), "");

    player->startGame({QStringLiteral("fruit.qrw"), ShowMode::Words, Level::Medium, false});
    EXPECT_EQ(unnamed(window.get()), "");
    window->print();
    EXPECT_EQ(unnamedIn(QStringLiteral("Print WordSearch")), "");
    EXPECT_EQ(unnamedInModal([this] { window->printSetup(); }), "");
    player->openRevealWord();
    EXPECT_EQ(unnamedIn(QStringLiteral("Reveal QRW Word")), "");
    player->findTheRest();
    player->runCompletion();
    EXPECT_EQ(unnamedIn(QStringLiteral(" QRW Puzzle Complete")), "");
}
