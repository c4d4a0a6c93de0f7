#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/layout.h"

// What screen readers say of windows and controls beyond what they show,
// worked out once for every backend: a backend hands these texts on as they
// are, and never builds one of its own.
namespace quillory {

// What a screen reader calls a control that shows text. A control its
// layout names is called by that name, and a label given a name shows a
// value: "Infinitive: arise", or the name alone while it is empty. Any
// other control says its own text.
std::u16string spokenText(const ControlLayout& control, std::u16string_view text);

// The captions of the labels that describe the window, a line each, in the
// order they are read on screen: top to bottom, then left to right.
std::u16string windowDescription(const WindowLayout& window);

}  // namespace quillory
