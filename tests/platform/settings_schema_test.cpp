#include "platform/settings_schema.h"

#include "platform/settings_store.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct SettingsSchema : ::testing::Test {
    QTemporaryDir dir;
    IniSettingsStore store{dir.path() + "/QRW.ini"};
};

}  // namespace

TEST_F(SettingsSchema, MissingOrUnreadableValuesGiveTheKeysFallback) {
    const settings::FontKeys& font = settings::kWordsFont;
    EXPECT_EQ(settings::read(store, font.family), "MS Sans Serif");
    EXPECT_DOUBLE_EQ(settings::read(store, font.size), 14);
    EXPECT_TRUE(settings::read(store, font.bold));
    EXPECT_FALSE(settings::read(store, settings::kAnswerPage));
    EXPECT_EQ(settings::readText(store, settings::kCompleted), "0");

    store.write("Settings", "W_FBOLD", "maybe");
    store.write("Settings", "S_COMP", "lots");
    EXPECT_TRUE(settings::read(store, font.bold));
    EXPECT_EQ(settings::readText(store, settings::kCompleted), "lots");
}

TEST_F(SettingsSchema, FontSizesOutsideWhatADialogGivesFallBack) {
    const settings::NumberKey& size = settings::kGridFont.size;
    for (const char* text : {"100000", "inf", "-inf", "nan", "0", "-3", "1e308", "0.5"}) {
        store.write("Settings", "G_FSIZE", text);
        EXPECT_DOUBLE_EQ(settings::read(store, size), 14) << text;
    }
    settings::write(store, size, 13.5);
    EXPECT_EQ(store.read("Settings", "G_FSIZE", {}), "13.5");
    EXPECT_DOUBLE_EQ(settings::read(store, size), 13.5);
}

TEST_F(SettingsSchema, ValuesAreWrittenAsTheFileHasAlwaysHeldThem) {
    settings::write(store, settings::kSound, false);
    settings::write(store, settings::kSecondsPlayed, 125);
    EXPECT_EQ(store.read("Settings", "SOUND", {}), "False");
    EXPECT_EQ(store.read("Settings", "S_TIMEP", {}), "125");
    EXPECT_EQ(settings::fastTimeNameKey(10), "S10_N");
    EXPECT_EQ(settings::fastTimeTimeKey(1), "S1_S");
    EXPECT_EQ(settings::fastTimePuzzleKey(3), "S3_P");
}
