#include "screens/verb_list_window.h"

#include <array>
#include <string>

#include "screens/verb_list_text.h"

namespace quillory {

const WindowLayout& Form2::layout() const {
    static const std::u16string listText = verbListText();
    // Text1 is 60 twips wider than the window, so the border cuts off its
    // right edge. It is read-only: the list is reference text.
    // clang-format off
    static const std::array controls{
        ControlLayout{"Text1", ControlKind::TextBox, listText, {0, 0, 9135, 6615}, 0, {}, {},
                      TextBoxStyle{.multiLine = true, .verticalScrollBar = true, .readOnly = true}},
        ControlLayout{"Command1", ControlKind::Button, u"Back to menu", {3360, 6720, 1935, 375}, 1},
    };
    // clang-format on
    static const WindowLayout layout{
        WindowId::Form2, u"Irregular verb list", Border::Fixed, 9075, 7230, controls};
    return layout;
}

void Form2::onClick(Host& host, std::string_view button) {
    if (button == "Command1") {  // Back to menu
        host.unload(WindowId::Form2);
        host.show(WindowId::Form1);
    }
}

void Form2::onUnload(Host& host) { host.show(WindowId::Form1); }

}  // namespace quillory
