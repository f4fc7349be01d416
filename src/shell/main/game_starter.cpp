#include "shell/main/game_starter.h"

#include "board/board_window.h"
#include "core/board_preparation.h"
#include "core/generator.h"
#include "platform/progress/creating_puzzle_ui.h"
#include "platform/progress/creating_puzzle_window.h"
#include "platform/services.h"
#include "shell/main/status_strip.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <memory>

namespace {
struct DeleteLater {
    void operator()(QObject* object) const { object->deleteLater(); }
};
}  // namespace

GameStarter::GameStarter(Services& services, RandomSource& random, View view)
    : services_(services), random_(random), view_(view) {}

bool GameStarter::start() {
    GameState& state = services_.state;
    // Deleted later rather than at once: the generator lets events run while it works.
    std::unique_ptr<CreatingPuzzleWindow, DeleteLater> progress(new CreatingPuzzleWindow(
        CreatingPuzzleWindow::Use::PuzzleGeneration, view_.progressParent));
    progress->setLabelText(QStringLiteral("Creating Puzzle"));
    progress->setProgressMaximum(20);
    progress->setProgressValue(0);
    progress->show();

    CreatingPuzzleUi ui(
        *progress, services_.dialogs, [this] { layOutWordList(); }, [this] { hideStrikeLines(); });
    const std::optional<GeneratedPuzzle> puzzle =
        buildPuzzle(state, services_.themeFolders().resolve(state.puzzleFile), ui, random_);
    progress->close();
    if (!puzzle) {
        showGenerationFailure(services_.dialogs);
        return false;
    }

    BoardModel& model = view_.board.model();
    for (int n = 1; n <= GameState::kCells; ++n) model.cells[n].caption = puzzle->cells[n];
    finish();
    return true;
}

void GameStarter::layOutWordList() {
    BoardModel& model = view_.board.model();
    const auto layout = wordListLayout(services_.state);
    for (int i = 1; i <= GameState::kMaxWords; ++i) {
        BoardEntry& entry = model.entries[i];
        if (layout[i].caption) entry.caption = *layout[i].caption;
        if (layout[i].toolTip) entry.toolTip = *layout[i].toolTip;
        if (layout[i].tag) entry.tag = *layout[i].tag;
    }
    for (int n = 1; n <= GameState::kCells; ++n) model.cells[n].caption.clear();
    view_.board.modelChanged();
}

void GameStarter::hideStrikeLines() {
    BoardModel& model = view_.board.model();
    for (int k = 1; k <= GameState::kMaxWords; ++k) model.lines[k].visible = false;
    view_.board.modelChanged();
}

void GameStarter::finish() {
    GameState& state = services_.state;
    BoardModel& model = view_.board.model();
    const QFont& first = model.entries[1].font;
    if (const auto size = wordListPointSize(first.family(), first.pointSizeF(), state.showMode)) {
        for (int i = 1; i <= state.wordCount; ++i) model.entries[i].font.setPointSizeF(*size);
    }
    view_.board.modelChanged();

    view_.strip.setLevelCaption(levelCaption(state));
    const RgbColour speed = speedMarkColour(state.speedChallenge);
    view_.strip.setSpeedColor(QColor(speed.red, speed.green, speed.blue));
    view_.strip.setClockText(QStringLiteral("0:00"));
    view_.board.setTitle(state.puzzleTitle);
    view_.boardFrame.show();
    view_.boardFrame.raise();
    if (QMdiArea* area = view_.boardFrame.mdiArea()) area->setActiveSubWindow(&view_.boardFrame);
    resetGameCounters(state);
}
