// What only the Qt program does: its icon, and how it meets the session bus.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstring>

#include "host/qt/qt_startup.h"
#include "host/qt/qt_toolkit.h"

namespace quillory::gui {

namespace {

TEST(QtProgram, CarriesItsIconInEverySize) {
    const QtToolkit toolkit;
    QList<int> sizes;
    for (const QSize size : QApplication::windowIcon().availableSizes()) {
        sizes.append(size.width());
    }
    std::ranges::sort(sizes);
    EXPECT_EQ(sizes, (QList<int>{16, 32, 48, 64, 128, 256}));
}

// Regression: where the desktop had no session bus, libdbus autolaunched a
// bus daemon that outlived the program and wrote into ~/.dbus. Where there is
// a bus, given or as the user's socket in the runtime folder, it stays.
TEST(QtProgram, TurnsOffBusAutolaunchOnlyWhereThereIsNoSessionBus) {
    const QByteArray savedBus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QTemporaryDir runtime;
    const QByteArray folder = runtime.path().toLocal8Bit();
    const auto startsWith = [&](const char* bus, const char* runtimeFolder) {
        bus != nullptr ? qputenv("DBUS_SESSION_BUS_ADDRESS", bus)
                       : qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        runtimeFolder != nullptr ? qputenv("XDG_RUNTIME_DIR", runtimeFolder)
                                 : qunsetenv("XDG_RUNTIME_DIR");
        prepareQtStartup();
        return qgetenv("DBUS_SESSION_BUS_ADDRESS");
    };
    EXPECT_EQ(startsWith(nullptr, folder), "disabled:");
    EXPECT_EQ(startsWith(nullptr, nullptr), "disabled:");
    EXPECT_EQ(startsWith("unix:path=/run/user/1000/bus", nullptr), "unix:path=/run/user/1000/bus");
    sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
    std::strncpy(address.sun_path, (folder + "/bus").constData(), sizeof address.sun_path - 1);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    startsWith(nullptr, folder);
    EXPECT_FALSE(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"));
    ::close(listener);
    qputenv("DBUS_SESSION_BUS_ADDRESS", savedBus);
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
}

}  // namespace
}  // namespace quillory::gui
