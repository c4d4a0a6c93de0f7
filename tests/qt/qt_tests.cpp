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

// A listening socket where libdbus looks for the user's bus.
bool listenAt(const QByteArray& path) {
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return ::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

// Regression: where the desktop had no session bus, libdbus autolaunched a
// bus daemon that outlived the program and wrote into ~/.dbus.
TEST(QtProgram, TurnsOffBusAutolaunchOnlyWhereThereIsNoSessionBus) {
    const QByteArray savedBus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QTemporaryDir runtime;
    const QByteArray folder = runtime.path().toLocal8Bit();
    struct Case {
        const char* bus;      // nullptr: unset
        const char* runtime;  // nullptr: unset
        bool userBus;         // a bus socket in the runtime folder
        const char* expected;
    };
    for (const Case c :
         {Case{nullptr, "folder", false, "disabled:"}, Case{nullptr, nullptr, false, "disabled:"},
          Case{"unix:path=/run/user/1000/bus", nullptr, false, "unix:path=/run/user/1000/bus"},
          Case{nullptr, "folder", true, ""}}) {
        c.bus != nullptr ? qputenv("DBUS_SESSION_BUS_ADDRESS", c.bus)
                         : qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        c.runtime != nullptr ? qputenv("XDG_RUNTIME_DIR", folder) : qunsetenv("XDG_RUNTIME_DIR");
        if (c.userBus) {
            ASSERT_TRUE(listenAt(folder + "/bus"));
        }
        prepareQtStartup();
        EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), c.expected) << c.bus << " " << c.runtime;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", savedBus);
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
}

}  // namespace
}  // namespace quillory::gui
