// Test entry for tests that need a QApplication (offscreen unless a display is asked for).
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

#include "app/MainStyle.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vc::SetApplicationAttributes();  // as the program
    QApplication app(argc, argv);
    // libmpv refuses to start with a locale whose decimal point is not '.'.
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
