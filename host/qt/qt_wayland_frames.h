#pragma once

namespace quillory {

// Qt 6.4 draws window frames on Wayland only through its EGL client-buffer
// integration, which loads the GPU driver (Mesa's: some 50 MB and half the
// start-up) though the program draws every window in shared memory. Where
// the compositor frames windows itself (the xdg-decoration protocol: KDE,
// sway and the other wlroots compositors), the program asks Qt to go without
// it; where it does not (GNOME's mutter), Qt's frame is the only title bar
// and close box a window gets, and the integration stays. A choice the user
// made in the environment stands. Qt 6.8 sets the integration up only for a
// window that draws with the GPU and frames windows in shared memory, so
// there it loads no GPU driver on either, and nothing is done. Call it
// before the QApplication exists.
void leaveTheGpuToCompositorsThatFrameWindows();

}  // namespace quillory
