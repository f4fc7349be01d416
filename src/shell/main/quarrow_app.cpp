#include "shell/main/quarrow_app.h"

#include "shell/main/main_window.h"
#include "shell/startup/settings_notices.h"
#include "shell/startup/splash_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {
// $XDG_DATA_HOME/quarrow/data, normally ~/.local/share/quarrow/data.
QString userThemeFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/quarrow/data");
}

// $XDG_STATE_HOME/quarrow/saved-game, normally ~/.local/state/quarrow/saved-game.
QString savedGameFile() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!state.startsWith(QLatin1Char('/')))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/quarrow/saved-game");
}
}  // namespace

QuarrowApp::QuarrowApp(const QString& programFolder)
    : gameMedia_(mediaThread_),
      splashMedia_(mediaThread_),
      sound_(state_, gameMedia_, programFolder + QStringLiteral("/sfx")),
      services_{state_, dialogs_,      settings_,         sound_,
                shell_, programFolder, userThemeFolder(), savedGameFile()} {
    // Logging out keeps the game in play; before the main window there is nothing to keep.
    QObject::connect(&termination_, &TerminationSignal::received, [this] {
        if (mainWindow_) {
            mainWindow_->closeForTermination();
        } else {
            QCoreApplication::exit(0);
        }
    });
}

QuarrowApp::~QuarrowApp() = default;

void QuarrowApp::start(const QString& editFile) {
    editFile_ = editFile;
    tellIfSettingsMovedAside(settings_, dialogs_);
    tellWhenRecordsCannotBeSaved(settings_, dialogs_);
    auto* splash = new SplashWindow(services_, splashMedia_);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash_ = splash;
    QObject::connect(splash, &SplashWindow::finished, splash, [this] { openMainWindow(); });
    splash->show();
}

void QuarrowApp::openMainWindow() {
    mainWindow_ = std::make_unique<MainWindow>(services_);
    // The first-run question comes before the main window is shown: centre it on the screen,
    // not over a window that is not there yet.
    if (!mainWindow_->load()) {
        // The warranty was declined: end at once, showing nothing.
        QCoreApplication::exit(0);
        return;
    }
    QObject::connect(mainWindow_.get(), &MainWindow::quitConfirmed, [this] {
        // The last saves reach the disk, or the player hears why not, before the program ends.
        settings_.waitForSaves();
        QCoreApplication::exit(0);
    });
    dialogs_.setOwner(mainWindow_.get());
    mainWindow_->showCentred();
    if (!editFile_.isEmpty()) mainWindow_->editPuzzleFile(editFile_);
}
