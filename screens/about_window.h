#pragma once

#include "host/layout.h"

namespace quillory {

// Form4, the About window: the version line and the credits. It has no
// handlers; only its close box closes it.
extern const WindowLayout form4Layout;

}  // namespace quillory
