#pragma once

class BoardWindow;
class QFont;
class SettingsStore;
struct Services;

struct SetupResult {
    bool proceed = false;      // false: the player declined the warranty; end the program
    bool soundChecked = true;  // check mark of Options > Sound (the design check on a first run)
};

// The main window's set-up routine. First run (F_RUN absent or reading true): the warranty
// question; on Yes every default setting is written, on No nothing is. Later runs: the stored
// word-list and grid fonts go onto the board. Reads state.soundOn, which the splash loaded from
// SOUND; sets state.firstRun.
SetupResult setUpAtStart(Services& services, BoardWindow& board);

// Every default setting of a first run, the fonts from the board's first grid cell and first
// word entry, in one operation.
void writeFirstRunSettings(SettingsStore& store, const QFont& gridFont, const QFont& wordsFont);
