#include "screens/screens.h"

#include <array>
#include <string>

namespace quillory {
namespace {

constexpr Font menuFont(double points) { return {.family = u"MS Sans Serif", .points = points}; }

// The program's own spellings stay as they are, slips included: "Lable1" here,
// "web sit" in the About window but "web site" in the farewell box, one comma
// between the two wrong answers. The greeting is read out when the menu
// opens. Tab goes Verb list, Test, About, Exit; on screen Exit comes third.
// clang-format off
constexpr auto controls = std::to_array<ControlLayout>({
    {.name = "Lable1", .caption = u"Welcome to the Verb list/test!", .rect = {1080, 240, 3975, 375},
     .tabIndex = 0, .font = menuFont(13.5), .colour = Colour{0, 0, 255}, .describesWindow = true},
    {.name = "Label1", .caption = u"What would you like to do?", .rect = {1440, 960, 2895, 375},
     .tabIndex = 1, .font = menuFont(12), .colour = Colour{255, 0, 0}, .describesWindow = true},
    {.name = "Command1", .kind = ControlKind::Button, .caption = u"Verb list",
     .rect = {120, 2040, 1215, 495}, .tabIndex = 2},
    {.name = "Command2", .kind = ControlKind::Button, .caption = u"Test",
     .rect = {1640, 2040, 1215, 495}, .tabIndex = 3},
    {.name = "Command3", .kind = ControlKind::Button, .caption = u"About Quillory 1.0",
     .rect = {4680, 2040, 1215, 495}, .tabIndex = 4},
    {.name = "Command4", .kind = ControlKind::Button, .caption = u"Exit",
     .rect = {3160, 2040, 1215, 495}, .tabIndex = 5},
});

constexpr WindowLayout form1Layout{.id = WindowId::Form1, .caption = u"Quillory 1.0",
                                   .clientWidth = 6075, .clientHeight = 2835, .controls = controls};
// clang-format on

}  // namespace

Form1::Form1() : Window(form1Layout) {}

void Form1::onClick(Host& host, std::string_view button) {
    if (button == "Command1") {  // Verb list
        host.unload(WindowId::Form1);
        host.show(WindowId::Form2);
    } else if (button == "Command2") {  // Test
        host.unload(WindowId::Form1);
        host.show(WindowId::Form3);
    } else if (button == "Command3") {  // About, beside the menu
        host.show(WindowId::Form4);
    } else if (button == "Command4") {  // Exit
        host.unload(WindowId::Form1);
        host.messageBox(u"Please visit my web site at " + std::u16string(webSiteAddress) +
                        u" for more downloads!");
    }
}

}  // namespace quillory
