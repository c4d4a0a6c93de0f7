#include "host/qt/qt_wayland_frames.h"

#include <wayland-client-protocol.h>

#include <QByteArray>
#include <QtGlobal>
#include <cstdint>
#include <string_view>

#include "host/qt/wayland_client.h"

namespace quillory {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
namespace {

void noteGlobal(void* offered, wl_registry* /*registry*/, std::uint32_t /*name*/,
                const char* interface, std::uint32_t /*version*/) {
    if (std::string_view(interface) == "zxdg_decoration_manager_v1") {
        *static_cast<bool*>(offered) = true;
    }
}

void forgetGlobal(void* /*offered*/, wl_registry* /*registry*/, std::uint32_t /*name*/) {}

// Reads the compositor's globals on a connection of the program's own,
// closed before Qt opens its own.
bool compositorFramesWindows() {
    const WaylandClient client(WaylandClient::Load::Now);
    if (!client.found()) {
        return false;
    }
    wl_display* display = client.connect(nullptr);
    if (display == nullptr) {
        return false;
    }
    auto* displayProxy = reinterpret_cast<wl_proxy*>(display);
    wl_proxy* registry =
        client.marshalFlags(displayProxy, WL_DISPLAY_GET_REGISTRY, client.registryInterface,
                            client.version(displayProxy), 0, nullptr);
    if (registry == nullptr) {
        client.disconnect(display);
        return false;
    }
    bool offered = false;
    // Lives as long as the registry, which goes before the function returns.
    wl_registry_listener listener{noteGlobal, forgetGlobal};
    // The library's own wl_registry_add_listener casts the listener so.
    client.addListener(registry, reinterpret_cast<void (**)()>(&listener), &offered);
    const bool answered = client.roundTrip(display) >= 0;
    client.destroy(registry);
    client.disconnect(display);
    return answered && offered;
}

// Qt chooses Wayland unless another platform is named, where a display can
// be found: in the runtime folder, unless its full path is given. A socket
// the compositor handed over serves one connection only, and that is Qt's.
bool qtMayStartOnWayland() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return (platform.isEmpty() || platform.startsWith("wayland")) &&
           (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") ||
            qgetenv("WAYLAND_DISPLAY").startsWith('/')) &&
           qEnvironmentVariableIsEmpty("WAYLAND_SOCKET");
}

}  // namespace
#endif

void leaveTheGpuToCompositorsThatFrameWindows() {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (qEnvironmentVariableIsEmpty("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION") &&
        qtMayStartOnWayland() && compositorFramesWindows()) {
        // Names no integration: Qt says it failed to load one and draws in
        // shared memory.
        qputenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "none");
    }
#endif
}

}  // namespace quillory
