#include "screens/screens.h"

#include <array>

namespace quillory {

// Nothing here takes the focus, so the window's lines are its description.
// "web sit" is the program's own: see main_menu.cpp.
// clang-format off
constexpr auto controls = std::to_array<ControlLayout>({
    {.name = "Label1", .caption = designedBy, .rect = {840, 960, 2775, 255}, .tabIndex = 0,
     .describesWindow = true},
    {.name = "Label2", .caption = u"Quillory V1.00 Beta", .rect = {1200, 240, 2055, 255},
     .tabIndex = 1, .describesWindow = true},
    {.name = "Label3", .caption = u"Please visit my web sit at", .rect = {0, 1680, 1815, 375},
     .tabIndex = 2, .describesWindow = true},
    {.name = "Label4", .caption = webSiteAddress, .rect = {2160, 1680, 2415, 375}, .tabIndex = 3,
     .describesWindow = true},
    {.name = "Label5", .caption = u"or e-mail me at", .rect = {720, 2160, 1095, 495}, .tabIndex = 4,
     .describesWindow = true},
    {.name = "Label6", .caption = emailAddress, .rect = {2160, 2160, 1935, 495}, .tabIndex = 5,
     .describesWindow = true},
});

constexpr WindowLayout form4Layout{.id = WindowId::Form4, .caption = u"About", .clientWidth = 4680,
                                   .clientHeight = 3120, .controls = controls};
// clang-format on

}  // namespace quillory
