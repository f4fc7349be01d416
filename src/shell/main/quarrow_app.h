#pragma once

#include "core/game_state.h"
#include "platform/qt_dialogs.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "platform/shell_opener.h"
#include "platform/sound/media_thread.h"
#include "platform/sound/qt_media_control.h"
#include "platform/sound/sound_player.h"

#include <QPointer>

#include <memory>

class MainWindow;
class SplashWindow;

// The running program: the one game state, the platform services and the windows that live
// for the whole run.
class QuarrowApp {
  public:
    explicit QuarrowApp(const QString& programFolder);
    ~QuarrowApp();

    // Shows the splash; when it has finished, loads and shows the main window, or ends the
    // program at once when the player declines the warranty. A named theme file then opens in
    // the editor.
    void start(const QString& editFile = {});

  private:
    void openMainWindow();

    GameState state_;
    QtDialogs dialogs_;
    IniSettingsStore settings_;
    MediaThread mediaThread_;     // outlives both controls below
    QtMediaControl gameMedia_;    // the board's and the dialogs' sounds
    QtMediaControl splashMedia_;  // the splash's start-up tune
    SoundPlayer sound_;
    DesktopShellOpener shell_;
    Services services_;
    QPointer<SplashWindow> splash_;
    QString editFile_;
    std::unique_ptr<MainWindow> mainWindow_;
};
