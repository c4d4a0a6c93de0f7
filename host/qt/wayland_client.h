#pragma once

#include <wayland-client-core.h>

namespace quillory {

// The few calls of libwayland-client the program makes itself, looked up at
// run time: Qt's Wayland plugin loads the library, and on X11 the program
// starts without it.
class WaylandClient {
public:
    // Use the library only if Qt has loaded it already, or load it now.
    enum class Load { IfLoaded, Now };
    explicit WaylandClient(Load load);
    ~WaylandClient();
    WaylandClient(const WaylandClient&) = delete;
    WaylandClient& operator=(const WaylandClient&) = delete;

    // The library is there, with every call below.
    [[nodiscard]] bool found() const { return found_; }

    decltype(&wl_display_connect) connect = nullptr;
    decltype(&wl_display_disconnect) disconnect = nullptr;
    decltype(&wl_display_roundtrip) roundTrip = nullptr;
    decltype(&wl_proxy_marshal_flags) marshalFlags = nullptr;
    decltype(&wl_proxy_add_listener) addListener = nullptr;
    decltype(&wl_proxy_get_version) version = nullptr;
    decltype(&wl_proxy_destroy) destroy = nullptr;
    const wl_interface* registryInterface = nullptr;

private:
    void* library_;
    bool found_ = false;
};

}  // namespace quillory
