#include "shell/main/quarrow_app.h"

#include "shell/main/main_window.h"
#include "shell/startup/settings_notices.h"
#include "shell/startup/splash_window.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace {
// $XDG_DATA_HOME/quarrow/data, normally ~/.local/share/quarrow/data.
QString userThemeFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/quarrow/data");
}
}  // namespace

QuarrowApp::QuarrowApp(const QString& programFolder)
    : gameMedia_(mediaThread_),
      splashMedia_(mediaThread_),
      sound_(state_, gameMedia_, programFolder + QStringLiteral("/sfx")),
      services_{state_, dialogs_, settings_, sound_, shell_, programFolder, userThemeFolder()} {}

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
    QObject::connect(mainWindow_.get(), &MainWindow::quitConfirmed,
                     [] { QCoreApplication::exit(0); });
    dialogs_.setOwner(mainWindow_.get());
    mainWindow_->showCentred();
    if (!editFile_.isEmpty()) mainWindow_->editPuzzleFile(editFile_);
}
