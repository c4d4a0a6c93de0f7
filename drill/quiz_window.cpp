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
constexpr auto controls = std::to_array<ControlLayout>({
    {.name = "Label2", .caption = infinitive, .rect = {120, 720, 1335, 255}, .tabIndex = 0},
    {.name = "Label3", .caption = pastTense, .rect = {2160, 720, 1335, 255}, .tabIndex = 1},
    {.name = "Label4", .caption = pastParticiple, .rect = {4200, 720, 1335, 255}, .tabIndex = 2},
    {.name = "Text3", .kind = ControlKind::TextBox, .rect = {4080, 1080, 1575, 375}, .tabIndex = 3,
     .accessibleName = pastParticiple, .describedBy = "Label1"},
    {.name = "Text2", .kind = ControlKind::TextBox, .rect = {2040, 1080, 1575, 375}, .tabIndex = 4,
     .accessibleName = pastTense, .describedBy = "Label1"},
    {.name = "Label1", .rect = {0, 1080, 1575, 375}, .tabIndex = 5, .accessibleName = infinitive},
    {.name = "Command1", .kind = ControlKind::Button, .caption = u"Check &Past Tense",
     .rect = {240, 2400, 1215, 495}, .tabIndex = 6},
    {.name = "Command2", .kind = ControlKind::Button, .caption = u"Check P&ast Participle",
     .rect = {2100, 2400, 1335, 495}, .tabIndex = 7},
    {.name = "Command3", .kind = ControlKind::Button, .caption = u"&Next",
     .rect = {4080, 2400, 1215, 495}, .tabIndex = 8},
    {.name = "Command4", .kind = ControlKind::Button, .caption = u"Back to &main menu",
     .rect = {3120, 3120, 1695, 495}, .tabIndex = 9},
    {.name = "Command5", .kind = ControlKind::Button, .caption = u"&Back",
     .rect = {960, 3120, 1215, 495}, .tabIndex = 10},
});

constexpr WindowLayout form3Layout{.id = WindowId::Form3, .caption = u"Verb test",
                                   .border = Border::Sizable, .clientWidth = 5640,
                                   .clientHeight = 3735, .controls = controls};
// clang-format on

std::u16string shownVerb(Host& host) { return host.text(WindowId::Form3, "Label1"); }

}  // namespace

Form3::Form3() : Window(form3Layout) {}

void Form3::onLoad(Host& host) { host.setText(WindowId::Form3, "Label1", start(table_)); }

void Form3::onUnload(Host& host) { host.show(WindowId::Form1); }

void Form3::onClick(Host& host, std::string_view button) {
    if (button == "Command1") {
        const auto answer = host.text(WindowId::Form3, "Text2");
        host.messageBox(checkPastTense(table_, answer, shownVerb(host)));
    } else if (button == "Command2") {
        const auto answer = host.text(WindowId::Form3, "Text3");
        host.messageBox(checkPastParticiple(table_, answer, shownVerb(host)));
    } else if (button == "Command3") {
        step(host, next);
    } else if (button == "Command4") {  // Back to main menu
        host.unload(WindowId::Form3);
        host.show(WindowId::Form1);
    } else if (button == "Command5") {
        step(host, back);
    }
}

// Next and Back empty both answers before moving, even at either end.
void Form3::step(Host& host, std::u16string (*move)(const VerbTable&, std::u16string_view)) const {
    host.setText(WindowId::Form3, "Text2", u"");
    host.setText(WindowId::Form3, "Text3", u"");
    host.setText(WindowId::Form3, "Label1", move(table_, shownVerb(host)));
}

}  // namespace quillory
