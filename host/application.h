#pragma once

#include <string_view>

namespace quillory {

// The title of every message box.
inline constexpr std::u16string_view applicationTitle = u"Quillory";

}  // namespace quillory
