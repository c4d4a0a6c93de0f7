#pragma once

#include <string_view>

#include "host/window.h"

// The windows around the test: the main menu, the verb list and About.
namespace quillory {

// Form1, the main menu: the start-up window from which the learner opens the
// verb list, the test and the About window, or leaves the program.
class Form1 final : public Window {
public:
    Form1();
    void onClick(Host& host, std::string_view button) override;
};

// Form2, the verb list: the whole reference list in one scrolling text box
// and a button back to the main menu.
class Form2 final : public Window {
public:
    Form2();
    void onLoad(Host& host) override;
    void onClick(Host& host, std::string_view button) override;
    // However the list closes, the learner comes back to the menu.
    void onUnload(Host& host) override;
};

// Form4, the About window: the version line and the credits. It has no
// handlers; only its close box closes it.
extern const WindowLayout form4Layout;

// Who made the program and where to find more of it. The addresses use a
// domain reserved for examples, so they can never reach a stranger.
inline constexpr std::u16string_view designedBy = u"This program is designed by Quillory";
inline constexpr std::u16string_view webSiteAddress = u"www.quillory.example";
inline constexpr std::u16string_view emailAddress = u"me@quillory.example";

}  // namespace quillory
