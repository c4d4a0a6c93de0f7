#include "app/program_windows.h"

#include "drill/quiz_window.h"
#include "screens/screens.h"

namespace quillory {

Windows makeWindows() {
    return {std::make_unique<Form1>(), std::make_unique<Form2>(), std::make_unique<Form3>(),
            std::make_unique<Window>(form4Layout)};
}

}  // namespace quillory
