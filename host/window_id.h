#pragma once

#include <array>
#include <cstddef>
#include <string_view>

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

}  // namespace quillory
