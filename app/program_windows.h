#pragma once

#include "host/window_host.h"

namespace quillory {

// The program's one instance of each window, ready for a host.
Windows makeWindows();

}  // namespace quillory
