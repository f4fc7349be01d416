#pragma once

#include "core/game_session.h"
#include "shell/main/main_menu.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class AboutWindow;
class BoardPlay;
class BoardWindow;
class EndPuzzleDialog;
class FastTimesWindow;
class FontCommands;
class GameStarter;
class PrintSession;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class RandomSource;
class StatusStrip;
class TitleWindow;
class ViewCommands;
class ZoomCommands;
struct Services;

// QRW, the main window: menu bar, the board and title windows as frameless children that live
// for the whole run, the status strip with the game clock, and the time-played counter.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr double kClientWidth = 12000;  // twips
    static constexpr double kClientHeight = 8010;  // twips

    // `random` feeds the puzzle generator; the clock-seeded generator when null.
    explicit MainWindow(Services& services, RandomSource* random = nullptr,
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load: title, starting values, set-up, layout. False when the player declined the
    // warranty on the first run: the program ends without showing anything.
    bool load();
    // Opens centred on the screen.
    void showCentred();

    const MainMenu& menu() const { return menu_; }
    // The game on the board, or the last one; the one place a game lives.
    const GameSession& session() const { return session_; }
    BoardPlay& play() { return *play_; }
    BoardWindow& board() { return *board_; }
    QMdiSubWindow& boardFrame() { return *boardFrame_; }
    QMdiSubWindow& titleFrame() { return *titleFrame_; }
    StatusStrip& strip() { return *strip_; }
    ZoomCommands& zoom() { return *zoom_; }
    ViewCommands& view() { return *view_; }
    QTimer& gameClock() { return *gameClock_; }          // Timer
    QTimer& playedCounter() { return *playedCounter_; }  // Timer1

    // Menu commands, public so tests can run them without clicking.
    void newWordSearch();
    void resumeSavedGame();
    void print();
    void printSetup();
    void statistics();
    void puzzleInformation();
    void chooseDifficulty(Level level);
    void toggleSound();
    void fastestTimes();
    void openWebPage();
    void instructions();
    void about();
    void warranty();
    void createPuzzle();
    void editPuzzle();
    void editPuzzleFile(const QString& path);  // a theme named on the command line
    void revealWord();
    void revealPuzzle();
    void togglePause();  // the Pause entry has just flipped its check mark
    void chooseGridFont();
    void chooseWordFont();
    void resetFonts();

    // The new-game dialog's Start Game: generate and prepare the board.
    void startGame();

    // Timer handlers, public so tests can tick them.
    void gameClockTick();      // Timer
    void playedCounterTick();  // Timer1

    void layOut();  // MDIForm_Resize

    // The desktop is ending the program (SIGTERM): the seconds played and the game in play
    // are kept, and the program ends without asking.
    void closeForTermination();

  signals:
    // The player confirmed quitting: end the program at once.
    void quitConfirmed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The window manager adds its frame after the first layout; the frame counts in it.
    void moveEvent(QMoveEvent* event) override;

  private:
    void connectMenu();
    void connectBoard();
    QMdiSubWindow* addChild(QWidget* widget, const QString& name);
    void addPlayedSecondsToStore();
    // Puts the menus, timers and the board's cover in line with the game's phase.
    void applyPhase();
    // Writes the game in play to the saved-game file; 0, or the errno when there was one and it
    // could not be written.
    int saveGameInPlay();
    void showDifficultyChecks();
    void onCompletionReady();
    void showBoard();
    void showNewGameDialog();
    void showPrintDialog();

    Services& services_;
    GameSession session_;
    std::unique_ptr<RandomSource> ownRandom_;
    RandomSource& random_;
    MainMenu menu_{};
    QMdiArea* mdi_;
    BoardWindow* board_;
    BoardPlay* play_;
    TitleWindow* title_;
    QMdiSubWindow* boardFrame_;
    QMdiSubWindow* titleFrame_;
    StatusStrip* strip_;
    QTimer* gameClock_;
    QTimer* playedCounter_;
    std::unique_ptr<FontCommands> fonts_;
    ZoomCommands* zoom_;  // child of the window
    ViewCommands* view_;  // child of the window
    std::unique_ptr<GameStarter> starter_;
    PrintSession* printing_ = nullptr;  // child of the window
    QPointer<EndPuzzleDialog> endPuzzle_;
    QPointer<FastTimesWindow> fastTimes_;
};
