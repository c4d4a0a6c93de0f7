#pragma once

#include <windows.h>

#include <utility>

namespace quillory::win32 {

// Owns an HFONT and deletes it; controls using it must be given another
// font or be destroyed first.
class GdiFont {
public:
    explicit GdiFont(const LOGFONTW& font) : handle_(CreateFontIndirectW(&font)) {}
    GdiFont(GdiFont&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiFont& operator=(GdiFont&&) = delete;
    GdiFont(const GdiFont&) = delete;
    GdiFont& operator=(const GdiFont&) = delete;
    ~GdiFont() {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
        }
    }

    [[nodiscard]] HFONT handle() const { return handle_; }

private:
    HFONT handle_ = nullptr;
};

}  // namespace quillory::win32
