#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// The real services come from the script that runs this, through the environment it sets;
// the player's own settings stay out of reach.
int main(int argc, char** argv) {
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
