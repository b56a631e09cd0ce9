#pragma once

// GCC 12's win32 thread model has no std::mutex, which GoogleTest's Notification is built on.
// Only GoogleTest's own thread tests use that class, so a plain atomic flag stands in for it.
#include <atomic>

namespace testing::internal {

class Notification {
public:
    void Notify() { m_notified.store(true); }
    void WaitForNotification() {
        while (!m_notified.load()) {
        }
    }

private:
    std::atomic<bool> m_notified{false};
};

}  // namespace testing::internal
