#include "host/qt/qt_display_sync.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qplatformnativeinterface.h>

#include <QGuiApplication>

#include "host/qt/wayland_client.h"

namespace quillory {

void syncWithDisplay() {
    if (!QGuiApplication::platformName().startsWith(u"wayland")) {
        QGuiApplicationPrivate::platformIntegration()->sync();  // X11's is a round trip
        return;
    }
    // A round trip on Qt's own connection, from this thread, as Qt's Wayland
    // backend makes one itself. Reading the answer waits for every reader that
    // has prepared to read, the reader thread among them.
    void* display =
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display");
    const WaylandClient client(WaylandClient::Load::IfLoaded);
    if (display != nullptr && client.found()) {
        client.roundTrip(static_cast<wl_display*>(display));
    }
}

}  // namespace quillory
