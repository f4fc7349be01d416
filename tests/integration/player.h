#pragma once

#include "core/random_source.h"
#include "shell/main/main_window.h"
#include "support/test_env.h"

#include <QString>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

class BoardPlay;
class BoardWindow;
class NewPuzzleDialog;
class RevealWordDialog;

// The options a player picks in the new-game dialog.
struct GameChoice {
    QString themeFile;  // as listed, e.g. "fruit.qrw"
    ShowMode showMode = ShowMode::Words;
    Level level = Level::Medium;  // ignored in a Time Challenge
    bool timeChallenge = false;
};

// Plays the real main window the way a person does: menu commands, the controls of the
// dialogs it opens, and mouse clicks at the pixel centres of the grid's cells. Timers are
// stepped through their public handlers instead of waiting for them.
class Player {
  public:
    Player(MainWindow& window, TestEnv& env) : window_(window), env_(env) {}

    // File > New WordSearch, the options picked in the dialog and Start Game; returns once the
    // generated board shows.
    void startGame(const GameChoice& choice);
    NewPuzzleDialog* openNewGameDialog();

    void moveOver(int cell);
    void click(int cell, Qt::MouseButton button = Qt::LeftButton);
    // Finds word `slot` by clicking its end cells, moving over the far end first.
    void find(int slot, bool lastToFirst = false);
    // Finds every word not yet struck, first to last.
    void findTheRest();
    // Presses word `slot`'s first letter, drags to its last and releases there.
    void dragOver(int slot);

    // A key pressed and released, sent where the keyboard focus is.
    void key(int key);
    // Moves the board's cell cursor to `cell` with the arrow keys.
    void cursorTo(int cell);
    // Finds word `slot` with the keyboard alone: Space on its first letter, Enter on its last.
    void findByKeyboard(int slot);

    // hl_flash_check's tick, 750 ms after a strike: the flash settles.
    void letFlashEnd();
    // The ticks after the last strike: hl_flash hands over to puzzle_complete, which runs until
    // the end-of-game dialog opens.
    void runCompletion();

    // Options > Reveal Word; null when no dialog opened.
    RevealWordDialog* openRevealWord();
    // A left click on the dialog's row for word `slot`.
    void clickRow(RevealWordDialog& dialog, int slot);

    // The visible top-level window with this caption, or null.
    static QWidget* windowTitled(const QString& caption);
    static QWidget* endOfGameDialog() {
        return windowTitled(QStringLiteral(" QRW Puzzle Complete"));
    }
    // The text of a window's named label, or a note saying what is missing.
    static QString labelText(const QWidget* window, const char* name);
    // A label of the end-of-game dialog.
    static QString endLabel(const char* name) { return labelText(endOfGameDialog(), name); }
    // The verdict shown by the end-of-game dialog.
    static QString verdict() { return endLabel("puz_stat"); }
    // Clicks the end-of-game dialog's OK.
    static void closeEndOfGameDialog();
    // Clicks the named button of a window.
    static void clickButton(QWidget& window, const char* name);

    // A cell that is an end of no word, for clicks that must not match.
    int cellOfNoWordEnd() const;

    // The game on the board.
    const GameSession& game() const { return window_.session(); }

  private:
    BoardWindow& board();
    BoardPlay& play();

    MainWindow& window_;
    TestEnv& env_;
};

// The game clock still starts and stops as in play but never fires by itself: tests tick it.
inline void clockTickedByHand(MainWindow& window) {
    window.gameClock().setInterval(std::chrono::hours(24));
}

// A shown main window after a first run's load (warranty accepted, default settings and the
// reset fastest-times table written), with a few of the shipped themes in its data folder and
// repeatable random draws.
class IntegrationTest : public ::testing::Test {
  protected:
    void SetUp() override;

    QString setting(const QString& key) const;
    QString fastTime(const QString& key) const;
    int foundCount() const { return game().foundCount(); }
    const GameSession& game() const { return window->session(); }

    TestEnv env;
    SeededRandom random{2026};
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<Player> player;
};
