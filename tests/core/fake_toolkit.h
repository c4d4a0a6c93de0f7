#pragma once

#include <map>
#include <optional>
#include <string>

#include "host/toolkit.h"

namespace quillory {

// A toolkit with no windows behind it: control texts live in a map, and a
// message box returns at once, its text kept until someone takes it.
class FakeToolkit final : public Toolkit {
public:
    void build(const WindowLayout& layout) override {
        for (const auto& control : layout.controls) {
            texts[key(layout.id, control.name)] = std::u16string(control.caption);
        }
    }
    void present(WindowId /*id*/) override {}
    void activate(WindowId /*id*/) override {}
    void destroy(WindowId /*id*/) override {}
    std::u16string text(WindowId id, const ControlLayout& control) override {
        return texts.at(key(id, control.name));
    }
    void setText(WindowId id, const ControlLayout& control, std::u16string_view text) override {
        texts.at(key(id, control.name)) = std::u16string(text);
    }
    void messageBox(std::u16string_view text) override { box = std::u16string(text); }
    void endRun() override {}

    static std::string key(WindowId id, std::string_view control) {
        return std::string(nameOf(id)) + "." + std::string(control);
    }

    std::map<std::string, std::u16string, std::less<>> texts;
    std::optional<std::u16string> box;
};

}  // namespace quillory
