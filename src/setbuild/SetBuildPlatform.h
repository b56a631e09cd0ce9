#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace grinsmith {

// A host's open file: a Win32 HANDLE or a POSIX descriptor, carried as an integer.
using FileHandle = std::intptr_t;

// The value of a handle that names no file (INVALID_HANDLE_VALUE, or the descriptor -1).
inline constexpr FileHandle invalidFileHandle = -1;

// The operations through which set generation acts on the outside world. Paths are set paths:
// backslash-separated, whatever the host.
class SetBuildPlatform {
public:
    virtual ~SetBuildPlatform() = default;

    // True when the folder exists afterwards, also when it was there before.
    virtual bool createDirectory(const std::u16string& path) = 0;
    // Copies the file, replacing an existing destination.
    virtual bool copyFile(const std::u16string& source, const std::u16string& destination) = 0;
    // A handle for writing to a file that is new or truncated to empty, or invalidFileHandle.
    virtual FileHandle createFile(const std::u16string& path) = 0;
    // True only when every byte was written; nothing is written to the invalid handle.
    virtual bool writeFile(FileHandle file, const char* bytes, std::size_t count) = 0;
    // Called only with a valid handle.
    virtual bool closeFile(FileHandle file) = 0;
    // A modal message the user dismisses before generation goes on.
    virtual void showMessage(const std::u16string& text) = 0;

    // Whether two source paths name the same file as this host compares paths.
    virtual bool samePath(std::u16string_view a, std::u16string_view b) const { return a == b; }
    // A set path as the user knows it on this host, for messages.
    virtual std::u16string displayPath(std::u16string_view path) const {
        return std::u16string(path);
    }
};

}  // namespace grinsmith
