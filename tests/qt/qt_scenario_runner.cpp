#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QWindow>
#include <atomic>
#include <thread>

#include "app/windows.h"
#include "host/qt/qt_toolkit.h"
#include "qt_driver.h"

namespace quillory::scenario {
namespace {

constexpr int scenarioFinished =
    2;  // the loop's exit code when the scenario, not the program, ends it

// Closes a message box the scenario left open, so the program's handler can
// return and the test can end.
void closeLeftoverMessageBoxes() {
    while (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        ADD_FAILURE() << "the scenario left a message box open: " << box->text().toStdString();
        box->done(QMessageBox::Ok);
    }
}

}  // namespace

// The program runs on this thread with its real event loop; the scenario
// runs on a second thread and reaches the program only through the driver.
void runScenario(const Scenario& scenario) {
    QtToolkit toolkit;
    WindowHost host(toolkit, makeWindows());
    toolkit.attach(host);
    host.start(WindowId::Form1);
    // A learner starts once the menu is on screen with the keyboard focus.
    // The window system reports the activation later, in the event loop: a
    // scenario that began before it would send its first keys to no window.
    if (!QTest::qWaitFor([] { return QGuiApplication::focusWindow() != nullptr; })) {
        ADD_FAILURE() << "the start-up window never received the keyboard focus";
    }

    QtDriver driver(host);
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        try {
            scenario(driver);
        } catch (const std::exception& error) {
            ADD_FAILURE() << "scenario stopped: " << error.what();
        }
        finished = true;
        QMetaObject::invokeMethod(
            qApp,
            [] {
                closeLeftoverMessageBoxes();
                QCoreApplication::exit(scenarioFinished);
            },
            Qt::QueuedConnection);
    });

    const int exitCode = QApplication::exec();
    if (host.runEnded()) {
        EXPECT_EQ(exitCode, 0) << "the run ended but the event loop went on";
    }
    // After the run ends the scenario may still look at what is left.
    while (!finished) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    worker.join();
    QCoreApplication::processEvents();
}

}  // namespace quillory::scenario
