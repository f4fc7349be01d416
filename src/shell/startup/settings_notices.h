#pragma once

class Dialogs;
class IniSettingsStore;

// Tells the player, in plain words, when the settings file they had could not be used and
// where it was moved. Shows nothing when the file was fine.
void tellIfSettingsMovedAside(const IniSettingsStore& store, Dialogs& dialogs);

// From now on, the first save that fails tells the player that their records could not be
// saved, and where; later failures stay quiet.
void tellWhenRecordsCannotBeSaved(IniSettingsStore& store, Dialogs& dialogs);
