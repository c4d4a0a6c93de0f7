#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A reference model of what the learner can see of the running program,
// written from the program's described behaviour and not from the windows' code: which
// windows are loaded, the test's shown verb and two answers, the keyboard
// focus where it can be known, the open message box and the end of the run.
// It knows the windows only as their layout tables describe them,
// and the verbs only as data (drill/verb_rows.h); it calls no handler, no
// host and no toolkit.
namespace quillory::reliability {

enum class Form { Form1, Form2, Form3, Form4 };
inline constexpr std::array allForms{Form::Form1, Form::Form2, Form::Form3, Form::Form4};
std::string_view nameOf(Form form);

enum class KeyPress { Tab, ShiftTab, Enter, Escape };

// One thing the learner does.
struct Action {
    enum class Kind {
        Click,     // a left click in the middle of a control of a loaded window
        CloseBox,  // the title-bar close box of a loaded window
        Key,       // a key, to whatever has the keyboard focus
        Alt,       // Alt with a letter
        Type,      // text typed into the focused box
        Dismiss,   // a click on the open message box's OK button
        Look,      // nothing: the run is over, only its end can be seen
    };
    Kind kind = Kind::Look;
    Form window = Form::Form1;
    std::string control;
    KeyPress key = KeyPress::Tab;
    char letter = 'a';
    std::u16string text;
    bool inOnePiece = false;  // entered as an input method commits it, not key by key
    int times = 1;            // a click repeated, as on Next through the whole test
};

// A single-line answer box: its text, and where typing goes. Typing replaces
// a selection; there is one only when Tab or Shift+Tab brought the focus into
// the box, which then selects its whole text (as a native dialog does).
struct AnswerBox {
    std::u16string text;
    std::optional<std::size_t> caret = 0;  // in UTF-16 units; unknown after a click into text
    bool allSelected = false;
};

// The keyboard focus as the model predicts it.
struct FocusExpectation {
    enum class Kind {
        Unknown,     // no window is known to be active: the window manager decides
        MessageBox,  // the open message box has it
        None,        // the active window has no control that takes the focus
        Control,
    };
    Kind kind = Kind::Unknown;
    Form window = Form::Form1;
    std::string control;
};

class Model {
public:
    // The program as it starts: the main menu, focused on Verb list.
    Model();

    // Whether the learner can do this now, in a way the model predicts.
    [[nodiscard]] bool allows(const Action& action) const;
    void apply(const Action& action);

    [[nodiscard]] bool ended() const { return ended_; }
    [[nodiscard]] bool isLoaded(Form form) const;
    [[nodiscard]] std::vector<std::string> loadedNames() const;  // sorted
    [[nodiscard]] const std::optional<std::u16string>& messageBox() const { return messageBox_; }
    // Form3's state; meaningful while it is loaded.
    [[nodiscard]] std::u16string_view shownVerb() const;
    [[nodiscard]] std::size_t shownVerbIndex() const { return verb_; }
    [[nodiscard]] const AnswerBox& pastTense() const { return answers_[0]; }   // Text2
    [[nodiscard]] const AnswerBox& participle() const { return answers_[1]; }  // Text3
    [[nodiscard]] FocusExpectation focus() const;

    // What a click can land on in a loaded window: its buttons and boxes, and
    // a label that takes no focus (clicking it only activates the window).
    [[nodiscard]] static std::vector<std::string_view> clickTargets(Form form);
    // Where the keyboard focus is known to be in an answer box of Form3 or the
    // verb list's box, that box's control name; otherwise empty.
    [[nodiscard]] std::string_view focusedBox() const;
    // The answer box the focus is in, if any.
    [[nodiscard]] const AnswerBox* focusedAnswer() const;
    [[nodiscard]] std::optional<Form> activeWindow() const { return active_; }

    // The most characters an answer box is asked to hold: 30,000, the limit
    // of a native edit box (Qt's is 32,767). Actions stay below it.
    static constexpr std::size_t boxCapacity = 30000;

private:
    enum class FocusReason { Mouse, Tab, Shortcut };
    enum class BoxOwner { Test, Farewell };

    void click(Form form, std::string_view control);
    void press(Form form, std::string_view button);
    void key(KeyPress key);
    void alt(char letter);
    void type(std::u16string_view text);
    void dismiss();

    void show(Form form);
    void unload(Form form);
    void moveFocus(Form form, std::string_view control, FocusReason reason);
    void endIfNoWindow();
    AnswerBox* answerBox(Form form, std::string_view control);

    std::array<bool, 4> loaded_{};
    bool ended_ = false;
    std::optional<std::u16string> messageBox_;
    BoxOwner boxOwner_ = BoxOwner::Test;
    std::optional<Form> active_;
    std::array<std::string, 4> focus_;  // each window's focused control; empty: none
    std::size_t verb_ = 0;              // Form3's shown verb, an index into the verb rows
    std::array<AnswerBox, 2> answers_;  // Form3's Text2 and Text3
};

// The messages the program shows.
inline constexpr std::u16string_view rightMessage = u"Well done, you got it right!";
inline constexpr std::u16string_view wrongPastTenseMessage = u"Wrong, please try again";
inline constexpr std::u16string_view wrongParticipleMessage = u"Wrong please try again";
inline constexpr std::u16string_view farewellMessage =
    u"Please visit my web site at www.quillory.example for more downloads!";

}  // namespace quillory::reliability
