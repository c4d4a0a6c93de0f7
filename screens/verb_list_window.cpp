#include "screens/screens.h"

#include <array>

#include "screens/verb_list_text.h"

namespace quillory {
namespace {

constexpr std::u16string_view caption = u"Irregular verb list";

// Text1 is 60 twips wider than the window, whose border cuts off its right
// edge: read-only reference text, named by the window's caption, and filled
// as the window loads, so a run that never opens the list never builds it.
// clang-format off
constexpr auto controls = std::to_array<ControlLayout>({
    {.name = "Text1", .kind = ControlKind::TextBox, .rect = {0, 0, 9135, 6615}, .tabIndex = 0,
     .textBox = {.multiLine = true, .verticalScrollBar = true, .readOnly = true},
     .accessibleName = caption},
    {.name = "Command1", .kind = ControlKind::Button, .caption = u"Back to menu",
     .rect = {3360, 6720, 1935, 375}, .tabIndex = 1},
});

constexpr WindowLayout form2Layout{.id = WindowId::Form2, .caption = caption, .clientWidth = 9075,
                                   .clientHeight = 7230, .controls = controls};
// clang-format on

}  // namespace

Form2::Form2() : Window(form2Layout) {}

void Form2::onLoad(Host& host) { host.setText(WindowId::Form2, "Text1", verbListText()); }

void Form2::onClick(Host& host, std::string_view button) {
    if (button == "Command1") {  // Back to menu
        host.unload(WindowId::Form2);
        host.show(WindowId::Form1);
    }
}

void Form2::onUnload(Host& host) { host.show(WindowId::Form1); }

}  // namespace quillory
