#pragma once

#include "host/layout.h"

// Text a learner can read whatever appearance they chose: the layouts' own
// colours where the window is the light grey they were drawn on, the same
// hue made lighter or darker elsewhere, the appearance's own text colour
// under high contrast.
namespace quillory {

// What a window is drawn with, and whether the learner asked for high contrast.
struct Palette {
    Colour background;
    Colour text;
    bool highContrast = false;
};

// WCAG's floor of contrast for text of ordinary size.
inline constexpr double readableContrast = 4.5;

// The contrast ratio of WCAG 2: 1:1 to 21:1.
[[nodiscard]] double contrastRatio(Colour one, Colour other);

// Whether a palette is a high-contrast one: text at 7:1 or more (WCAG's
// enhanced level) on a window of pure black or pure white. The high-contrast
// schemes draw their windows so (Windows' High Contrast Black and White, and
// the palettes toolkits build from them); the light and dark themes in
// everyday use draw theirs in a tinted grey (#efefef, #f0f0f0, #f6f5f4,
// #353535), so these two tests together mark a learner's own choice.
[[nodiscard]] bool looksHighContrast(Colour text, Colour background);

// The colour to draw text whose layout gives it design in, on the palette.
[[nodiscard]] Colour readableColour(Colour design, const Palette& palette);

}  // namespace quillory
