#include "shell/main/main_window.h"

#include "board/board_accessibility.h"
#include "board/board_play.h"
#include "board/board_window.h"
#include "board/reveal_commands.h"
#include "core/game_state.h"
#include "core/guarded_file.h"
#include "core/random_source.h"
#include "core/saved_game.h"
#include "editor/create_list_window.h"
#include "newgame/new_puzzle_dialog.h"
#include "platform/dialogs.h"
#include "platform/owned_window.h"
#include "platform/services.h"
#include "platform/settings_schema.h"
#include "platform/settings_store.h"
#include "platform/shell_opener.h"
#include "platform/twips.h"
#include "records/end_puzzle_dialog.h"
#include "records/fast_times_window.h"
#include "records/statistics_window.h"
#include "shell/fonts/font_commands.h"
#include "shell/fonts/font_progress.h"
#include "shell/main/about_window.h"
#include "shell/main/child_window_area.h"
#include "shell/main/game_clock.h"
#include "shell/main/game_starter.h"
#include "shell/main/status_strip.h"
#include "shell/main/title_window.h"
#include "shell/main/view_commands.h"
#include "shell/main/window_layout.h"
#include "shell/main/zoom_commands.h"
#include "shell/printing/print_dialog.h"
#include "shell/printing/print_session.h"
#include "shell/printing/print_setup_dialog.h"
#include "shell/printing/print_system.h"
#include "shell/startup/start_set_up.h"
#include "shell/startup/warranty.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kTitle = QStringLiteral("Quarrow [Tarnwick Software]");
}  // namespace

