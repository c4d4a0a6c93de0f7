#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace quillory::win32 {

// Owns an HFONT and deletes it; controls using it must be given another
// font or be destroyed first.
class GdiFont {
public:
    explicit GdiFont(const LOGFONTW& font) : handle_(CreateFontIndirectW(&font)) {}

    [[nodiscard]] HFONT handle() const { return handle_.get(); }

private:
    struct Delete {
        void operator()(HFONT font) const { DeleteObject(font); }
    };
    std::unique_ptr<std::remove_pointer_t<HFONT>, Delete> handle_;
};

}  // namespace quillory::win32
