#include "gui/oracle.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "app/program_windows.h"
#include "host/toolkit.h"
#include "host/window_host.h"

namespace quillory::gui {
namespace {

using enum Step::Kind;

// A toolkit with no windows behind it: control texts live in a map, and a
// message box returns at once, its text kept until someone takes it.
class FakeToolkit final : public Toolkit {
public:
    void build(const WindowLayout& layout, ButtonHandler /*onButton*/,
               CloseHandler /*onClose*/) override {
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
    [[noreturn]] void stopProgram(const std::string& reason) override {
        throw std::runtime_error(reason);
    }

    static std::string key(WindowId id, std::string_view control) {
        return std::string(nameOf(id)) + "." + std::string(control);
    }

    std::map<std::string, std::u16string, std::less<>> texts;
    std::optional<std::u16string> box;
};

class Oracle {
public:
    Oracle() { host_.start(WindowId::Form1); }

    void apply(const Step& s) {
        const auto id = std::ranges::find(allWindows, s.window(), nameOf);
        if (s.kind == Ok) {
            toolkit_.box.reset();
        }
        if (toolkit_.box || id == allWindows.end() || !host_.isLoaded(*id)) {
            return;  // a message box blocks every window
        }
        const auto& controls = host_.layoutOf(*id).controls;
        const auto control = std::ranges::find(controls, s.control(), &ControlLayout::name);
        const auto accessKey = [&s](const ControlLayout& c) {
            return c.caption.find(u'&') != std::u16string_view::npos &&
                   std::tolower(c.caption[c.caption.find(u'&') + 1]) == s.control().front();
        };
        if (s.kind == Click && control->kind == ControlKind::Button) {
            host_.click(*id, control->name);
        } else if (s.kind == CloseBox) {
            host_.closeBox(*id);
        } else if (s.kind == TypeInto && !control->textBox.readOnly) {
            toolkit_.texts.at(FakeToolkit::key(*id, control->name)) += s.text;
        } else if (const auto button = std::ranges::find_if(controls, accessKey);
                   s.kind == AltIn && button != controls.end()) {
            host_.click(*id, button->name);
        }
    }

    [[nodiscard]] std::string snapshot() const {
        std::vector<std::string> windows;
        for (const auto id : allWindows) {
            if (host_.isLoaded(id)) {
                windows.emplace_back(nameOf(id));
            }
        }
        const bool test = host_.isLoaded(WindowId::Form3);
        const auto read = [&](const char* control) {
            return test ? toolkit_.texts.at(std::string("Form3.") + control) : u"";
        };
        const auto box = toolkit_.box ? u"Quillory\n" + *toolkit_.box : toolkit_.box;
        return gui::snapshot(windows, read("Label1"), read("Text2"), read("Text3"), box,
                             host_.runEnded() && !toolkit_.box);
    }

private:
    FakeToolkit toolkit_;
    WindowHost host_{toolkit_, makeWindows()};
};

}  // namespace

std::vector<std::string> expectedSnapshots(const std::vector<Step>& steps) {
    Oracle oracle;
    std::vector<std::string> snapshots;
    for (const auto& step : steps) {
        oracle.apply(step);
        snapshots.push_back(oracle.snapshot());
    }
    return snapshots;
}

}  // namespace quillory::gui
