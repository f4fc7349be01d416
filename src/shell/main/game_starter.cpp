#include "shell/main/game_starter.h"

#include "board/board_play.h"
#include "board/board_window.h"
#include "core/board_preparation.h"
#include "core/generator.h"
#include "core/theme_file.h"
#include "platform/progress/creating_puzzle_ui.h"
#include "platform/progress/creating_puzzle_window.h"
#include "platform/services.h"
#include "shell/main/game_clock.h"
#include "shell/main/status_strip.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <memory>

namespace {
struct DeleteLater {
    void operator()(QObject* object) const { object->deleteLater(); }
};

std::optional<Puzzle> generate(const std::vector<PuzzleWord>& words, Level level,
                               CreatingPuzzleWindow& progress, Dialogs& dialogs,
                               RandomSource& random) {
    CreatingPuzzleUi ui(progress, dialogs);
    return generatePuzzle(words, level, ui, random).puzzle;
}
}  // namespace

GameStarter::GameStarter(Services& services, RandomSource& random, View view)
    : services_(services), random_(random), view_(view) {}

bool GameStarter::start(GameSession& session) {
    const GameSetup& setup = session.setup();
    // Deleted later rather than at once: events run while the generator works.
    std::unique_ptr<CreatingPuzzleWindow, DeleteLater> progress(new CreatingPuzzleWindow(
        CreatingPuzzleWindow::Use::PuzzleGeneration, view_.progressParent));
    progress->setLabelText(QStringLiteral("Creating Puzzle"));
    progress->setProgressMaximum(kMaxWords);
    progress->setProgressValue(0);
    progress->show();

    std::optional<Puzzle> puzzle;
    const auto theme = readTheme(services_.themeFolders().resolve(setup.puzzleFile));
    if (const auto words = theme ? wordsToHide(*theme) : std::nullopt) {
        puzzle = generate(*words, setup.level, *progress, services_.dialogs, random_);
    }
    progress->close();
    if (!puzzle || !session.generated(std::move(*puzzle))) {
        session.generationFailed();
        showGenerationFailure(services_.dialogs);
        return false;
    }
    prepareBoard();
    return true;
}

void GameStarter::prepareBoard() {
    const GameSession& session = view_.play.session();
    const GameSetup& setup = session.setup();
    BoardWindow& board = view_.play.board();
    const QFont& first = board.model().entries[1].font;
    if (const auto size = wordListPointSize(first.family(), first.pointSizeF(), setup.showMode)) {
        for (int i = 1; i <= session.wordCount(); ++i) {
            QFont font = board.model().entries[i].font;
            font.setPointSizeF(*size);
            board.setEntryFont(i, font);
        }
    }
    view_.play.refresh();

    view_.strip.setLevelCaption(levelCaption(setup.level));
    const RgbColour speed = speedMarkColour(setup.timeChallenge);
    view_.strip.setSpeedColor(QColor(speed.red, speed.green, speed.blue));
    view_.strip.setClockText(clockText(session.clockSeconds()));
    board.setTitle(setup.puzzleTitle);
    view_.boardFrame.show();
    view_.boardFrame.raise();
    if (QMdiArea* area = view_.boardFrame.mdiArea()) area->setActiveSubWindow(&view_.boardFrame);
}
