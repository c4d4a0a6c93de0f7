#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/toolkit.h"

namespace quillory {

// A toolkit with no windows behind it: control texts live in a map and every
// call the host makes is written down. A message box returns at once; the
// text it showed is kept until someone takes it.
class FakeToolkit final : public Toolkit {
public:
    void build(const WindowLayout& layout) override {
        note("build", layout.id);
        for (const auto& control : layout.controls) {
            texts[key(layout.id, control.name)] = std::u16string(control.caption);
        }
    }
    void present(WindowId id) override { note("present", id); }
    void activate(WindowId id) override { note("activate", id); }
    void destroy(WindowId id) override { note("destroy", id); }
    std::u16string text(WindowId id, const ControlLayout& control) override {
        return texts.at(key(id, control.name));
    }
    void setText(WindowId id, const ControlLayout& control, std::u16string_view text) override {
        texts.at(key(id, control.name)) = std::u16string(text);
    }
    void messageBox(std::u16string_view text) override {
        log.emplace_back("message box");
        box = std::u16string(text);
    }
    void endRun() override { log.emplace_back("end run"); }

    static std::string key(WindowId id, std::string_view control) {
        return std::string(nameOf(id)) + "." + std::string(control);
    }

    std::vector<std::string> log;
    std::map<std::string, std::u16string, std::less<>> texts;
    std::optional<std::u16string> box;

private:
    void note(std::string_view what, WindowId id) {
        log.push_back(std::string(what) + " " + std::string(nameOf(id)));
    }
};

}  // namespace quillory
