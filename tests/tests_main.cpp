// Test entry for tests that need a QApplication (offscreen unless a display is asked for).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <clocale>

#include "app/MainStyle.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QString config;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        // The offscreen screen is 800x600 unless told otherwise, smaller than the main window's
        // design: a desktop's screen, so the windows open at the size they are made for.
        config = QDir::temp().filePath(
            QStringLiteral("vc-offscreen-%1.json").arg(QCoreApplication::applicationPid()));
        QFile f(config);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            f.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1920,
                        "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
            f.close();
            qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
        }
    }
    vc::SetApplicationAttributes();  // as the program
    QApplication app(argc, argv);
    if (!config.isEmpty()) QFile::remove(config);  // read when the platform started
    // libmpv refuses to start with a locale whose decimal point is not '.'.
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
