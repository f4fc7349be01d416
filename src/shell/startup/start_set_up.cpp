#include "shell/startup/start_set_up.h"

#include "board/board_window.h"
#include "core/game_state.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/settings_schema.h"
#include "platform/settings_store.h"
#include "records/fast_times_defaults.h"
#include "shell/fonts/board_fonts.h"
#include "shell/startup/warranty.h"

void writeFirstRunSettings(SettingsStore& store, const QFont& gridFont, const QFont& wordsFont) {
    const SettingsOperation operation(store);
    settings::write(store, settings::kFirstRun, false);
    writeFontKeys(store, FontTarget::Grid, gridFont);
    writeFontKeys(store, FontTarget::Words, wordsFont);
    settings::write(store, settings::kSound, settings::kSound.fallback);
    for (const settings::CounterKey& counter : settings::kCounters)
        settings::write(store, counter, 0);

    // The table goes in the order the store has always received it: row 10's name first.
    const QString times = settings::kFastTimes;
    store.write(times, settings::fastTimeNameKey(10), kResetFastTimes[9].name);
    for (int row = 1; row <= 9; ++row) {
        store.write(times, settings::fastTimeNameKey(row), kResetFastTimes[row - 1].name);
    }
    for (int row = 1; row <= 10; ++row) {
        store.write(times, settings::fastTimeTimeKey(row), kResetFastTimes[row - 1].time);
    }
    for (int row = 1; row <= 10; ++row) {
        store.write(times, settings::fastTimePuzzleKey(row), kResetFastTimes[row - 1].puzzle);
    }
}

SetupResult setUpAtStart(Services& services, BoardWindow& board) {
    GameState& state = services.state;
    // A marker that is no Boolean at all must never lead to the player's records being
    // overwritten with the defaults: it counts as a later run.
    const SettingsStore& store = services.settings;
    const QString& marker = settings::kFirstRun.name;
    state.firstRun = !store.contains(settings::kSettings, marker) ||
                     settings::toBool(store.read(settings::kSettings, marker, {}), false);

    if (state.firstRun) {
        const MsgAnswer answer =
            services.dialogs.message(warrantyQuestion(), QStringLiteral("Warranty"),
                                     MsgButtons::YesNo, MsgIcon::Information);
        if (answer != MsgAnswer::Yes) return {.proceed = false, .soundChecked = true};
        // The stored fonts are whatever the board carries, so make sure it carries the designed
        // ones whatever it was constructed with.
        applyFontToAll(board, FontTarget::Grid, designedCellFont(), FontParts::NameSizeStyle);
        applyFontToAll(board, FontTarget::Words, designedEntryFont(), FontParts::NameSizeStyle);
        writeFirstRunSettings(services.settings, elementFont(board, FontTarget::Grid, 1),
                              elementFont(board, FontTarget::Words, 1));
        return {.proceed = true, .soundChecked = true};
    }

    applyFontToAll(board, FontTarget::Words, storedFont(services.settings, FontTarget::Words),
                   FontParts::NameSizeStyle);
    applyFontToAll(board, FontTarget::Grid, storedFont(services.settings, FontTarget::Grid),
                   FontParts::NameSizeStyle);
    return {.proceed = true, .soundChecked = state.soundOn};
}
