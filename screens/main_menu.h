#pragma once

#include "host/window.h"

namespace quillory {

// Form1, the main menu: the start-up window from which the learner opens the
// verb list, the test and the About window, or leaves the program.
class Form1 final : public Window {
public:
    Form1();
    void onClick(Host& host, std::string_view button) override;
};

}  // namespace quillory
