// GoogleTest's Notification for a C++ runtime without std::mutex (MinGW-w64's
// win32 threads). Only GoogleTest's tests of its own thread support use it:
// none of ours starts a thread.
#pragma once

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
public:
    void Notify() { notified_ = true; }
    void WaitForNotification() const {
        while (!notified_) {
        }
    }

private:
    std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
