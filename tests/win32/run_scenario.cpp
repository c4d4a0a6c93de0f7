#include <gtest/gtest.h>

#include <exception>
#include <thread>

#include "app/windows.h"
#include "host/win32/win32_toolkit.h"
#include "scenarios/driver.h"
#include "win32/gui_thread.h"
#include "win32/win32_driver.h"

namespace quillory::scenario {
namespace {

// Handles messages until the scenario has finished, for the queries it
// makes after the program's run has ended.
void serveUntil(const bool& finished) {
    MSG message{};
    while (!finished && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

// The program runs on this thread, in its own message loop, exactly as
// wWinMain runs it; the scenario runs on a second thread and reaches the
// program only through the driver.
void runScenario(const Scenario& scenario) {
    const GuiThread gui;
    win32::Win32Toolkit toolkit;
    WindowHost host(toolkit, makeWindows());
    toolkit.attach(host);
    Win32Driver driver(toolkit, host, gui);

    host.start(WindowId::Form1);
    bool finished = false;  // on this thread only
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            scenario(driver);
        } catch (...) {
            failure = std::current_exception();
        }
        gui.post([&finished, &host] {
            finished = true;
            if (!host.runEnded()) {
                PostQuitMessage(0);  // the scenario is done with a running program
            }
        });
    });
    const int exitCode = win32::runMessageLoop();
    serveUntil(finished);
    worker.join();

    EXPECT_EQ(exitCode, 0);
    if (failure) {
        std::rethrow_exception(failure);
    }
}

}  // namespace quillory::scenario
