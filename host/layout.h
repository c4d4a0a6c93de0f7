#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// Windows are described as data: every backend walks the same records to
// build its native windows. Positions and sizes are in twips.
namespace quillory {

// The program's four windows. There is exactly one instance of each.
enum class WindowId { Form1, Form2, Form3, Form4 };

inline constexpr std::array allWindows{WindowId::Form1, WindowId::Form2, WindowId::Form3,
                                       WindowId::Form4};

constexpr std::size_t indexOf(WindowId id) { return static_cast<std::size_t>(id); }

constexpr std::string_view nameOf(WindowId id) {
    constexpr std::array<std::string_view, 4> names{"Form1", "Form2", "Form3", "Form4"};
    return names.at(indexOf(id));
}

enum class ControlKind { Label, TextBox, Button };
enum class Border { Fixed, Sizable };  // fixed: no resizing, no minimize or maximize

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

struct Font {
    std::u16string_view family;
    double points = 0;
    int weight = 400;  // 400 regular, 700 bold
};

struct TextBoxStyle {
    bool multiLine = false;
    bool verticalScrollBar = false;
    bool readOnly = false;
};

struct ControlLayout {
    std::string_view name;
    ControlKind kind = ControlKind::Label;
    std::u16string_view caption{};  // a button's "&" marks its access key
    Rect rect{};
    int tabIndex = 0;
    std::optional<Font> font{};      // the window's default font when absent
    std::optional<Colour> colour{};  // the default text colour when absent
    TextBoxStyle textBox{};
    // What a screen reader calls the control where its caption does not say
    // it: a text box is named after its heading (see spokenText for labels).
    std::u16string_view accessibleName{};
    // A label whose spoken text a screen reader adds after the control's
    // own, following it as it changes: the verb an answer box asks about.
    std::string_view describedBy{};
    // A label that is part of the window's description, read out when the
    // window opens: text that no control's focus would ever reach.
    bool describesWindow = false;

    [[nodiscard]] bool takesFocus() const { return kind != ControlKind::Label; }
};

struct WindowLayout {
    WindowId id = WindowId::Form1;
    std::u16string_view caption{};
    Border border = Border::Fixed;
    int clientWidth = 0;   // twips
    int clientHeight = 0;  // twips
    std::span<const ControlLayout> controls{};

    // The control called name, or nullptr.
    [[nodiscard]] const ControlLayout* find(std::string_view name) const {
        const auto found = std::ranges::find(controls, name, &ControlLayout::name);
        return found != controls.end() ? &*found : nullptr;
    }

    // Every control in the order Tab visits them: by tab index, and in
    // layout order where two share one.
    [[nodiscard]] std::vector<const ControlLayout*> inTabOrder() const {
        std::vector<const ControlLayout*> ordered(controls.size());
        std::ranges::transform(controls, ordered.begin(),
                               [](const auto& control) { return &control; });
        std::ranges::stable_sort(ordered, {}, &ControlLayout::tabIndex);
        return ordered;
    }

    // The control that has the focus when the window opens: the first in
    // tab order that takes it, or nullptr.
    [[nodiscard]] const ControlLayout* firstFocusable() const {
        const auto ordered = inTabOrder();
        const auto found = std::ranges::find_if(ordered, &ControlLayout::takesFocus);
        return found != ordered.end() ? *found : nullptr;
    }
};

}  // namespace quillory
