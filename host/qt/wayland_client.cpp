#include "host/qt/wayland_client.h"

#include <dlfcn.h>

namespace quillory {
namespace {

template <typename Symbol>
bool lookUp(void* library, Symbol& symbol, const char* name) {
    symbol = reinterpret_cast<Symbol>(dlsym(library, name));
    return symbol != nullptr;
}

}  // namespace

WaylandClient::WaylandClient(Load load)
    : library_(dlopen("libwayland-client.so.0",
                      load == Load::IfLoaded ? RTLD_LAZY | RTLD_NOLOAD : RTLD_LAZY)) {
    found_ = library_ != nullptr && lookUp(library_, connect, "wl_display_connect") &&
             lookUp(library_, disconnect, "wl_display_disconnect") &&
             lookUp(library_, roundTrip, "wl_display_roundtrip") &&
             lookUp(library_, marshalFlags, "wl_proxy_marshal_flags") &&
             lookUp(library_, addListener, "wl_proxy_add_listener") &&
             lookUp(library_, version, "wl_proxy_get_version") &&
             lookUp(library_, destroy, "wl_proxy_destroy") &&
             lookUp(library_, registryInterface, "wl_registry_interface");
}

WaylandClient::~WaylandClient() {
    if (library_ != nullptr) {
        dlclose(library_);
    }
}

}  // namespace quillory
