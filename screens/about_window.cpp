#include "screens/about_window.h"

#include <array>
#include <string>

#include "screens/credits.h"

namespace quillory {

const WindowLayout& Form4::layout() const {
    static const std::u16string credit =
        u"This program is designed by " + std::u16string(authorName);
    // clang-format off
    static const std::array controls{
        ControlLayout{"Label1", ControlKind::Label, credit, {840, 960, 2775, 255}, 0},
        ControlLayout{"Label2", ControlKind::Label, u"Quillory V1.00 Beta", {1200, 240, 2055, 255}, 1},
        ControlLayout{"Label3", ControlKind::Label, u"Please visit my web sit at", {0, 1680, 1815, 375}, 2},
        ControlLayout{"Label4", ControlKind::Label, webSiteAddress, {2160, 1680, 2415, 375}, 3},
        ControlLayout{"Label5", ControlKind::Label, u"or e-mail me at", {720, 2160, 1095, 495}, 4},
        ControlLayout{"Label6", ControlKind::Label, emailAddress, {2160, 2160, 1935, 495}, 5},
    };
    // clang-format on
    static const WindowLayout layout{WindowId::Form4, u"About", Border::Fixed, 4680, 3120,
                                     controls};
    return layout;
}

}  // namespace quillory
