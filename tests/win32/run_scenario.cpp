#include <gtest/gtest.h>

#include <exception>
#include <thread>

#include "app/windows.h"
#include "host/win32/win32_toolkit.h"
#include "scenarios/driver.h"
#include "win32/gui_thread.h"
#include "win32/posted_input.h"
#include "win32/win32_driver.h"

namespace quillory::scenario {
namespace {

// The loop's exit code when the scenario, not the program, ends it.
constexpr int scenarioFinished = 2;

// Closes a message box the scenario left open, so the program's handler
// can return and the test can end.
void closeLeftoverMessageBox() {
    if (HWND box = input::openMessageBox()) {
        ADD_FAILURE() << "the scenario left a message box open";
        SendMessageW(box, WM_COMMAND, IDOK, 0);
    }
}

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

// The program runs on this thread in its own message loop, as wWinMain runs
// it; the scenario runs on a second thread and reaches the program only
// through the driver.
void runScenario(const Scenario& scenario) {
    const GuiThread gui;
    win32::Win32Toolkit toolkit;
    WindowHost host(toolkit, makeWindows());
    toolkit.attach(host);
    host.start(WindowId::Form1);

    Win32Driver driver(toolkit, host, gui);
    bool finished = false;  // on this thread only
    std::thread worker([&] {
        try {
            scenario(driver);
        } catch (const std::exception& error) {
            ADD_FAILURE() << "scenario stopped: " << error.what();
        }
        gui.post([&finished, &host] {
            finished = true;
            closeLeftoverMessageBox();
            if (!host.runEnded()) {
                PostQuitMessage(scenarioFinished);
            }
        });
    });

    const int exitCode = win32::runMessageLoop();
    if (host.runEnded()) {
        EXPECT_EQ(exitCode, 0) << "the run ended but the message loop went on";
    }
    serveUntil(finished);
    worker.join();
}

}  // namespace quillory::scenario
