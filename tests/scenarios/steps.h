#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "scenarios/driver.h"

// Small steps that several scenarios share.
namespace quillory::scenario {

inline std::string narrow(std::u16string_view text) {
    std::string out;
    for (const char16_t unit : text) {
        out += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return out;
}

// The program's windows on screen, sorted.
inline std::vector<std::string> windowsOnScreen(Driver& driver) {
    auto names = driver.openWindows();
    std::ranges::sort(names);
    return names;
}

// Reads the open message box, checks it, and presses OK.
inline void expectMessageAndDismiss(Driver& driver, std::u16string_view expected) {
    const auto shown = driver.messageBox();
    ASSERT_TRUE(shown.has_value()) << "expected a message box saying " << narrow(expected);
    EXPECT_EQ(narrow(*shown), narrow(expected));
    EXPECT_EQ(*shown, expected);
    EXPECT_EQ(driver.messageBoxTitle(), u"Quillory");
    driver.dismissMessageBox();
    EXPECT_FALSE(driver.messageBox().has_value()) << "the box is still open after OK";
}

}  // namespace quillory::scenario
