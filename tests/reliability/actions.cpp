#include "reliability/actions.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <sstream>
#include <utility>
#include <vector>

#include "drill/verb_rows.h"

namespace quillory::reliability {
namespace {

std::atomic<std::uint64_t> actionCount{0};
// Written by the scenario thread, one program at a time.
std::map<std::string, std::uint64_t> tallies;

// What kind of thing an action was, for the figures at the end.
std::string kindOf(const Model& before, const Action& action, const Model& after) {
    const bool blocked = before.messageBox().has_value();
    switch (action.kind) {
    case Action::Kind::Click:
        if (blocked) {
            return "click on a window behind the message box";
        }
        return "click in " + std::string(nameOf(action.window));
    case Action::Kind::CloseBox: return blocked ? "close box behind the message box" : "close box";
    case Action::Kind::Key:
    case Action::Kind::Alt:
        if (blocked) {
            return after.messageBox() ? "key to the message box, ignored"
                                      : "Enter or Escape answering the message box";
        }
        if (!before.focusedBox().empty()) {
            return "key in a text box";
        }
        return "key elsewhere";
    case Action::Kind::Type:
        if (action.text.size() >= 10000) {
            return "10,000-character text entered in one piece";
        }
        return action.inOnePiece ? "text entered in one piece" : "text typed key by key";
    case Action::Kind::Dismiss: return "OK on the message box";
    case Action::Kind::Look: return "look at the ended run";
    }
    return "other";
}

void tally(const Model& before, const Action& action, const Model& after) {
    ++tallies[kindOf(before, action, after)];
    if (after.messageBox() && !before.messageBox()) {
        ++tallies["message: " + printable(*after.messageBox(), 30)];
    }
    if (after.ended()) {
        ++tallies["runs that ended by the learner's actions"];
    }
    if (!after.ended() && !after.messageBox() && !after.activeWindow()) {
        ++tallies["states with no window known to be active"];
    }
    if (after.isLoaded(Form::Form3) && after.shownVerbIndex() >= 20) {
        ++tallies["states with the test past its 20th verb"];
    }
}

using Weighted = std::vector<std::pair<std::size_t, rc::Gen<Action>>>;

// Pieces of typed text: letters of every kind a learner's keyboard or input
// method gives. Each piece is one character as the learner sees it.
const std::vector<std::u16string>& pieces() {
    // clang-format off
    static const std::vector<std::u16string> all{
        u"a", u"e", u"o", u"r", u"s", u"t", u"w", u"n", u"A", u"E", u"R", u"W", u"0", u"7",
        u" ", u"-", u"'", u".", u"&", u"/",
        u"\u00e9", u"\u00f6", u"\u00f1", u"\u00c5", u"\u00df", u"\u00e7",  // é ö ñ Å ß ç
        u"e\u0301",                                                        // e, combining acute
        u"\U0001F600", u"\U0001D552", u"\U00020000",   // 😀 𝕒 𠀀: outside the BMP
        u"\U0001F1EC\U0001F1E7",                        // a flag: two code points
        u"\u05e9", u"\u05dc", u"\u05d5", u"\u05dd",     // Hebrew
        u"\u0643", u"\u062a", u"\u0628",                // Arabic
        u"\u200f", u"\u200e", u"\u200d",                // RLM, LRM, ZWJ
        u"\u6f22",                                      // 漢
    };
    // clang-format on
    return all;
}

std::u16string join(const std::vector<std::u16string>& parts) {
    std::u16string text;
    for (const auto& part : parts) {
        text += part;
    }
    return text;
}

rc::Gen<std::u16string> randomText(int minPieces, int maxPieces) {
    return rc::gen::map(rc::gen::mapcat(rc::gen::inRange(minPieces, maxPieces + 1),
                                        [](int count) {
                                            return rc::gen::container<std::vector<std::u16string>>(
                                                static_cast<std::size_t>(count),
                                                rc::gen::elementOf(pieces()));
                                        }),
                        join);
}

std::vector<std::u16string> formsOf(const VerbRow& row) {
    std::vector<std::u16string> forms;
    for (const auto form :
         {row.pastTense, row.pastTenseAlt, row.pastParticiple, row.pastParticipleAlt}) {
        if (!form.empty()) {
            forms.emplace_back(form);
        }
    }
    return forms;
}

char16_t upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

// A right form made wrong the ways a learner gets it wrong.
std::u16string variant(std::u16string form, int how) {
    switch (how) {
    case 0: form[0] = upper(form[0]); break;                           // Arose
    case 1: std::ranges::transform(form, form.begin(), upper); break;  // AROSE
    case 2:                                                            // aRoSe
        for (std::size_t i = 1; i < form.size(); i += 2) {
            form[i] = upper(form[i]);
        }
        break;
    case 3: form = u" " + form; break;
    case 4: form += u" "; break;
    case 5: {  // an accent on the first vowel
        const auto at = form.find_first_of(u"aeiou");
        if (at != std::u16string::npos) {
            form[at] = u'\u00e9';
        }
        break;
    }
    case 6: form += u"\U0001F600"; break;
    case 7: form = u"\u200f" + form; break;
    default: form += form; break;
    }
    return form;
}

// Text for the focused box: mostly what the shown verb accepts there, or
// nearly that, so that checks come out right as well as wrong.
rc::Gen<std::u16string> answerText(const Model& model) {
    const auto rows = verbRows();
    const auto& row = rows[model.shownVerbIndex()];
    const bool pastTenseBox = model.focusedBox() == "Text2";
    std::vector<std::u16string> right;
    for (const auto form : pastTenseBox ? std::array{row.pastTense, row.pastTenseAlt}
                                        : std::array{row.pastParticiple, row.pastParticipleAlt}) {
        if (!form.empty()) {
            right.emplace_back(form);
        }
    }
    const auto forms = formsOf(row);
    std::vector<std::u16string> others;
    for (const auto& other : rows) {
        others.emplace_back(other.pastTense);
        others.emplace_back(other.pastParticiple);
    }
    return rc::gen::weightedOneOf<std::u16string>({
        {40, rc::gen::elementOf(right)},
        {10, rc::gen::elementOf(forms)},
        {20, rc::gen::apply(variant, rc::gen::elementOf(forms), rc::gen::inRange(0, 9))},
        {15, randomText(1, 12)},
        {5, rc::gen::map(rc::gen::inRange(1, 4),
                         [](int n) { return std::u16string(static_cast<std::size_t>(n), u' '); })},
        {8, rc::gen::elementOf(others)},
        {2, rc::gen::just(std::u16string())},
    });
}

rc::Gen<Action> actionOf(Action action) { return rc::gen::just(std::move(action)); }

// One of the choices, by weight.
rc::Gen<Action> pick(Weighted choices) {
    std::size_t total = 0;
    for (const auto& choice : choices) {
        total += choice.first;
    }
    return rc::gen::mapcat(rc::gen::inRange<std::size_t>(0, total),
                           [choices = std::move(choices)](std::size_t drawn) {
                               for (const auto& [weight, gen] : choices) {
                                   if (drawn < weight) {
                                       return gen;
                                   }
                                   drawn -= weight;
                               }
                               return choices.back().second;
                           });
}

Action make(Action::Kind kind) {
    Action action;
    action.kind = kind;
    return action;
}

Action click(Form form, std::string_view control) {
    Action action = make(Action::Kind::Click);
    action.window = form;
    action.control = std::string(control);
    return action;
}

Action closeBox(Form form) {
    Action action = make(Action::Kind::CloseBox);
    action.window = form;
    return action;
}

Action key(KeyPress press) {
    Action action = make(Action::Kind::Key);
    action.key = press;
    return action;
}

Action alt(char letter) {
    Action action = make(Action::Kind::Alt);
    action.letter = letter;
    return action;
}

Action type(std::u16string text, bool inOnePiece) {
    Action action = make(Action::Kind::Type);
    action.text = std::move(text);
    action.inOnePiece = inOnePiece;
    return action;
}

// How often each control is clicked: Exit and the close boxes, which end or
// leave a window, less than the buttons that move through the test.
std::size_t clickWeight(Form form, std::string_view target) {
    struct Entry {
        Form form;
        std::string_view target;
        std::size_t weight;
    };
    static constexpr std::array<Entry, 16> weights{{
        {Form::Form1, "Command1", 4},
        {Form::Form1, "Command2", 6},
        {Form::Form1, "Command3", 3},
        {Form::Form1, "Command4", 1},
        {Form::Form1, "Label1", 1},
        {Form::Form2, "Text1", 2},
        {Form::Form2, "Command1", 3},
        {Form::Form3, "Text3", 4},
        {Form::Form3, "Text2", 5},
        {Form::Form3, "Label1", 1},
        {Form::Form3, "Command1", 9},
        {Form::Form3, "Command2", 9},
        {Form::Form3, "Command3", 5},
        {Form::Form3, "Command4", 1},
        {Form::Form3, "Command5", 3},
        {Form::Form4, "Label2", 2},
    }};
    for (const auto& entry : weights) {
        if (entry.form == form && entry.target == target) {
            return entry.weight;
        }
    }
    return 1;
}

// Clicks on every loaded window, blocked ones included, and close boxes.
void addClicksAndCloseBoxes(const Model& model, Weighted& choices, std::size_t clickScale,
                            std::size_t closeScale) {
    for (const auto form : allForms) {
        if (!model.isLoaded(form)) {
            continue;
        }
        for (const auto target : Model::clickTargets(form)) {
            choices.emplace_back(clickScale * clickWeight(form, target),
                                 actionOf(click(form, target)));
        }
        choices.emplace_back(form == Form::Form1 ? closeScale : 3 * closeScale,
                             actionOf(closeBox(form)));
    }
    if (model.isLoaded(Form::Form3) && !model.messageBox()) {
        // Next or Back many times over, to reach the far verbs and both ends.
        choices.emplace_back(
            clickScale / 2,
            rc::gen::apply(
                [](bool next, int times) {
                    Action action = click(Form::Form3, next ? "Command3" : "Command5");
                    action.times = times;
                    return action;
                },
                rc::gen::weightedElement<bool>({{3, true}, {1, false}}), rc::gen::inRange(2, 161)));
    }
}

void addKeys(Weighted& choices, std::size_t weight) {
    choices.emplace_back(4 * weight,
                         rc::gen::map(rc::gen::element(KeyPress::Tab, KeyPress::ShiftTab),
                                      [](KeyPress press) { return key(press); }));
    choices.emplace_back(weight, rc::gen::map(rc::gen::element(KeyPress::Enter, KeyPress::Escape),
                                              [](KeyPress press) { return key(press); }));
    // The test window's access keys, and letters that are no access key.
    choices.emplace_back(4 * weight, rc::gen::map(rc::gen::elementOf(std::string("panmbxvte")),
                                                  [](char letter) { return alt(letter); }));
}

rc::Gen<Action> nextAction(const Model& model) {
    if (model.ended()) {
        return actionOf(make(Action::Kind::Look));
    }
    Weighted choices;
    if (model.messageBox()) {
        choices.emplace_back(120, actionOf(make(Action::Kind::Dismiss)));
        choices.emplace_back(30, actionOf(key(KeyPress::Enter)));
        choices.emplace_back(30, actionOf(key(KeyPress::Escape)));
        addClicksAndCloseBoxes(model, choices, 2, 4);
        addKeys(choices, 5);
        return pick(std::move(choices));
    }
    addClicksAndCloseBoxes(model, choices, 10, 8);
    if (model.activeWindow()) {
        addKeys(choices, 20);
    }
    if (!model.focusedBox().empty()) {
        choices.emplace_back(100, rc::gen::apply(type, answerText(model),
                                                 rc::gen::weightedElement<bool>({
                                                     {4, false},
                                                     {1, true},
                                                 })));
        // Rarely: a 10,000-character text, in one piece.
        choices.emplace_back(5, rc::gen::map(rc::gen::inRange(0, 4),
                                             [](int kind) { return type(longText(kind), true); }));
    }
    return pick(std::move(choices));
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xc0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xe0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
}

std::string describe(const Action& action) {
    std::ostringstream os;
    switch (action.kind) {
    case Action::Kind::Click:
        os << "click " << nameOf(action.window) << "." << action.control;
        if (action.times > 1) {
            os << " " << action.times << " times";
        }
        break;
    case Action::Kind::CloseBox: os << "close box of " << nameOf(action.window); break;
    case Action::Kind::Key: {
        constexpr std::array<const char*, 4> names{"Tab", "Shift+Tab", "Enter", "Escape"};
        os << "press " << names.at(static_cast<std::size_t>(action.key));
        break;
    }
    case Action::Kind::Alt: os << "press Alt+" << action.letter; break;
    case Action::Kind::Type:
        os << (action.inOnePiece ? "enter in one piece " : "type ") << printable(action.text);
        break;
    case Action::Kind::Dismiss: os << "OK on the message box"; break;
    case Action::Kind::Look: os << "look: the run is over"; break;
    }
    return os.str();
}

scenario::Key driverKey(KeyPress press) {
    switch (press) {
    case KeyPress::Tab: return scenario::Key::Tab;
    case KeyPress::ShiftTab: return scenario::Key::ShiftTab;
    case KeyPress::Enter: return scenario::Key::Enter;
    case KeyPress::Escape: return scenario::Key::Escape;
    }
    return scenario::Key::Tab;
}

void perform(const Action& action, scenario::Driver& driver) {
    switch (action.kind) {
    case Action::Kind::Click: driver.click(nameOf(action.window), action.control); break;
    case Action::Kind::CloseBox: driver.closeWindow(nameOf(action.window)); break;
    case Action::Kind::Key: driver.press(driverKey(action.key)); break;
    case Action::Kind::Alt: driver.pressAlt(action.letter); break;
    case Action::Kind::Type:
        if (action.inOnePiece) {
            driver.enterText(action.text);
        } else {
            driver.type(action.text);
        }
        break;
    case Action::Kind::Dismiss: driver.dismissMessageBox(); break;
    case Action::Kind::Look: break;
    }
}

std::string show(const std::optional<std::u16string>& text) {
    return text ? printable(*text) : std::string("none");
}

std::string show(const std::optional<scenario::Focus>& focus) {
    return focus ? focus->window + "." + focus->control : std::string("none");
}

std::string join(const std::vector<std::string>& names) {
    std::string out = "[";
    for (const auto& name : names) {
        out += (out.size() > 1 ? ", " : "") + name;
    }
    return out + "]";
}

}  // namespace

std::uint64_t actionsRun() { return actionCount.load(); }

std::string figures() {
    std::ostringstream os;
    for (const auto& [what, count] : tallies) {
        os << "  " << count << "  " << what << '\n';
    }
    return os.str();
}

std::u16string longText(int kind) {
    std::u16string unit;
    switch (kind) {
    case 1: unit = u"abcdefghijklmnopqrstuvwxyz"; break;
    case 2: unit = u"\u05e9\u05dc\u05d5\u05dd \U0001F600\u0643\u062a\u0628\u200f\U00020000 "; break;
    case 3: unit = u"arose"; break;
    default: unit = u"Arose \u00e9e\u0301 \U0001F600 \u05e9\u05dc\u05d5\u05dd \u6f22-"; break;
    }
    // 10,000 characters (code points), whole pieces only.
    std::u16string text;
    std::size_t characters = 0;
    for (std::size_t i = 0; characters < 10000; i = (i + 1) % unit.size()) {
        const bool pair = unit[i] >= 0xd800 && unit[i] < 0xdc00;
        text += unit[i];
        if (pair) {
            i = (i + 1) % unit.size();
            text += unit[i];
        }
        ++characters;
    }
    return text;
}

std::string printable(std::u16string_view text, std::size_t limit) {
    std::string out = "\"";
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (characters == limit) {
            out += "\"... (" + std::to_string(text.size()) + " UTF-16 units)";
            return out;
        }
        char32_t c = text[i];
        if (c >= 0xd800 && c < 0xdc00 && i + 1 < text.size() && text[i + 1] >= 0xdc00 &&
            text[i + 1] < 0xe000) {
            c = 0x10000 + ((c - 0xd800) << 10) + (text[i + 1] - 0xdc00);
            ++i;
        }
        ++characters;
        if (c < 0x20 || c == 0x7f || (c >= 0xd800 && c < 0xe000) || (c >= 0x200b && c <= 0x200f) ||
            c == '"' || c == '\\') {
            char escaped[16];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            appendUtf8(out, c);
        }
    }
    return out + "\"";
}

