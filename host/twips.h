#pragma once

namespace quillory {

inline constexpr int twipsPerInch = 1440;
inline constexpr int standardDpi = 96;  // 15 twips to a pixel

// Rounds to the nearest pixel, as MulDiv does, so both backends agree.
constexpr int twipsToPixels(int twips, int dpi = standardDpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = twipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / twipsPerInch
                                        : -((-scaled + half) / twipsPerInch));
}

}  // namespace quillory
