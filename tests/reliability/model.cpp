#include "reliability/model.h"

#include <algorithm>
#include <span>

#include "drill/verb_rows.h"

namespace quillory::reliability {
namespace {

// The windows as their layout tables give them: the controls that
// take the focus, in tab order, with their access keys, and one label each
// window may be clicked on.
enum class Kind { Button, AnswerBox, ListBox };

struct Control {
    std::string_view name;
    Kind kind;
    char accessKey = 0;
};

constexpr std::array<Control, 4> form1Controls{{
    {"Command1", Kind::Button},  // Verb list
    {"Command2", Kind::Button},  // Test
    {"Command3", Kind::Button},  // About
    {"Command4", Kind::Button},  // Exit
}};
constexpr std::array<Control, 2> form2Controls{{
    {"Text1", Kind::ListBox}, {"Command1", Kind::Button},  // Back to menu
}};
constexpr std::array<Control, 7> form3Controls{{
    {"Text3", Kind::AnswerBox},       // past participle
    {"Text2", Kind::AnswerBox},       // past tense
    {"Command1", Kind::Button, 'p'},  // Check Past Tense
    {"Command2", Kind::Button, 'a'},  // Check Past Participle
    {"Command3", Kind::Button, 'n'},  // Next
    {"Command4", Kind::Button, 'm'},  // Back to main menu
    {"Command5", Kind::Button, 'b'},  // Back
}};

std::span<const Control> controlsOf(Form form) {
    switch (form) {
    case Form::Form1: return form1Controls;
    case Form::Form2: return form2Controls;
    case Form::Form3: return form3Controls;
    case Form::Form4: return {};  // labels only: nothing takes the focus
    }
    return {};
}

std::string_view labelOf(Form form) {
    switch (form) {
    case Form::Form1: return "Label1";
    case Form::Form2: return {};
    case Form::Form3: return "Label1";  // the shown verb
    case Form::Form4: return "Label2";  // the version line
    }
    return {};
}

const Control* find(Form form, std::string_view name) {
    for (const auto& control : controlsOf(form)) {
        if (control.name == name) {
            return &control;
        }
    }
    return nullptr;
}

std::size_t indexOf(Form form) { return static_cast<std::size_t>(form); }

std::span<const VerbRow> verbs() { return verbRows(); }

// Right when the answer is not empty and is exactly one of the accepted forms.
bool accepted(std::u16string_view answer, std::u16string_view first, std::u16string_view second) {
    return !answer.empty() && (answer == first || answer == second);
}

}  // namespace

std::string_view nameOf(Form form) {
    constexpr std::array<std::string_view, 4> names{"Form1", "Form2", "Form3", "Form4"};
    return names.at(indexOf(form));
}

Model::Model() { show(Form::Form1); }

bool Model::isLoaded(Form form) const { return loaded_.at(indexOf(form)); }

std::vector<std::string> Model::loadedNames() const {
    std::vector<std::string> names;
    for (const auto form : allForms) {
        if (isLoaded(form)) {
            names.emplace_back(nameOf(form));
        }
    }
    return names;
}

std::u16string_view Model::shownVerb() const { return verbs()[verb_].infinitive; }

std::vector<std::string_view> Model::clickTargets(Form form) {
    std::vector<std::string_view> targets;
    for (const auto& control : controlsOf(form)) {
        targets.push_back(control.name);
    }
    if (const auto label = labelOf(form); !label.empty()) {
        targets.push_back(label);
    }
    return targets;
}

FocusExpectation Model::focus() const {
    if (messageBox_) {
        return {FocusExpectation::Kind::MessageBox, Form::Form1, {}};
    }
    if (!active_) {
        return {FocusExpectation::Kind::Unknown, Form::Form1, {}};
    }
    const auto& control = focus_.at(indexOf(*active_));
    if (control.empty()) {
        return {FocusExpectation::Kind::None, *active_, {}};
    }
    return {FocusExpectation::Kind::Control, *active_, control};
}

std::string_view Model::focusedBox() const {
    if (messageBox_ || !active_) {
        return {};
    }
    const auto* control = find(*active_, focus_.at(indexOf(*active_)));
    return control != nullptr && control->kind != Kind::Button ? control->name : std::string_view{};
}

const AnswerBox* Model::focusedAnswer() const {
    if (!active_ || *active_ != Form::Form3) {
        return nullptr;
    }
    const auto box = focusedBox();
    if (box == "Text2") {
        return &answers_[0];
    }
    if (box == "Text3") {
        return &answers_[1];
    }
    return nullptr;
}

AnswerBox* Model::answerBox(Form form, std::string_view control) {
    if (form != Form::Form3) {
        return nullptr;
    }
    if (control == "Text2") {
        return &answers_[0];
    }
    if (control == "Text3") {
        return &answers_[1];
    }
    return nullptr;
}

bool Model::allows(const Action& action) const {
    if (ended_) {
        return action.kind == Action::Kind::Look;
    }
    switch (action.kind) {
    case Action::Kind::Look: return false;
    case Action::Kind::Click: {
        const auto targets = clickTargets(action.window);
        return isLoaded(action.window) &&
               std::ranges::find(targets, action.control) != targets.end();
    }
    case Action::Kind::CloseBox: return isLoaded(action.window);
    case Action::Kind::Dismiss: return messageBox_.has_value();
    case Action::Kind::Key:
        if (messageBox_) {
            return true;
        }
        if (!active_) {
            return false;
        }
        // Enter on a focused button is left to the platform (only Enter
        // in a box is settled); everywhere else it presses nothing.
        return action.key != KeyPress::Enter || focus_.at(indexOf(*active_)).empty() ||
               !focusedBox().empty();
    case Action::Kind::Alt: {
        if (messageBox_) {
            return true;
        }
        if (!active_) {
            return false;
        }
        // Alt with a letter that is no access key, typed into an answer box,
        // is left open too: Qt types the letter, Windows beeps.
        if (focusedAnswer() == nullptr) {
            return true;
        }
        const auto keys = controlsOf(*active_);
        return std::ranges::any_of(keys,
                                   [&](const Control& c) { return c.accessKey == action.letter; });
    }
    case Action::Kind::Type: {
        // Into a box, never into the message box or onto a button (a blank
        // there presses it).
        if (focusedBox().empty()) {
            return false;
        }
        const auto* box = focusedAnswer();
        if (box == nullptr) {
            return true;  // the verb list: reference text, typing changes nothing
        }
        if (action.text.empty()) {
            return true;
        }
        if (box->allSelected) {
            return action.text.size() <= boxCapacity;
        }
        return box->caret.has_value() && box->text.size() + action.text.size() <= boxCapacity;
    }
    }
    return false;
}

void Model::apply(const Action& action) {
    if (action.times > 1) {
        Action once = action;
        once.times = 1;
        for (int time = 0; time < action.times; ++time) {
            apply(once);
        }
        return;
    }
    if (ended_) {
        return;
    }
    if (messageBox_) {
        // The box is application-modal: only its OK button, Enter and Escape
        // reach it, and no other window takes input or closes meanwhile.
        const bool answered = action.kind == Action::Kind::Dismiss ||
                              (action.kind == Action::Kind::Key &&
                               (action.key == KeyPress::Enter || action.key == KeyPress::Escape));
        if (answered) {
            dismiss();
        }
        return;
    }
    switch (action.kind) {
    case Action::Kind::Click: click(action.window, action.control); break;
    case Action::Kind::CloseBox: unload(action.window); break;
    case Action::Kind::Key: key(action.key); break;
    case Action::Kind::Alt: alt(action.letter); break;
    case Action::Kind::Type: type(action.text); break;
    case Action::Kind::Dismiss:
    case Action::Kind::Look: break;
    }
    endIfNoWindow();
}

void Model::click(Form form, std::string_view control) {
    // The window manager activates the window clicked on.
    active_ = form;
    const auto* clicked = find(form, control);
    if (clicked == nullptr) {
        return;  // a label: nothing there takes the focus
    }
    moveFocus(form, control, FocusReason::Mouse);
    if (clicked->kind == Kind::Button) {
        press(form, control);
    }
}

// The buttons' handlers, as the program's behaviour describes them.
void Model::press(Form form, std::string_view button) {
    switch (form) {
    case Form::Form1:
        if (button == "Command1") {
            unload(Form::Form1);
            show(Form::Form2);
        } else if (button == "Command2") {
            unload(Form::Form1);
            show(Form::Form3);
        } else if (button == "Command3") {
            show(Form::Form4);
        } else if (button == "Command4") {
            unload(Form::Form1);
            messageBox_ = std::u16string(farewellMessage);
            boxOwner_ = BoxOwner::Farewell;
        }
        break;
    case Form::Form2:
        if (button == "Command1") {
            unload(Form::Form2);
            show(Form::Form1);
        }
        break;
    case Form::Form3: {
        const auto& row = verbs()[verb_];
        if (button == "Command1") {
            messageBox_ = std::u16string(accepted(answers_[0].text, row.pastTense, row.pastTenseAlt)
                                             ? rightMessage
                                             : wrongPastTenseMessage);
            boxOwner_ = BoxOwner::Test;
        } else if (button == "Command2") {
            messageBox_ =
                std::u16string(accepted(answers_[1].text, row.pastParticiple, row.pastParticipleAlt)
                                   ? rightMessage
                                   : wrongParticipleMessage);
            boxOwner_ = BoxOwner::Test;
        } else if (button == "Command3" || button == "Command5") {
            // Next and Back empty both answers, then move, stopping at either end.
            answers_ = {};
            if (button == "Command3" && verb_ + 1 < verbs().size()) {
                ++verb_;
            } else if (button == "Command5" && verb_ > 0) {
                --verb_;
            }
        } else if (button == "Command4") {
            unload(Form::Form3);
            show(Form::Form1);
        }
        break;
    }
    case Form::Form4: break;
    }
}

void Model::key(KeyPress key) {
    const Form form = *active_;
    const auto controls = controlsOf(form);
    if (controls.empty()) {
        return;
    }
    if (key != KeyPress::Tab && key != KeyPress::ShiftTab) {
        return;  // no default or cancel button anywhere: Enter and Escape press nothing
    }
    const auto& current = focus_.at(indexOf(form));
    const auto at = std::ranges::find(controls, current, &Control::name);
    const auto position = static_cast<std::size_t>(at - controls.begin());
    const auto count = controls.size();
    const auto next =
        key == KeyPress::Tab ? (position + 1) % count : (position + count - 1) % count;
    moveFocus(form, controls[next].name, FocusReason::Tab);
}

void Model::alt(char letter) {
    const Form form = *active_;
    for (const auto& control : controlsOf(form)) {
        if (control.accessKey == letter) {
            // The access key focuses its button and presses it.
            moveFocus(form, control.name, FocusReason::Shortcut);
            press(form, control.name);
            return;
        }
    }
}

void Model::type(std::u16string_view text) {
    AnswerBox* box = answerBox(*active_, focus_.at(indexOf(*active_)));
    if (box == nullptr || text.empty()) {
        return;  // the verb list's box is read-only
    }
    if (box->allSelected) {
        box->text = text;
        box->allSelected = false;
        box->caret = text.size();
        return;
    }
    box->text.insert(*box->caret, text);
    *box->caret += text.size();
}

void Model::dismiss() {
    messageBox_.reset();
    if (boxOwner_ == BoxOwner::Test) {
        // The box stood over the test window, which gets the keyboard back.
        active_ = Form::Form3;
    } else {
        // The farewell box had no window to return to: what is left (the
        // About window, if anything) is activated by the window manager.
        active_.reset();
    }
    endIfNoWindow();
}

void Model::show(Form form) {
    auto& loaded = loaded_.at(indexOf(form));
    if (!loaded) {
        // Built afresh from the layout: the focus goes to the first control
        // in tab order; the test starts again at the first verb.
        loaded = true;
        const auto controls = controlsOf(form);
        focus_.at(indexOf(form)) = controls.empty() ? "" : std::string(controls.front().name);
        if (form == Form::Form3) {
            verb_ = 0;
            answers_ = {};
        }
    }
    active_ = form;
}

void Model::unload(Form form) {
    if (!isLoaded(form)) {
        return;
    }
    // The verb list's and the test's unload handlers bring back the menu.
    if (form == Form::Form2 || form == Form::Form3) {
        show(Form::Form1);
    }
    loaded_.at(indexOf(form)) = false;
    if (active_ == form) {
        active_.reset();
    }
}

void Model::moveFocus(Form form, std::string_view control, FocusReason reason) {
    auto& focused = focus_.at(indexOf(form));
    if (AnswerBox* leaving = answerBox(form, focused); leaving != nullptr && focused != control) {
        // A box the focus leaves loses its selection; the caret stays at
        // the end, where selecting the whole text put it.
        leaving->allSelected = false;
    }
    focused = std::string(control);
    if (AnswerBox* entering = answerBox(form, control); entering != nullptr) {
        if (reason == FocusReason::Mouse) {
            // The caret goes where the click lands: somewhere in the text.
            entering->allSelected = false;
            entering->caret = entering->text.empty() ? std::optional<std::size_t>(0) : std::nullopt;
        } else if (reason == FocusReason::Tab) {
            entering->allSelected = true;
            entering->caret = entering->text.size();
        }
    }
}

void Model::endIfNoWindow() {
    if (!messageBox_ && std::ranges::none_of(loaded_, [](bool loaded) { return loaded; })) {
        ended_ = true;
        active_.reset();
    }
}

}  // namespace quillory::reliability