void Act::checkPreconditions(const Model& model) const { RC_PRE(model.allows(action_)); }

void Act::apply(Model& model) const { model.apply(action_); }

void Act::run(const Model& model, Program& program) const {
    // A repeated click is as many actions, each one checked.
    Action once = action_;
    once.times = 1;
    Model state = model;
    for (int time = 1; time <= action_.times; ++time) {
        perform(once, program.driver);
        Model after = state;
        after.apply(once);
        if (once.kind != Action::Kind::Look) {
            ++actionCount;
            tally(state, once, after);
        }
        if (const auto found = difference(after, program)) {
            const auto which = action_.times > 1 ? " (time " + std::to_string(time) + ")" : "";
            RC_FAIL("after \"" + describe(action_) + "\"" + which + ": " + *found);
        }
        state = std::move(after);
    }
}

void Act::show(std::ostream& os) const { os << describe(action_); }

rc::Gen<StepPtr> nextStep(const Model& model) {
    // RapidCheck narrows its ranges at small sizes, which would make the
    // first choices of every list the likeliest. Size only sets how many
    // actions one program gets; each action is drawn at full range.
    constexpr int fullRange = 100;
    return rc::gen::map(
        rc::gen::resize(fullRange, nextAction(model)),
        [](Action action) -> StepPtr { return std::make_shared<Act>(std::move(action)); });
}

