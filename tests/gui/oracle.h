#pragma once

#include <vector>

#include "gui/steps.h"

namespace quillory::gui {

// What the program should show after each of the steps, worked out by the
// program's own toolkit-free core on a toolkit with no windows. Only the
// learner's actions count; a message box stays open until its OK.
std::vector<std::string> expectedSnapshots(const std::vector<Step>& steps);

}  // namespace quillory::gui
