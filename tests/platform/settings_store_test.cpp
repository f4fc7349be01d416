#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

TEST(SettingsStore, ReadsDefaultsForMissingKeysAndWritesThroughToDisk) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/QRW/QRW.ini";
    {
        IniSettingsStore store(path);
        EXPECT_EQ(store.read("Settings", "F_RUN", "true"), "true");
        EXPECT_FALSE(store.contains("Settings", "F_RUN"));
        store.write("Settings", "SOUND", "False");
        store.write("F_Times", "S1_N", "B.Marsh");
        // Already on disk, before the store goes away.
        QSettings reader(path, QSettings::IniFormat);
        EXPECT_EQ(reader.value("Settings/SOUND").toString(), "False");
        EXPECT_EQ(reader.value("F_Times/S1_N").toString(), "B.Marsh");
    }
    IniSettingsStore reopened(path);
    EXPECT_EQ(reopened.read("Settings", "SOUND", "True"), "False");
}

TEST(SettingsStore, ConversionsTreatCorruptValuesAsTheDefault) {
    EXPECT_TRUE(settings::toBool("TRUE", false));
    EXPECT_TRUE(settings::toBool("true", false));
    EXPECT_FALSE(settings::toBool("fAlSe", true));
    EXPECT_TRUE(settings::toBool("yes please", true));
    EXPECT_FALSE(settings::toBool("", false));
    EXPECT_EQ(settings::fromBool(true), "True");
    EXPECT_EQ(settings::fromBool(false), "False");
    EXPECT_EQ(settings::toInteger(" 42 ", 0), 42);
    EXPECT_EQ(settings::toInteger("4x2", 7), 7);
    EXPECT_DOUBLE_EQ(settings::toNumber("13.5", 0), 13.5);
    EXPECT_EQ(settings::fromNumber(14), "14");
    EXPECT_EQ(settings::fromNumber(13.5), "13.5");
}

TEST(SettingsStore, CountersAddToWhatIsStoredAndRecoverFromGarbage) {
    QTemporaryDir dir;
    IniSettingsStore store(dir.path() + "/QRW.ini");
    EXPECT_EQ(settings::addToCounter(store, "S_COMP", 1), 1);
    EXPECT_EQ(settings::addToCounter(store, "S_COMP", 1), 2);
    EXPECT_EQ(store.read("Settings", "S_COMP", "0"), "2");
    store.write("Settings", "S_REV", "lots");
    EXPECT_EQ(settings::addToCounter(store, "S_REV", 1), 1);
}
