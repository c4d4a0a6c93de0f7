#include "screens/about_window.h"

#include <array>
#include <string>

#include "screens/credits.h"

namespace quillory {

// Nothing here takes the focus, so the window's lines are its description.
// "web sit" is the program's own: see main_menu.cpp.
const WindowLayout& Form4::layout() const {
    static const std::u16string credit =
        u"This program is designed by " + std::u16string(authorName);
    // clang-format off
    static const std::array controls{
        ControlLayout{.name = "Label1", .caption = credit,
                      .rect = {840, 960, 2775, 255}, .tabIndex = 0, .describesWindow = true},
        ControlLayout{.name = "Label2", .caption = u"Quillory V1.00 Beta",
                      .rect = {1200, 240, 2055, 255}, .tabIndex = 1, .describesWindow = true},
        ControlLayout{.name = "Label3", .caption = u"Please visit my web sit at",
                      .rect = {0, 1680, 1815, 375}, .tabIndex = 2, .describesWindow = true},
        ControlLayout{.name = "Label4", .caption = webSiteAddress,
                      .rect = {2160, 1680, 2415, 375}, .tabIndex = 3, .describesWindow = true},
        ControlLayout{.name = "Label5", .caption = u"or e-mail me at",
                      .rect = {720, 2160, 1095, 495}, .tabIndex = 4, .describesWindow = true},
        ControlLayout{.name = "Label6", .caption = emailAddress,
                      .rect = {2160, 2160, 1935, 495}, .tabIndex = 5, .describesWindow = true},
    };
    // clang-format on
    static const WindowLayout layout{WindowId::Form4, u"About", Border::Fixed, 4680, 3120,
                                     controls};
    return layout;
}

}  // namespace quillory
