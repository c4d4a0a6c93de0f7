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
        const auto control = s.control();
        if (s.kind == Ok) {
            toolkit_.box.reset();
        }
        if (toolkit_.box || id == allWindows.end() || !host_.isLoaded(*id)) {
            return;  // a message box blocks every window
        }
        const auto& layout = host_.layoutOf(*id);
        if (s.kind == Click && layout.find(control)->kind == ControlKind::Button) {
            host_.click(*id, control);
        } else if (s.kind == CloseBox) {
            host_.closeBox(*id);
        } else if (s.kind == TypeInto && !layout.find(control)->textBox.readOnly) {
            toolkit_.texts.at(FakeToolkit::key(*id, control)) += s.text;
        } else if (s.kind == AltIn) {
            const auto button = std::ranges::find_if(layout.controls, [&control](const auto& c) {
                const auto mark = c.caption.find(u'&');
                return mark != std::u16string_view::npos &&
                       std::tolower(c.caption[mark + 1]) == control.front();
            });
            if (button != layout.controls.end()) {
                host_.click(*id, button->name);
            }
        }
    }

    [[nodiscard]] Snapshot snapshot() const {
        Snapshot s{
            .box = toolkit_.box ? u"Quillory\n" + *toolkit_.box : std::optional<std::u16string>(),
            .ended = host_.runEnded() && !toolkit_.box};
        for (const auto id : allWindows) {
            if (host_.isLoaded(id)) {
                s.windows.emplace_back(nameOf(id));
            }
        }
        if (host_.isLoaded(WindowId::Form3)) {
            s.verb = toolkit_.texts.at("Form3.Label1");
            s.pastTense = toolkit_.texts.at("Form3.Text2");
            s.participle = toolkit_.texts.at("Form3.Text3");
        }
        return s;
    }

private:
    FakeToolkit toolkit_;
    WindowHost host_{toolkit_, makeWindows()};
};

}  // namespace

std::vector<Snapshot> expectedSnapshots(const std::vector<Step>& steps) {
    Oracle oracle;
    std::vector<Snapshot> snapshots;
    for (const auto& step : steps) {
        oracle.apply(step);
        snapshots.push_back(oracle.snapshot());
    }
    return snapshots;
}

}  // namespace quillory::gui
