#pragma once

#include "core/game_state.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "platform/sound/sound_player.h"
#include "support/recording_media.h"
#include "support/recording_shell.h"
#include "support/scripted_dialogs.h"

#include <QTemporaryDir>

#include <memory>

// Everything a window needs, with doubles: an empty settings store in a fresh temporary folder,
// scripted dialogs, a recording media control and shell, and a program folder of its own
// (empty data/ and sfx/ folders) that tests may fill.
struct TestEnv {
    TestEnv();

    QTemporaryDir dir;
    GameState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<IniSettingsStore> settings;
    RecordingMedia media;
    SoundPlayer sound;
    RecordingShell shell;
    Services services;

    QString programFolder() const { return services.programFolder; }
    // Where the sound player looks for the named wave file.
    QString sfxFile(const QString& name) const { return programFolder() + "/sfx/" + name; }
    // The same services writing into another settings store.
    Services withStore(SettingsStore& store) {
        return {
            state, dialogs, store, sound, shell, services.programFolder, services.userThemeFolder};
    }
    // Writes a file under the program folder (e.g. "data/fruit.qrw") with the given bytes.
    void writeFile(const QString& relativePath, const QByteArray& bytes) const;
};
