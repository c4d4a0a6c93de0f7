#pragma once

namespace quillory {

// Returns once the display server has handled every request sent so far and
// its answers have been read. On Wayland it also leaves Qt 6.4's reader
// thread holding no read it was asked for but never began: Qt waits for that
// thread as it closes the display, and the thread would wait for that read
// forever. Call it after the last turn of the event loop, too.
void syncWithDisplay();

}  // namespace quillory
