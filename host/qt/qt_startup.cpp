#include "host/qt/qt_startup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QtGlobal>

#include "host/qt/qt_wayland_frames.h"

namespace quillory {

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
    // application starts. Where the desktop has none, libdbus falls back to
    // its default address "autolaunch:" and starts a bus daemon of its own:
    // it outlives the program, listens on a socket in /tmp and writes
    // ~/.dbus/session-bus/. Any address given turns autolaunching off
    // (dbus-launch(1), "Automatic launching"); "disabled:" names no
    // transport, so nothing is started or connected. Where the desktop has
    // a session bus, nothing changes: screen readers reach the program there.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") && !userBusSocketExists()) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    }
    leaveTheGpuToCompositorsThatFrameWindows();
}

}  // namespace quillory
