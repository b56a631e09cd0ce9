#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "window/WideText.h"

namespace grinsmith::testfiles {

// The whole contents of a file, or nothing when it cannot be opened.
inline std::optional<std::string> readFile(const std::u16string& path) {
    const HANDLE file = CreateFileW(asWide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof(chunk), &read, nullptr) && read > 0) {
        bytes.append(chunk, read);
    }
    CloseHandle(file);
    return bytes;
}

// Creates or replaces a file with the given bytes.
inline void writeFile(const std::u16string& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(asWide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace grinsmith::testfiles
