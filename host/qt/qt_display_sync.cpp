#include "host/qt/qt_display_sync.h"

#include <dlfcn.h>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qplatformnativeinterface.h>

#include <QGuiApplication>

namespace quillory {
namespace {

// A round trip on Qt's own connection, from this thread, as Qt's Wayland
// backend makes one itself. Reading the answer waits for every reader that
// has prepared to read, the reader thread among them. The library is only
// looked up, already loaded by Qt's Wayland plugin: the program needs no
// Wayland library to start on X11.
void waylandRoundTrip() {
    void* display =
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display");
    void* library = dlopen("libwayland-client.so.0", RTLD_LAZY | RTLD_NOLOAD);
    if (library == nullptr) {
        return;
    }
    using RoundTrip = int (*)(void*);
    auto roundTrip = reinterpret_cast<RoundTrip>(dlsym(library, "wl_display_roundtrip"));
    if (display != nullptr && roundTrip != nullptr) {
        roundTrip(display);
    }
    dlclose(library);
}

}  // namespace

void syncWithDisplay() {
    if (QGuiApplication::platformName().startsWith(u"wayland")) {
        waylandRoundTrip();
    } else {
        QGuiApplicationPrivate::platformIntegration()->sync();  // X11's is a round trip
    }
}

}  // namespace quillory
