// The suite compares pictures and exhibits painted in-process, which needs a Qt application.
#include <QGuiApplication>
#include <QHashFunctions>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QHashSeed::setDeterministicGlobalSeed(); // as zorvane-cli: exhibits compared byte for byte
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
