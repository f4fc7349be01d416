#pragma once

#include "core/theme_folders.h"
#include "platform/sound/sound_files.h"

#include <QString>

struct GameState;
class Dialogs;
class SettingsStore;
class SoundPlayer;
class ShellOpener;

// What every window is handed: the shared game state and the platform services.
struct Services {
    GameState& state;
    Dialogs& dialogs;
    SettingsStore& settings;
    SoundPlayer& sound;  // the board's media control MM1 with the effect/tune patterns
    ShellOpener& shell;
    QString programFolder;    // holds data/, sfx/ and ReadMe.htm; read-only once installed
    QString userThemeFolder;  // the player's own themes, created when the first one is saved

    // The shipped themes.
    QString dataFolder() const { return programFolder + QStringLiteral("/data"); }
    ThemeFolders themeFolders() const { return {dataFolder(), userThemeFolder}; }
    QString sfxPath(Sound sound) const {
        return programFolder + QStringLiteral("/sfx/") + QLatin1String(soundFile(sound));
    }
};
