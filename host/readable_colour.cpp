#include "host/readable_colour.h"

#include <algorithm>
#include <cmath>

namespace quillory {
namespace {

constexpr Colour black{0, 0, 0};
constexpr Colour white{255, 255, 255};
// The darkest face the layouts' colours were chosen on: the classic
// Windows button face. A window at least as light is the one they assume.
constexpr Colour classicFace{212, 208, 200};

double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// WCAG 2's relative luminance: 0 (black) to 1 (white).
double relativeLuminance(Colour colour) {
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

// The way from one colour to another in 255 steps: the same hue, paler
// towards white or deeper towards black.
Colour between(Colour from, Colour to, int step) {
    const auto channel = [step](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * step / 255.0));
    };
    return {channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)};
}

}  // namespace

double contrastRatio(Colour one, Colour other) {
    const auto [darker, lighter] = std::minmax({relativeLuminance(one), relativeLuminance(other)});
    return (lighter + 0.05) / (darker + 0.05);
}

Colour readableColour(Colour design, const Palette& palette) {
    const Colour& background = palette.background;
    // Text at 7:1 or more (WCAG's enhanced level) on pure black or white, as
    // the high-contrast schemes draw; everyday themes use a tinted grey.
    const bool looksHighContrast = (background == black || background == white) &&
                                   contrastRatio(palette.text, background) >= 7;
    if (palette.highContrast || looksHighContrast) {
        return palette.text;
    }
    if (relativeLuminance(background) >= relativeLuminance(classicFace)) {
        return design;
    }
    // Towards whichever of white and black stands out more; that end reaches
    // readableContrast on any background, so the way always ends readable.
    const Colour end =
        contrastRatio(white, background) >= contrastRatio(black, background) ? white : black;
    for (int step = 0; step < 255; ++step) {
        if (const Colour shade = between(design, end, step);
            contrastRatio(shade, background) >= readableContrast) {
            return shade;
        }
    }
    return end;
}

}  // namespace quillory
