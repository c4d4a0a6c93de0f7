#include "host/qt/qt_startup.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wayland-client-protocol.h>

#include <QByteArray>
#include <QtGlobal>
#include <cstdint>
#include <string_view>

namespace quillory {
namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt 6.4 draws window frames on Wayland only through its EGL client-buffer
// integration, which loads the GPU driver (Mesa's: some 50 MB and half the
// start-up) though the program draws in shared memory. Where the compositor
// frames windows itself (xdg-decoration: KDE, sway, wlroots), Qt is asked to
// go without it; under GNOME's mutter Qt's frame is the only title bar, and
// it stays. Qt 6.8 loads no GPU driver for a program like this one.

// The calls of libwayland-client the check below makes, looked up at run
// time: on X11 the program starts without the library.
class WaylandClient {
public:
    WaylandClient() : library_(dlopen("libwayland-client.so.0", RTLD_LAZY)) {
        found = library_ != nullptr && lookUp(connect, "wl_display_connect") &&
                lookUp(disconnect, "wl_display_disconnect") &&
                lookUp(roundTrip, "wl_display_roundtrip") &&
                lookUp(marshalFlags, "wl_proxy_marshal_flags") &&
                lookUp(addListener, "wl_proxy_add_listener") &&
                lookUp(version, "wl_proxy_get_version") && lookUp(destroy, "wl_proxy_destroy") &&
                lookUp(registryInterface, "wl_registry_interface");
    }
    ~WaylandClient() {
        if (library_ != nullptr) {
            dlclose(library_);
        }
    }
    WaylandClient(const WaylandClient&) = delete;
    WaylandClient& operator=(const WaylandClient&) = delete;

    bool found = false;  // the library is there, with every call below
    decltype(&wl_display_connect) connect = nullptr;
    decltype(&wl_display_disconnect) disconnect = nullptr;
    decltype(&wl_display_roundtrip) roundTrip = nullptr;
    decltype(&wl_proxy_marshal_flags) marshalFlags = nullptr;
    decltype(&wl_proxy_add_listener) addListener = nullptr;
    decltype(&wl_proxy_get_version) version = nullptr;
    decltype(&wl_proxy_destroy) destroy = nullptr;
    const wl_interface* registryInterface = nullptr;

private:
    template <typename Symbol>
    bool lookUp(Symbol& symbol, const char* name) {
        symbol = reinterpret_cast<Symbol>(dlsym(library_, name));
        return symbol != nullptr;
    }

    void* library_;
};

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
    const WaylandClient client;
    wl_display* display = client.found ? client.connect(nullptr) : nullptr;
    if (display == nullptr) {
        return false;
    }
    auto* displayProxy = reinterpret_cast<wl_proxy*>(display);
    wl_proxy* registry =
        client.marshalFlags(displayProxy, WL_DISPLAY_GET_REGISTRY, client.registryInterface,
                            client.version(displayProxy), 0, nullptr);
    bool offered = false;
    // Lives as long as the registry, which goes before the function returns.
    wl_registry_listener listener{noteGlobal, forgetGlobal};
    if (registry != nullptr) {
        // The library's own wl_registry_add_listener casts the listener so.
        client.addListener(registry, reinterpret_cast<void (**)()>(&listener), &offered);
        offered = client.roundTrip(display) >= 0 && offered;
        client.destroy(registry);
    }
    client.disconnect(display);
    return offered;
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
#endif

}  // namespace

bool userBusSocketExists() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.isEmpty()) {
        return false;
    }
    struct stat info {};
    const QByteArray socket = runtime + "/bus";
    return ::stat(socket.constData(), &info) == 0 && S_ISSOCK(info.st_mode) &&
           info.st_uid == ::getuid();
}

void prepareQtStartup() {
    // Qt's accessibility bridge (AT-SPI) looks for the session bus as the
    // application starts. Where the desktop has none, libdbus autolaunches a
    // bus daemon that outlives the program, listens in /tmp and writes
    // ~/.dbus/session-bus/. Any address given turns that off (dbus-launch(1));
    // "disabled:" names no transport, so nothing is started or connected.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") && !userBusSocketExists()) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    }
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
