#include "drill/quiz_window.h"

#include <array>

#include "drill/quiz.h"

namespace quillory {
namespace {

constexpr std::u16string_view infinitive = u"Infinitive";
constexpr std::u16string_view pastTense = u"Past Tense";
constexpr std::u16string_view pastParticiple = u"Past Participle";

// Text3 comes before Text2 in the tab order, so the window opens with the
// focus in the past-participle box. The answer boxes and the shown verb are
// announced by the headings above them, and the boxes described by the verb.
// clang-format off
constexpr std::array controls{
    ControlLayout{"Label2", ControlKind::Label, infinitive, {120, 720, 1335, 255}, 0},
    ControlLayout{"Label3", ControlKind::Label, pastTense, {2160, 720, 1335, 255}, 1},
    ControlLayout{"Label4", ControlKind::Label, pastParticiple, {4200, 720, 1335, 255}, 2},
    ControlLayout{.name = "Text3", .kind = ControlKind::TextBox, .caption = u"",
                  .rect = {4080, 1080, 1575, 375}, .tabIndex = 3, .accessibleName = pastParticiple,
                  .describedBy = "Label1"},
    ControlLayout{.name = "Text2", .kind = ControlKind::TextBox, .caption = u"",
                  .rect = {2040, 1080, 1575, 375}, .tabIndex = 4, .accessibleName = pastTense,
                  .describedBy = "Label1"},
    ControlLayout{.name = "Label1", .kind = ControlKind::Label, .caption = u"",
                  .rect = {0, 1080, 1575, 375}, .tabIndex = 5, .accessibleName = infinitive},
    ControlLayout{"Command1", ControlKind::Button, u"Check &Past Tense", {240, 2400, 1215, 495}, 6},
    ControlLayout{"Command2", ControlKind::Button, u"Check P&ast Participle",
                  {2100, 2400, 1335, 495}, 7},
    ControlLayout{"Command3", ControlKind::Button, u"&Next", {4080, 2400, 1215, 495}, 8},
    ControlLayout{"Command4", ControlKind::Button, u"Back to &main menu", {3120, 3120, 1695, 495}, 9},
    ControlLayout{"Command5", ControlKind::Button, u"&Back", {960, 3120, 1215, 495}, 10},
};
// clang-format on

constexpr WindowLayout form3Layout{WindowId::Form3, u"Verb test", Border::Sizable, 5640, 3735,
                                   controls};

}  // namespace

const WindowLayout& Form3::layout() const { return form3Layout; }

void Form3::onLoad(Host& host) {
    const auto first = start(table_);
    host.setText(WindowId::Form3, "Label1", first);
}

void Form3::onUnload(Host& host) { host.show(WindowId::Form1); }

void Form3::onClick(Host& host, std::string_view button) {
    if (button == "Command1") {
        checkPastTense(host);
    } else if (button == "Command2") {
        checkPastParticiple(host);
    } else if (button == "Command3") {
        step(host, next);
    } else if (button == "Command4") {  // Back to main menu
        host.unload(WindowId::Form3);
        host.show(WindowId::Form1);
    } else if (button == "Command5") {
        step(host, back);
    }
}

void Form3::checkPastTense(Host& host) const {
    const auto answer = host.text(WindowId::Form3, "Text2");
    const auto verb = host.text(WindowId::Form3, "Label1");
    host.messageBox(quillory::checkPastTense(table_, answer, verb));
}

void Form3::checkPastParticiple(Host& host) const {
    const auto answer = host.text(WindowId::Form3, "Text3");
    const auto verb = host.text(WindowId::Form3, "Label1");
    host.messageBox(quillory::checkPastParticiple(table_, answer, verb));
}

// Next and Back empty both answers before moving, even at either end.
void Form3::step(Host& host, std::u16string (*move)(const VerbTable&, std::u16string_view)) const {
    host.setText(WindowId::Form3, "Text2", u"");
    host.setText(WindowId::Form3, "Text3", u"");
    const auto verb = host.text(WindowId::Form3, "Label1");
    host.setText(WindowId::Form3, "Label1", move(table_, verb));
}

}  // namespace quillory
