#include <gtest/gtest.h>

#include <QApplication>

// The real services come from scripts/check-services, through the environment it sets.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
