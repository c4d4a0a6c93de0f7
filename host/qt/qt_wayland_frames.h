#pragma once

namespace quillory {

// Qt's EGL client-buffer integration on Wayland loads the GPU driver (Mesa's:
// some 50 MB and half the start-up) though the program draws every window in
// shared memory, so the program asks Qt to go without it. Qt 6.4 draws window
// frames only through that integration: there it goes only where the
// compositor frames windows itself (the xdg-decoration protocol: KDE, sway
// and the other wlroots compositors); where it does not (GNOME's mutter),
// Qt's frame is the only title bar and close box a window gets, and the
// integration stays. Qt 6.8 frames windows in shared memory too. A choice
// the user made in the environment stands. Call it before the QApplication
// exists.
void leaveTheGpuToCompositorsThatFrameWindows();

}  // namespace quillory
