#include "host/qt/qt_display_sync.h"

#include <dlfcn.h>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client-core.h>

#include <QGuiApplication>

namespace quillory {

void syncWithDisplay() {
    if (!QGuiApplication::platformName().startsWith(u"wayland")) {
        QGuiApplicationPrivate::platformIntegration()->sync();  // X11's is a round trip
        return;
    }
    // A round trip on Qt's own connection, from this thread, as Qt's Wayland
    // backend makes one itself. Reading the answer waits for every reader that
    // has prepared to read, the reader thread among them. The library is the
    // one Qt's Wayland plugin loaded: the program does not link it.
    void* display =
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display");
    void* library = dlopen("libwayland-client.so.0", RTLD_LAZY | RTLD_NOLOAD);
    if (library == nullptr) {
        return;
    }
    const auto roundTrip =
        reinterpret_cast<decltype(&wl_display_roundtrip)>(dlsym(library, "wl_display_roundtrip"));
    if (display != nullptr && roundTrip != nullptr) {
        roundTrip(static_cast<wl_display*>(display));
    }
    dlclose(library);
}

}  // namespace quillory