std::optional<std::string> difference(const Model& model, Program& program) {
    auto& d = program.driver;
    if (d.runEnded() != model.ended()) {
        return model.ended() ? std::string("the run should have ended, but goes on")
                             : std::string("the run ended, but should go on");
    }
    auto windows = d.openWindows();
    std::ranges::sort(windows);
    if (windows != model.loadedNames()) {
        return "windows on screen " + join(windows) + ", expected " + join(model.loadedNames());
    }
    if (model.ended()) {
        return std::nullopt;
    }
    if (const auto box = d.messageBox(); box != model.messageBox()) {
        return "message box " + show(box) + ", expected " + show(model.messageBox());
    }
    if (model.messageBox() && d.messageBoxTitle() != u"Quillory") {
        return "message box titled " + printable(d.messageBoxTitle());
    }
    if (model.isLoaded(Form::Form3)) {
        const std::pair<const char*, std::u16string_view> expected[] = {
            {"Label1 (the shown verb)", model.shownVerb()},
            {"Text2 (past tense)", model.pastTense().text},
            {"Text3 (past participle)", model.participle().text},
        };
        for (const auto& [control, text] : expected) {
            const std::string name(control, std::string_view(control).find(' '));
            if (const auto shown = d.text("Form3", name); shown != text) {
                return std::string(control) + " shows " + printable(shown) + ", expected " +
                       printable(text);
            }
        }
    }
    if (model.isLoaded(Form::Form2)) {
        const auto list = d.text("Form2", "Text1");
        if (!program.listText) {
            program.listText = list;
        } else if (list != *program.listText) {
            return "the verb list's text changed: " + printable(list);
        }
    }
    const auto expected = model.focus();
    const auto focus = d.focus();
    switch (expected.kind) {
    case FocusExpectation::Kind::Unknown: break;
    case FocusExpectation::Kind::MessageBox:
        if (!focus || focus->window != "MessageBox") {
            return "focus on " + show(focus) + ", expected the message box";
        }
        break;
    case FocusExpectation::Kind::None:
        if (focus) {
            return "focus on " + show(focus) + ", expected none (" +
                   std::string(nameOf(expected.window)) + " active)";
        }
        break;
    case FocusExpectation::Kind::Control:
        if (focus != scenario::Focus{std::string(nameOf(expected.window)), expected.control}) {
            return "focus on " + show(focus) + ", expected " +
                   std::string(nameOf(expected.window)) + "." + expected.control;
        }
        break;
    }
    return std::nullopt;
}

}  // namespace quillory::reliability
