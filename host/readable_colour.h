#pragma once

#include "host/layout.h"

// Text a learner can read whatever appearance they chose: the layouts' own
// colours on the light grey they were drawn on, the same hue made lighter or
// darker elsewhere, the appearance's own text colour under high contrast.
namespace quillory {

// What a window is drawn with, and whether the system says the learner asked
// for high contrast (Windows does, Wine 8.0 never; Qt is not asked).
struct Palette {
    Colour background;
    Colour text;
    bool highContrast = false;
};

// WCAG's floor of contrast for text of ordinary size.
inline constexpr double readableContrast = 4.5;

// The contrast ratio of WCAG 2: 1:1 to 21:1.
[[nodiscard]] double contrastRatio(Colour one, Colour other);

// The colour to draw text whose layout gives it design in, on the palette:
// the palette's own text colour where it is high contrast, as asked or as its
// colours show.
[[nodiscard]] Colour readableColour(Colour design, const Palette& palette);

}  // namespace quillory
