#include "window/GenerationOutcome.h"

#include "setbuild/Messages.h"

namespace grinsmith {

void OutcomeRecordingPlatform::showMessage(const std::u16string& text) {
    m_succeeded = text == messages::success;
    Win32SetBuildPlatform::showMessage(text);
}

}  // namespace grinsmith
