#include "shell/main/zoom_commands.h"

#include "board/board_window.h"
#include "board/board_zoom.h"
#include "platform/settings_schema.h"
#include "shell/main/main_menu.h"

#include <QAction>
#include <QMdiSubWindow>

#include <cmath>
#include <utility>

ZoomCommands::ZoomCommands(SettingsStore& store, BoardWindow& board, QMdiSubWindow& frame,
                           const MainMenu& menu, std::function<void()> layOut, QObject* parent)
    : QObject(parent),
      store_(store),
      board_(board),
      frame_(frame),
      menu_(menu),
      layOut_(std::move(layOut)) {
    connect(menu.zoomInAction, &QAction::triggered, this, &ZoomCommands::zoomIn);
    connect(menu.zoomOutAction, &QAction::triggered, this, &ZoomCommands::zoomOut);
    connect(menu.actualSizeAction, &QAction::triggered, this, &ZoomCommands::actualSize);
    connect(menu.fitToWindowAction, &QAction::toggled, this, &ZoomCommands::setFitToWindow);
}

void ZoomCommands::restore() {
    chosen_ = board_zoom::snapped(settings::read(store_, settings::kZoom) / 100);
    apply(chosen_);
    // Checking the entry lays the board out to fit, as a click on it would.
    menu_.fitToWindowAction->setChecked(settings::read(store_, settings::kFitToWindow));
}

void ZoomCommands::zoomIn() {
    choose(board_zoom::zoomedIn(board_.zoom()));
}

void ZoomCommands::zoomOut() {
    choose(board_zoom::zoomedOut(board_.zoom()));
}

void ZoomCommands::actualSize() {
    choose(board_zoom::kActualSize);
}

bool ZoomCommands::fitToWindow() const {
    return menu_.fitToWindowAction->isChecked();
}

void ZoomCommands::setFitToWindow(bool on) {
    if (menu_.fitToWindowAction->isChecked() != on) {
        menu_.fitToWindowAction->setChecked(on);  // comes back here through `toggled`
        return;
    }
    if (settings::read(store_, settings::kFitToWindow) != on) {
        settings::write(store_, settings::kFitToWindow, on);
    }
    // Without the fit the board goes back to the zoom the player chose.
    if (!on) apply(chosen_);
    layOut_();
}

void ZoomCommands::fitTo(const QSize& area) {
    if (!fitToWindow() || area.isEmpty()) return;
    apply(board_zoom::fitting(area, board_.clientSizePixels()));
}

void ZoomCommands::choose(double scale) {
    chosen_ = scale;
    settings::write(store_, settings::kZoom, std::round(scale * 100));
    if (fitToWindow()) {
        menu_.fitToWindowAction->setChecked(false);  // shows the chosen zoom
        return;
    }
    apply(scale);
    layOut_();
}

void ZoomCommands::apply(double scale) {
    board_.setZoom(scale);
    frame_.resize(board_.size());
}
