#include "host/spoken_text.h"

#include <algorithm>

namespace quillory {

std::u16string spokenText(const ControlLayout& control, std::u16string_view text) {
    if (control.accessibleName.empty()) {
        return std::u16string(text);
    }
    std::u16string spoken(control.accessibleName);
    if (control.kind == ControlKind::Label && !text.empty()) {
        spoken.append(u": ").append(text);
    }
    return spoken;
}

std::u16string windowDescription(const WindowLayout& window) {
    auto lines = window.inTabOrder();
    std::erase_if(lines, [](const ControlLayout* c) { return !c->describesWindow; });
    std::ranges::sort(lines, {},
                      [](const ControlLayout* c) { return std::pair(c->rect.top, c->rect.left); });
    std::u16string description;
    for (const auto* line : lines) {
        description.append(description.empty() ? u"" : u"\n").append(line->caption);
    }
    return description;
}

}  // namespace quillory
