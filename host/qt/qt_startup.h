#pragma once

namespace quillory {

// What the Qt program settles for itself before the QApplication exists,
// so that starting it leaves nothing behind on the learner's machine and
// loads no GPU driver it can do without.
void prepareQtStartup();

}  // namespace quillory
