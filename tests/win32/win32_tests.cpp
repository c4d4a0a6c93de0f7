// What only the Windows program does: it sees the screen's own density, and
// moving to a screen of another density rescales every window.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "gui/driver.h"
#include "host/win32/dpi.h"

namespace quillory::gui {
namespace {

TEST(Win32Program, IsBuiltAtTheScreensDpiAndFollowsADpiChange) {
    const auto d = makeDriver();
    d->start();
    // The manifest makes the program DPI-aware: Windows does not stretch it.
    EXPECT_EQ(d->view("Form1")->dpi, static_cast<int>(win32::systemDpi()));
    if (const char* screen = std::getenv("QUILLORY_SCREEN_DPI")) {
        EXPECT_EQ(d->view("Form1")->dpi, std::atoi(screen));
    }
    HWND menu = GetActiveWindow();
    constexpr UINT dpi = 144;
    RECT suggested{10, 20, 500, 400};
    SendMessageW(menu, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(describe(*d, "Form1"), expectedLayout("Form1", dpi));
    RECT frame{};
    GetWindowRect(menu, &frame);
    EXPECT_EQ(frame.left, suggested.left);
    EXPECT_EQ(frame.top, suggested.top);
    d->stop();
}

}  // namespace
}  // namespace quillory::gui
