#include "shell/main/zoom_commands.h"

#include "board/board_window.h"
#include "board/board_zoom.h"
#include "platform/settings_store.h"
#include "shell/main/main_menu.h"

#include <QAction>
#include <QMdiSubWindow>

#include <utility>

namespace {
const QString kZoomKey = QStringLiteral("ZOOM");
const QString kFitKey = QStringLiteral("ZOOM_FIT");
}  // namespace

ZoomCommands::ZoomCommands(SettingsStore& store, BoardWindow& board, QMdiSubWindow& frame,
                           const MainMenu& menu, std::function<void()> layOut, QObject* parent)
    : QObject(parent),
      store_(store),
      board_(board),
      frame_(frame),
      menu_(menu),
      layOut_(std::move(layOut)) {
    connect(menu.zoomInx, &QAction::triggered, this, &ZoomCommands::zoomIn);
    connect(menu.zoomOutx, &QAction::triggered, this, &ZoomCommands::zoomOut);
    connect(menu.actualSizex, &QAction::triggered, this, &ZoomCommands::actualSize);
    connect(menu.fitWindowx, &QAction::toggled, this, &ZoomCommands::setFitToWindow);
}

void ZoomCommands::restore() {
    const QString& section = settings::kSettings;
    chosen_ = board_zoom::fromStored(store_.read(section, kZoomKey, QStringLiteral("100")));
    apply(chosen_);
    // Checking the entry lays the board out to fit, as a click on it would.
    menu_.fitWindowx->setChecked(settings::toBool(store_.read(section, kFitKey, {}), false));
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
    return menu_.fitWindowx->isChecked();
}

void ZoomCommands::setFitToWindow(bool on) {
    if (menu_.fitWindowx->isChecked() != on) {
        menu_.fitWindowx->setChecked(on);  // comes back here through `toggled`
        return;
    }
    const QString stored = settings::fromBool(on);
    if (store_.read(settings::kSettings, kFitKey, settings::fromBool(false)) != stored) {
        store_.write(settings::kSettings, kFitKey, stored);
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
    store_.write(settings::kSettings, kZoomKey, board_zoom::toStored(scale));
    if (fitToWindow()) {
        menu_.fitWindowx->setChecked(false);  // shows the chosen zoom
        return;
    }
    apply(scale);
    layOut_();
}

void ZoomCommands::apply(double scale) {
    board_.setZoom(scale);
    frame_.resize(board_.size());
}
