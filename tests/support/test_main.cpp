#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// Tests run headless, never near the player's real settings, and with no sound output even
// where a sound server runs: sound is timed by the media clock alone.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("PULSE_SERVER", "unix:/nonexistent/quarrow-tests-have-no-sound-server");
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
