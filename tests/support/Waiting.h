#pragma once

#include <windows.h>

namespace grinsmith::testwait {

// Polls the condition until it holds or the time is up; true when it held. Tests wait this way
// for windows of another thread, so that a window that never comes fails instead of hanging.
template <class Condition>
bool waitFor(Condition condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > deadline) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

}  // namespace grinsmith::testwait
