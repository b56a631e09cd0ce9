#pragma once

#include "setbuild/SetBuildPlatform.h"

namespace grinsmith {

// Owns one file handle of a SetBuildPlatform and closes it exactly once: on close(), or when the
// holder goes out of scope with the handle still open.
class ScopedFileHandle {
public:
    ScopedFileHandle(SetBuildPlatform& platform, FileHandle handle) noexcept
        : m_platform(&platform), m_handle(handle) {}
    ScopedFileHandle(const ScopedFileHandle&) = delete;
    ScopedFileHandle& operator=(const ScopedFileHandle&) = delete;
    ScopedFileHandle(ScopedFileHandle&& other) noexcept
        : m_platform(other.m_platform), m_handle(other.release()) {}
    ScopedFileHandle& operator=(ScopedFileHandle&& other) noexcept {
        if (this != &other) {
            close();
            m_platform = other.m_platform;
            m_handle = other.release();
        }
        return *this;
    }
    ~ScopedFileHandle() { close(); }

    bool valid() const noexcept { return m_handle != invalidFileHandle; }
    FileHandle get() const noexcept { return m_handle; }

    // Closes a valid handle and marks the holder invalid; true when the close succeeded, false
    // when it failed or there was nothing to close.
    bool close() noexcept {
        if (!valid()) {
            return false;
        }
        return m_platform->closeFile(release());
    }

private:
    FileHandle release() noexcept {
        const FileHandle handle = m_handle;
        m_handle = invalidFileHandle;
        return handle;
    }

    SetBuildPlatform* m_platform;
    FileHandle m_handle;
};

}  // namespace grinsmith
