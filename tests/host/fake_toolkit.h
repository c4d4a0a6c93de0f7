#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "host/toolkit.h"

namespace quillory {

// A toolkit with no windows behind it: it keeps control texts in a map and
// writes down what the host asked of it, for fast tests of the host's rules
// and the windows' handlers.
class FakeToolkit final : public Toolkit {
public:
    void build(const WindowLayout& layout) override {
        log.push_back("build " + std::string(nameOf(layout.id)));
        for (const auto& control : layout.controls) {
            texts[key(layout.id, control.name)] = std::u16string(control.caption);
        }
    }
    void present(WindowId id) override { log.push_back("present " + std::string(nameOf(id))); }
    void activate(WindowId id) override { log.push_back("activate " + std::string(nameOf(id))); }
    void destroy(WindowId id) override { log.push_back("destroy " + std::string(nameOf(id))); }
    std::u16string text(WindowId id, const ControlLayout& control) override {
        return texts.at(key(id, control.name));
    }
    void setText(WindowId id, const ControlLayout& control, std::u16string_view text) override {
        texts.at(key(id, control.name)) = std::u16string(text);
    }
    void messageBox(std::u16string_view text) override {
        log.push_back("message box");
        messages.emplace_back(text);
        if (whileMessageBoxIsOpen) {
            whileMessageBoxIsOpen();
        }
    }
    void endRun() override { log.push_back("end run"); }

    static std::string key(WindowId id, std::string_view control) {
        return std::string(nameOf(id)) + "." + std::string(control);
    }

    std::vector<std::string> log;
    std::vector<std::u16string> messages;
    std::map<std::string, std::u16string> texts;
    std::function<void()> whileMessageBoxIsOpen;
};

}  // namespace quillory
