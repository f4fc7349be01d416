#include "platform/sound/media_backend.h"

#include <gtest/gtest.h>

TEST(MediaBackend, GStreamerUnlessTheUserChoseOneOrItIsMissing) {
    const QStringList both{QStringLiteral("ffmpeg"), QStringLiteral("gstreamer")};
    EXPECT_EQ(mediaBackendToChoose({}, both), QStringLiteral("gstreamer"));
    EXPECT_EQ(mediaBackendToChoose(QStringLiteral("ffmpeg"), both), QString());
    EXPECT_EQ(mediaBackendToChoose({}, {QStringLiteral("ffmpeg")}), QString());
}

TEST(MediaBackend, FindsTheInstalledBackEnds) {
    // Qt's multimedia package ships both; the package the game is installed from needs GStreamer.
    const QStringList keys = installedMediaBackends();
    EXPECT_TRUE(keys.contains(QStringLiteral("gstreamer"))) << keys.join(u',').toStdString();
    EXPECT_TRUE(keys.contains(QStringLiteral("ffmpeg"))) << keys.join(u',').toStdString();
}
