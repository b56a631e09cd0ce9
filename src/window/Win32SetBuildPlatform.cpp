#include "window/Win32SetBuildPlatform.h"

#include <algorithm>

#include "setbuild/Text.h"
#include "window/WideText.h"

namespace grinsmith {

namespace {

HANDLE toHandle(FileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

bool isDirectory(const std::u16string& path) {
    const DWORD attributes = GetFileAttributesW(asWide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

bool Win32SetBuildPlatform::createDirectory(const std::u16string& path) {
    if (CreateDirectoryW(asWide(path), nullptr)) {
        return true;
    }
    return GetLastError() == ERROR_ALREADY_EXISTS && isDirectory(path);
}

bool Win32SetBuildPlatform::copyFile(const std::u16string& source,
                                     const std::u16string& destination) {
    return CopyFileW(asWide(source), asWide(destination), FALSE) != 0;
}

FileHandle Win32SetBuildPlatform::createFile(const std::u16string& path) {
    // No sharing: while another program holds the file open, it is reported instead of mixed.
    const HANDLE file = CreateFileW(asWide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? invalidFileHandle : reinterpret_cast<FileHandle>(file);
}

bool Win32SetBuildPlatform::writeFile(FileHandle file, const char* bytes, std::size_t count) {
    if (file == invalidFileHandle) {
        return false;
    }
    while (count > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(toHandle(file), bytes, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes += written;
        count -= written;
    }
    return true;
}

bool Win32SetBuildPlatform::closeFile(FileHandle file) {
    return CloseHandle(toHandle(file)) != 0;
}

void Win32SetBuildPlatform::showMessage(const std::u16string& text) {
    MessageBoxW(m_owner, asWide(text), L"", MB_OK);
}

bool Win32SetBuildPlatform::samePath(std::u16string_view a, std::u16string_view b) const {
    return equalIgnoringCase(a, b);
}

}  // namespace grinsmith
