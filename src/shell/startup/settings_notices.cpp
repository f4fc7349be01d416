#include "shell/startup/settings_notices.h"

#include "platform/dialogs.h"
#include "platform/settings_store.h"

#include <QDir>

namespace {
const QString kTitle = QStringLiteral("Quarrow");
}

void tellIfSettingsMovedAside(const IniSettingsStore& store, Dialogs& dialogs) {
    if (store.movedAsidePath().isEmpty()) return;
    dialogs.message(QStringLiteral("Your settings file could not be read, so the game starts "
                                   "with the default settings. The old file was moved to:\n") +
                        QDir::toNativeSeparators(store.movedAsidePath()),
                    kTitle, MsgButtons::Ok, MsgIcon::Exclamation);
}

void tellWhenRecordsCannotBeSaved(IniSettingsStore& store, Dialogs& dialogs) {
    store.onSaveFailed([&dialogs](const QString& path) {
        dialogs.message(QStringLiteral("Your settings and records could not be saved to:\n") +
                            QDir::toNativeSeparators(path),
                        kTitle, MsgButtons::Ok, MsgIcon::Exclamation);
    });
}
