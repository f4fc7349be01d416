#include "shell/startup/settings_notices.h"
#include "platform/settings_store.h"
#include "support/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SettingsNotices, AMovedFileIsNamedOnceAndAGoodOneSaysNothing) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/QRW.ini";
    ASSERT_TRUE(QFile::link("/dev/zero", path));
    ScriptedDialogs dialogs;
    {
        const IniSettingsStore store(path);
        tellIfSettingsMovedAside(store, dialogs);
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_TRUE(dialogs.last().text.endsWith(QDir::toNativeSeparators(store.movedAsidePath())));
        EXPECT_EQ(dialogs.last().icon, MsgIcon::Exclamation);
    }
    dialogs.clear();
    const IniSettingsStore again(path);  // the fresh file from the run before
    tellIfSettingsMovedAside(again, dialogs);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST(SettingsNotices, RecordsThatCannotBeSavedAreReportedOnceWithTheirPlace) {
    QTemporaryDir dir;
    QFile blocker(dir.path() + "/QRW");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    IniSettingsStore store(dir.path() + "/QRW/QRW.ini");
    ScriptedDialogs dialogs;
    tellWhenRecordsCannotBeSaved(store, dialogs);
    settings::addToCounter(store, "S_COMP", 1);
    settings::addToCounter(store, "S_PLAYED", 1);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().text, "Your settings and records could not be saved to:\n" +
                                       QDir::toNativeSeparators(store.fileName()));
}
