// What only the Windows program does: it sees the screen's own density, and
// moving to a screen of another density rescales every window.
#include <gtest/gtest.h>

#include <cstdlib>

#include "host/win32/dpi.h"
#include "win32/win32_driver.h"

namespace quillory::gui {
namespace {

TEST(Win32Program, IsBuiltAtTheScreensDpiAndFollowsADpiChange) {
    Win32Driver d;
    d.start();
    const auto* menu = d.window("Form1");
    ASSERT_NE(menu, nullptr);
    // The manifest makes the program DPI-aware: Windows does not stretch it.
    EXPECT_EQ(menu->dpi(), win32::systemDpi());
    if (const char* screen = std::getenv("QUILLORY_SCREEN_DPI")) {
        EXPECT_EQ(d.dpi("Form1"), std::atoi(screen));
    }
    constexpr UINT dpi = 144;
    RECT suggested{10, 20, 500, 400};
    SendMessageW(menu->handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(d.describe("Form1"), expectedLayout("Form1", dpi));
    RECT frame{};
    GetWindowRect(menu->handle(), &frame);
    EXPECT_EQ(frame.left, suggested.left);
    EXPECT_EQ(frame.top, suggested.top);
    d.stop();
}

}  // namespace
}  // namespace quillory::gui
