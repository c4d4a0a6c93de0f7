// Regression: started where the desktop has no session bus, the program had
// libdbus autolaunch a bus daemon that outlived it and wrote into ~/.dbus
// (seen by the no-writes check, scripts/check-no-writes.sh).
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <cstring>
#include <optional>

#include "host/qt/qt_startup.h"

namespace quillory {
namespace {

// Sets or clears an environment variable for one test, then puts it back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, std::optional<QByteArray> value) : name_(name) {
        if (qEnvironmentVariableIsSet(name)) {
            saved_ = qgetenv(name);
        }
        if (value) {
            qputenv(name, *value);
        } else {
            qunsetenv(name);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;
    ~ScopedVariable() {
        if (saved_) {
            qputenv(name_, *saved_);
        } else {
            qunsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<QByteArray> saved_;
};

TEST(QtStartup, TurnsOffBusAutolaunchWhereThereIsNoSessionBus) {
    const QTemporaryDir runtime;
    const ScopedVariable bus("DBUS_SESSION_BUS_ADDRESS", std::nullopt);
    const ScopedVariable folder("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    prepareQtStartup();
    EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "disabled:");
}

TEST(QtStartup, TurnsOffBusAutolaunchWithNoRuntimeFolder) {
    const ScopedVariable bus("DBUS_SESSION_BUS_ADDRESS", std::nullopt);
    const ScopedVariable folder("XDG_RUNTIME_DIR", std::nullopt);
    prepareQtStartup();
    EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "disabled:");
}

TEST(QtStartup, LeavesTheDesktopsSessionBusAlone) {
    const ScopedVariable bus("DBUS_SESSION_BUS_ADDRESS",
                             QByteArray("unix:path=/run/user/1000/bus"));
    prepareQtStartup();
    EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "unix:path=/run/user/1000/bus");
}

TEST(QtStartup, LeavesTheUserBusInTheRuntimeFolderToLibdbus) {
    const QTemporaryDir runtime;
    const QByteArray path = runtime.path().toLocal8Bit() + "/bus";
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    const ScopedVariable bus("DBUS_SESSION_BUS_ADDRESS", std::nullopt);
    const ScopedVariable folder("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    prepareQtStartup();
    EXPECT_FALSE(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"));
    ::close(listener);
}

}  // namespace
}  // namespace quillory
