#include "window/OpenFileDialog.h"

#include "window/WideText.h"

namespace grinsmith {

namespace {

// OFN_ENABLEHOOK asks for a hook; it leaves every message to the dialog's own processing.
UINT_PTR CALLBACK defaultHook(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

constexpr DWORD openFlags =
    OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_EXPLORER | OFN_ENABLESIZING;
static_assert(openFlags == 0x880026);

}  // namespace

OpenFileDialog::OpenFileDialog(const wchar_t* filter) {
    // The whole structure (88 bytes on 32-bit Windows), the form Windows 2000 introduced.
    m_settings.lStructSize = sizeof(m_settings);
    m_settings.lpstrFilter = filter;
    m_settings.lpstrFile = m_path.data();
    m_settings.nMaxFile = static_cast<DWORD>(m_path.size());
    m_settings.Flags = openFlags;
    m_settings.lpfnHook = &defaultHook;
}

INT_PTR OpenFileDialog::runModal(HWND owner) {
    m_settings.hwndOwner = owner;
    return GetOpenFileNameW(&m_settings) ? IDOK : IDCANCEL;
}

std::u16string OpenFileDialog::path() const {
    return fromWide(m_path.data());
}

}  // namespace grinsmith
