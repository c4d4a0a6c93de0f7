#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/layout.h"

// What screen readers say of windows and controls beyond what they show,
// worked out once: every backend hands these texts on as they are.
namespace quillory {

// What a screen reader calls a control: its own text, or the name its layout
// gives it; a label given a name shows a value ("Infinitive: arise", or the
// name alone while it is empty).
std::u16string spokenText(const ControlLayout& control, std::u16string_view text);

// The captions of the labels that describe the window, a line each, in the
// order they are read on screen: top to bottom, then left to right.
std::u16string windowDescription(const WindowLayout& window);

}  // namespace quillory
