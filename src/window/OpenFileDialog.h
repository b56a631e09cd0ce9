#pragma once

#include <windows.h>

#include <commdlg.h>

#include <array>
#include <string>

namespace grinsmith {

// The classic open-file dialog for one file, with no existence test of the typed name.
class OpenFileDialog {
public:
    // `filter` is pairs of zero-terminated name and patterns, ended by one more zero; it must
    // outlive the dialog.
    explicit OpenFileDialog(const wchar_t* filter);
    OpenFileDialog(const OpenFileDialog&) = delete;
    OpenFileDialog& operator=(const OpenFileDialog&) = delete;
    // The settings point into the object's own path buffer.
    OpenFileDialog(OpenFileDialog&&) = delete;
    OpenFileDialog& operator=(OpenFileDialog&&) = delete;
    ~OpenFileDialog() = default;

    // IDOK when the user chose a file, IDCANCEL otherwise (a cancel or a failed call).
    INT_PTR runModal(HWND owner);
    // The chosen file's full path after IDOK.
    std::u16string path() const;

private:
    OPENFILENAMEW m_settings{};
    std::array<wchar_t, MAX_PATH> m_path{};
};

}  // namespace grinsmith
