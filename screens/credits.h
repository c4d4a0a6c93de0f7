#pragma once

#include <string_view>

// Who made the program and where to find more of it. The addresses use a
// domain reserved for examples, so they can never reach a stranger.
namespace quillory {

inline constexpr std::u16string_view designedBy = u"This program is designed by Quillory";
inline constexpr std::u16string_view webSiteAddress = u"www.quillory.example";
inline constexpr std::u16string_view emailAddress = u"me@quillory.example";

}  // namespace quillory
