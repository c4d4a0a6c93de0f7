#pragma once

#include "host/window.h"

namespace quillory {

// Form2, the verb list: the whole reference list in one scrolling text box
// and a button back to the main menu.
class Form2 final : public Window {
public:
    Form2();
    void onLoad(Host& host) override;
    void onClick(Host& host, std::string_view button) override;
    // However the list closes, the learner comes back to the menu.
    void onUnload(Host& host) override;
};

}  // namespace quillory
