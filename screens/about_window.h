#pragma once

#include "host/window.h"

namespace quillory {

// Form4, the About window: the version line and the credits. It has no
// handlers; only its close box closes it.
class Form4 final : public Window {
public:
    [[nodiscard]] const WindowLayout& layout() const override;
};

}  // namespace quillory