MainWindow::MainWindow(Services& services, RandomSource* random, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      ownRandom_(random ? nullptr : std::make_unique<ClockRandom>()),
      random_(random ? *random : *ownRandom_) {
    setObjectName(QStringLiteral("QRW"));
    menu_ = buildMainMenu(*menuBar());

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* area = new ChildWindowArea(central);
    mdi_ = area;
    mdi_->setBackground(QColor(128, 128, 128));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strip_ = new StatusStrip(central);
    column->addWidget(mdi_, 1);
    column->addWidget(strip_);
    setCentralWidget(central);

    board_ = new BoardWindow(services_.state);
    boardFrame_ = addChild(board_, QStringLiteral("Puzzle board"));
    play_ = new BoardPlay(services_, session_, *board_, this);
    // Screen readers see the painted grid and word list through this.
    new BoardAccessibility(*play_);
    title_ = new TitleWindow;
    titleFrame_ = addChild(title_, QStringLiteral("Title"));

    gameClock_ = new QTimer(this);
    gameClock_->setObjectName(QStringLiteral("Timer"));
    gameClock_->setInterval(1000);
    connect(gameClock_, &QTimer::timeout, this, &MainWindow::gameClockTick);
    playedCounter_ = new QTimer(this);
    playedCounter_->setObjectName(QStringLiteral("Timer1"));
    playedCounter_->setInterval(1000);
    connect(playedCounter_, &QTimer::timeout, this, &MainWindow::playedCounterTick);

    fonts_ = std::make_unique<FontCommands>(services_, *board_);
    zoom_ = new ZoomCommands(
        services_.settings, *board_, *boardFrame_, menu_, [this] { layOut(); }, this);
    view_ = new ViewCommands(services_.settings, *board_, menu_, this);
    printing_ = new PrintSession(std::make_unique<CupsCommands>(), this);
    starter_ = std::make_unique<GameStarter>(
        services_, random_, GameStarter::View{*play_, *boardFrame_, *strip_, this});

    connectMenu();
    connectBoard();
    // The area settles its size only once the window's layout has run.
    connect(area, &ChildWindowArea::resized, this, &MainWindow::layOut);

    const QSize client(twips::toPixelsRounded(kClientWidth), twips::toPixelsRounded(kClientHeight));
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() = default;

QMdiSubWindow* MainWindow::addChild(QWidget* widget, const QString& name) {
    // Frameless and never deleted: hiding and showing keeps the same window with its state.
    auto* frame = mdi_->addSubWindow(widget, Qt::FramelessWindowHint);
    // Without a frame the title is never drawn; screen readers name the child by it.
    frame->setWindowTitle(name);
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    // No system menu, so no keyboard shortcut can close or move the child.
    frame->setSystemMenu(nullptr);
    frame->resize(widget->size());
    return frame;
}

void MainWindow::connectMenu() {
    const MainMenu& m = menu_;
    connect(m.newGameAction, &QAction::triggered, this, &MainWindow::newWordSearch);
    connect(m.resumeGameAction, &QAction::triggered, this, &MainWindow::resumeSavedGame);
    // The saved game may have come or gone meanwhile.
    connect(m.fileMenu, &QMenu::aboutToShow, this, &MainWindow::applyPhase);
    connect(m.printAction, &QAction::triggered, this, &MainWindow::print);
    connect(m.printSetupAction, &QAction::triggered, this, &MainWindow::printSetup);
    connect(m.exitAction, &QAction::triggered, this, &QWidget::close);
    connect(m.revealPuzzleAction, &QAction::triggered, this, &MainWindow::revealPuzzle);
    connect(m.revealWordAction, &QAction::triggered, this, &MainWindow::revealWord);
    connect(m.pauseAction, &QAction::triggered, this, &MainWindow::togglePause);
    connect(m.statisticsAction, &QAction::triggered, this, &MainWindow::statistics);
    connect(m.puzzleInformationAction, &QAction::triggered, this, &MainWindow::puzzleInformation);
    for (const Level level : kLevels) {
        connect(m.levelEntry(level), &QAction::triggered, this,
                [this, level] { chooseDifficulty(level); });
    }
    connect(m.gridFontAction, &QAction::triggered, this, &MainWindow::chooseGridFont);
    connect(m.wordsFontAction, &QAction::triggered, this, &MainWindow::chooseWordFont);
    connect(m.resetFontsAction, &QAction::triggered, this, &MainWindow::resetFonts);
    connect(m.soundAction, &QAction::triggered, this, &MainWindow::toggleSound);
    connect(m.fastestTimesAction, &QAction::triggered, this, &MainWindow::fastestTimes);
    connect(m.downloadPuzzlesAction, &QAction::triggered, this, &MainWindow::openWebPage);
    connect(m.createPuzzleAction, &QAction::triggered, this, &MainWindow::createPuzzle);
    connect(m.editPuzzleAction, &QAction::triggered, this, &MainWindow::editPuzzle);
    connect(m.instructionsAction, &QAction::triggered, this, &MainWindow::instructions);
    connect(m.aboutAction, &QAction::triggered, this, &MainWindow::about);
    connect(m.warrantyAction, &QAction::triggered, this, &MainWindow::warranty);
}

void MainWindow::connectBoard() {
    connect(board_, &BoardWindow::optionsMenuRequested, this,
            [this](const QPoint& globalPos) { menu_.optionsMenu->popup(globalPos); });
    connect(board_, &BoardWindow::hoverText, strip_, &StatusStrip::setHint);
    connect(play_, &BoardPlay::wordFoundByHand, this, &MainWindow::applyPhase);
    connect(play_, &BoardPlay::gameEnded, this, &MainWindow::applyPhase);
    connect(play_, &BoardPlay::completionReady, this, &MainWindow::onCompletionReady);
}

bool MainWindow::load() {
    GameState& state = services_.state;
    setWindowTitle(kTitle);
    applyMainWindowLoadDefaults(state);
    const SetupResult setup = setUpAtStart(services_, *board_);
    if (!setup.proceed) return false;
    menu_.soundAction->setChecked(setup.soundChecked);
    state.hideBoardOnActivate = true;
    zoom_->restore();
    view_->restore();
    layOut();
    playedCounter_->start();
    applyPhase();
    return true;
}

void MainWindow::showCentred() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    // Take the keyboard at once, so the menu shortcuts work before any click.
    activateWindow();
    layOut();
}

void MainWindow::layOut() {
    zoom_->fitTo(mdi_->size());
    window_layout::Input in;
    in.width = twips::fromPixels(frameGeometry().width());
    in.areaWidth = twips::fromPixels(mdi_->width());
    in.areaHeight = twips::fromPixels(mdi_->height());
    in.titleWidth = twips::fromPixels(titleFrame_->width());
    in.titleHeight = twips::fromPixels(titleFrame_->height());
    in.boardWidth = twips::fromPixels(boardFrame_->width());
    in.boardHeight = twips::fromPixels(boardFrame_->height());
    in.clockWidth = StatusStrip::kClockWidth;
    in.levelCaptionWidth = StatusStrip::kLevelCaptionWidth;
    in.speedWidth = StatusStrip::kSpeedWidth;
    in.previous = strip_->positions();
    const window_layout::Result out = window_layout::layOut(in);
    titleFrame_->move(twips::toPixelsRounded(out.title.left),
                      twips::toPixelsRounded(out.title.top));
    boardFrame_->move(twips::toPixelsRounded(out.board.left),
                      twips::toPixelsRounded(out.board.top));
    strip_->setPositions(out.strip);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layOut();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    layOut();
}

// ---- File

void MainWindow::newWordSearch() {
    if (!session_.enabled(GameCommand::NewWordSearch)) return;
    if (session_.gameInProgress() &&
        services_.dialogs.message(
            QStringLiteral(
                "There is already an active game are you sure you wish to start a new one?"),
            QStringLiteral("New Game?"), MsgButtons::YesNo,
            MsgIcon::Exclamation) != MsgAnswer::Yes) {
        return;
    }
    // Reveals off, the clock and the board's timers stopped, no word struck: nothing may act
    // on the dropped game.
    session_.newWordSearch();
    applyPhase();
    if (endPuzzle_) endPuzzle_->close();
    if (fastTimes_) fastTimes_->close();
    play_->refresh();

    boardFrame_->hide();
    titleFrame_->show();
    showNewGameDialog();
}

void MainWindow::resumeSavedGame() {
    if (!session_.enabled(GameCommand::ResumeSavedGame)) return;
    SavedGameLoad saved = takeSavedGame(services_.savedGameFile);
    if (saved.status == SavedGameLoad::Status::Unreadable) {
        services_.dialogs.message(
            QStringLiteral("The saved game could not be read, so it cannot be resumed. The "
                           "file has been kept as %1.")
                .arg(saved.movedTo),
            QStringLiteral("Resume Saved Game"), MsgButtons::Ok, MsgIcon::Exclamation);
    }
    if (saved.status == SavedGameLoad::Status::Stuck) {
        services_.dialogs.message(
            QStringLiteral("The saved game cannot be resumed: it cannot be removed from %1 (%2), "
                           "so it would be offered again after this game.")
                .arg(services_.savedGameFile, guarded_file::describe(saved.error)),
            QStringLiteral("Resume Saved Game"), MsgButtons::Ok, MsgIcon::Exclamation);
    }
    if (saved.status == SavedGameLoad::Status::Loaded) {
        play_->stopTimers();
        session_ = std::move(*saved.session);
        // The resumed game's choices are recorded as Start Game would have recorded them.
        GameState& state = services_.state;
        const GameSetup& game = session_.setup();
        state.puzzleFile = game.puzzleFile;
        state.puzzleTitle = game.puzzleTitle;
        state.puzzleAuthor = game.puzzleAuthor;
        state.showMode = game.showMode;
        state.speedChallenge = game.timeChallenge;
        starter_->prepareBoard();
    }
    applyPhase();
}

void MainWindow::showNewGameDialog() {
    strip_->setHint(QString());
    auto* dialog = new NewPuzzleDialog(services_, this);
    // Queued, so the dialog has closed before the generator runs.
    connect(dialog, &NewPuzzleDialog::startGameRequested, this, &MainWindow::startGame,
            Qt::QueuedConnection);
    connect(dialog, &NewPuzzleDialog::cancelled, this, [this] {
        showDifficultyChecks();
        raise();
        activateWindow();
    });
    showOwnedWindow(dialog);
}

void MainWindow::print() {
    if (!session_.enabled(GameCommand::Print)) return;
    if (!boardFrame_->isVisible()) {
        services_.dialogs.message(
            QStringLiteral("There is currently no puzzle loaded, please start a New Game (CTRL + "
                           "N) then try again."),
            QStringLiteral("No Puzzle Loaded"), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    showPrintDialog();
}

void MainWindow::showPrintDialog() {
    openPrintDialog(services_, *board_, session_.puzzle(), *printing_, this);
}

void MainWindow::printSetup() {
    printing::runPrintSetup(*printing_, this);
}

// ---- Options

void MainWindow::statistics() {
    addPlayedSecondsToStore();
    showOwnedWindow(new StatisticsWindow(services_, this));
}

void MainWindow::addPlayedSecondsToStore() {
    settings::addToCounter(services_.settings, settings::kSecondsPlayed.name,
                           services_.state.secondsPlayed);
    services_.state.secondsPlayed = 0;
}

void MainWindow::puzzleInformation() {
    const GameState& state = services_.state;
    const QString text = QStringLiteral("Game Title : ") + state.puzzleTitle +
                         QStringLiteral("\rDifficulty : ") + levelName(state.level) +
                         QStringLiteral("\rGame Type : ") + showModeName(state.showMode) +
                         QStringLiteral("\rAuthor : ") + state.puzzleAuthor;
    services_.dialogs.message(text, QStringLiteral("Puzzle Information"), MsgButtons::Ok,
                              MsgIcon::Information);
}

void MainWindow::chooseDifficulty(Level level) {
    services_.state.level = level;
    showDifficultyChecks();
    services_.dialogs.message(
        QStringLiteral("New setting will will be activated when you start a new game."),
        QStringLiteral("Difficulty ") + levelName(level), MsgButtons::Ok, MsgIcon::Information);
}

void MainWindow::showDifficultyChecks() {
    for (const Level entry : kLevels)
        menu_.levelEntry(entry)->setChecked(entry == services_.state.level);
}

void MainWindow::toggleSound() {
    // The entry has already flipped its check mark when this runs.
    const bool on = menu_.soundAction->isChecked();
    settings::write(services_.settings, settings::kSound, on);
    services_.state.soundOn = on;
}

void MainWindow::fastestTimes() {
    fastTimes_ = new FastTimesWindow(services_, this);
    showOwnedWindow(fastTimes_);
}

void MainWindow::chooseGridFont() {
    fonts_->chooseGridFont();
}
void MainWindow::chooseWordFont() {
    fonts_->chooseWordFont();
}
void MainWindow::resetFonts() {
    fonts_->resetToDefault();
}

// ---- Tools

void MainWindow::openWebPage() {
    if (services_.dialogs.message(
            QStringLiteral("This will open a webpage, do you wish to continue?"),
            QStringLiteral("Open Webpage"), MsgButtons::YesNo,
            MsgIcon::Information) == MsgAnswer::Yes) {
        services_.shell.open(web::kPuzzleIndex);
    }
}

void MainWindow::createPuzzle() {
    openPuzzleCreator(services_, this);
}
void MainWindow::editPuzzle() {
    openPuzzleEditor(services_, this);
}
void MainWindow::editPuzzleFile(const QString& path) {
    openPuzzleEditorOn(services_, path, this);
}

// ---- Help

void MainWindow::instructions() {
    services_.shell.open(services_.programFolder + QStringLiteral("/ReadMe.htm"));
}

void MainWindow::about() {
    showOwnedWindow(new AboutWindow(services_.shell, this));
}

void MainWindow::warranty() {
    services_.dialogs.message(warrantyText(), QStringLiteral("Warranty"), MsgButtons::Ok,
                              MsgIcon::Information);
}

// ---- Game

void MainWindow::revealWord() {
    if (session_.enabled(GameCommand::RevealWord)) ::revealWord(services_, *play_);
}
void MainWindow::revealPuzzle() {
    if (session_.enabled(GameCommand::RevealPuzzle)) ::revealPuzzle(services_, *play_);
}

void MainWindow::togglePause() {
    session_.setPaused(menu_.pauseAction->isChecked());
    applyPhase();
}

void MainWindow::startGame() {
    // The dialog may have changed the level, also by a Time Challenge forcing Expert.
    showDifficultyChecks();
    const GameState& state = services_.state;
    if (!session_.generationStarted({state.puzzleFile, state.puzzleTitle, state.puzzleAuthor,
                                     state.level, state.showMode, state.speedChallenge})) {
        return;
    }
    applyPhase();
    starter_->start(session_);
    applyPhase();
    // The main window takes the keyboard back from the closed dialog and the progress window,
    // so its shortcuts work at once even where the window manager gives the focus to none.
    activateWindow();
}

void MainWindow::showBoard() {
    boardFrame_->show();
    boardFrame_->raise();
    mdi_->setActiveSubWindow(boardFrame_);
}

void MainWindow::applyPhase() {
    menu_.newGameAction->setEnabled(session_.enabled(GameCommand::NewWordSearch));
    menu_.resumeGameAction->setEnabled(session_.enabled(GameCommand::ResumeSavedGame) &&
                                       QFileInfo::exists(services_.savedGameFile));
    menu_.revealPuzzleAction->setEnabled(session_.enabled(GameCommand::RevealPuzzle));
    menu_.revealWordAction->setEnabled(session_.enabled(GameCommand::RevealWord));
    menu_.pauseAction->setEnabled(session_.enabled(GameCommand::Pause));
    menu_.pauseAction->setChecked(session_.paused());
    menu_.puzzleInformationAction->setEnabled(session_.enabled(GameCommand::PuzzleInformation));
    menu_.printAction->setEnabled(session_.enabled(GameCommand::Print));
    if (!session_.mayRun(GameTimer::GameClock)) {
        gameClock_->stop();
    } else if (!gameClock_->isActive()) {
        gameClock_->start();
    }
    if (!session_.mayRun(GameTimer::Flash) && !session_.mayRun(GameTimer::CompletionSequence)) {
        play_->stopTimers();
    }
    board_->setCovered(session_.paused());
}

void MainWindow::onCompletionReady() {
    // A sequence left over from a game that is no longer on the board opens nothing.
    if (session_.phase() != GamePhase::Completing) return;
    const GameSetup& game = session_.setup();
    titleFrame_->hide();
    const FinishedGame finished{game.puzzleTitle,          game.level,
                                strip_->clockText(),       game.timeChallenge,
                                session_.puzzleRevealed(), session_.wordsRevealed()};
    endPuzzle_ = new EndPuzzleDialog(services_, finished, this, this);
    connect(endPuzzle_, &EndPuzzleDialog::viewFastestTimesRequested, this,
            &MainWindow::fastestTimes);
    connect(endPuzzle_, &EndPuzzleDialog::closed, this, &MainWindow::showBoard);
    showOwnedWindow(endPuzzle_);
    session_.endDialogShown();
    applyPhase();
}

void MainWindow::gameClockTick() {
    if (session_.tick()) strip_->setClockText(clockText(session_.clockSeconds()));
}

void MainWindow::playedCounterTick() {
    ++services_.state.secondsPlayed;
}

// ---- Quit

void MainWindow::closeEvent(QCloseEvent* event) {
    addPlayedSecondsToStore();
    const bool playing = session_.gameInProgress();
    const MsgAnswer answer = services_.dialogs.message(
        playing ? QStringLiteral("You are currently playing a game are you sure you want to quit?")
                : QStringLiteral("Are you sure you want to quit?"),
        playing ? QStringLiteral("Cancel Current Game?") : QStringLiteral("Quit QRW Pro?"),
        MsgButtons::YesNo, MsgIcon::Information);
    if (answer != MsgAnswer::Yes) {
        event->ignore();
        return;
    }
    event->accept();
    if (const int error = saveGameInPlay()) {
        services_.dialogs.message(
            QStringLiteral("The game in play could not be saved to %1 (%2). A game saved there "
                           "before is kept as it was.")
                .arg(services_.savedGameFile, guarded_file::describe(error)),
            QStringLiteral("Save Game"), MsgButtons::Ok, MsgIcon::Exclamation);
    }
    emit quitConfirmed();
}

void MainWindow::closeForTermination() {
    addPlayedSecondsToStore();
    saveGameInPlay();
    emit quitConfirmed();
}

int MainWindow::saveGameInPlay() {
    if (session_.phase() != GamePhase::Playing) return 0;
    return writeSavedGame(services_.savedGameFile, session_);
}
