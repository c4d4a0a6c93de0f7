#include "gui/oracle.h"

#include <algorithm>

#include "app/program_windows.h"
#include "core/fake_toolkit.h"
#include "host/window_host.h"

namespace quillory::gui {
namespace {

using enum Step::Kind;

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
