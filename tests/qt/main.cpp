#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>
#include <optional>

#include "host/qt/qt_startup.h"

int main(int argc, char* argv[]) {
    // Headless unless a display platform is asked for, as under Xvfb.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt wants a runtime folder; without one it would leave its own in /tmp.
    std::optional<QTemporaryDir> runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", runtime.emplace().path().toLocal8Bit());
    }
    quillory::prepareQtStartup();  // as the program's main does
    ::testing::InitGoogleTest(&argc, argv);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    return RUN_ALL_TESTS();
}
