#pragma once

#include "drill/quiz_window.h"
#include "host/window_host.h"
#include "screens/screens.h"

namespace quillory {

// The program's one instance of each window, ready for a host.
inline Windows makeWindows() {
    return {std::make_unique<Form1>(), std::make_unique<Form2>(), std::make_unique<Form3>(),
            std::make_unique<Window>(form4Layout)};
}

}  // namespace quillory
