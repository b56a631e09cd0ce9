#pragma once

#include <windows.h>

#include <string>

#include "window/Win32SetBuildPlatform.h"

namespace grinsmith {

// The Win32 platform that also remembers whether a generation ended with the success message,
// since that message is the only report of the outcome.
class OutcomeRecordingPlatform : public Win32SetBuildPlatform {
public:
    explicit OutcomeRecordingPlatform(HWND owner) : Win32SetBuildPlatform(owner) {}

    void showMessage(const std::u16string& text) override;

    // True when the last message shown was the success message.
    bool succeeded() const noexcept { return m_succeeded; }

private:
    bool m_succeeded = false;
};

}  // namespace grinsmith
