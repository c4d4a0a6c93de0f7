#pragma once

namespace quillory {

// What the Qt program settles for itself before the QApplication exists,
// so that starting it leaves nothing behind on the learner's machine and
// loads no GPU driver it can do without.
void prepareQtStartup();

// Whether the session bus libdbus finds by itself when no address is given
// is there: the user's bus socket in the runtime folder (systemd's user bus).
[[nodiscard]] bool userBusSocketExists();

}  // namespace quillory
