#pragma once

#include <windows.h>

#include "setbuild/SetBuildPlatform.h"

namespace grinsmith {

// Set generation over the Windows file system; messages are boxes owned by the given window.
class Win32SetBuildPlatform : public SetBuildPlatform {
public:
    explicit Win32SetBuildPlatform(HWND owner) : m_owner(owner) {}

    bool createDirectory(const std::u16string& path) override;
    bool copyFile(const std::u16string& source, const std::u16string& destination) override;
    FileHandle createFile(const std::u16string& path) override;
    bool writeFile(FileHandle file, const char* bytes, std::size_t count) override;
    bool closeFile(FileHandle file) override;
    void showMessage(const std::u16string& text) override;
    bool samePath(std::u16string_view a, std::u16string_view b) const override;

private:
    HWND m_owner;
};

}  // namespace grinsmith
