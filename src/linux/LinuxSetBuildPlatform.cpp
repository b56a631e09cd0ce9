#include "linux/LinuxSetBuildPlatform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

#include "linux/HostPath.h"

namespace grinsmith::linuxhost {

namespace {

// Writes all bytes, going on after partial writes and interrupted calls.
bool writeAll(int fd, const char* bytes, std::size_t count) {
    while (count > 0) {
        const ssize_t written = ::write(fd, bytes, count);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

int openForWriting(const std::string& hostPath) {
    return ::open(hostPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
}

bool copyContents(int from, int to) {
    std::array<char, std::size_t{64} * 1024> buffer{};
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got == 0) {
            return true;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (!writeAll(to, buffer.data(), static_cast<std::size_t>(got))) {
            return false;
        }
    }
}

// A descriptor that is closed when it goes out of scope.
class ScopedDescriptor {
public:
    explicit ScopedDescriptor(int fd) noexcept : m_fd(fd) {}
    ScopedDescriptor(const ScopedDescriptor&) = delete;
    ScopedDescriptor& operator=(const ScopedDescriptor&) = delete;
    ScopedDescriptor(ScopedDescriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    ScopedDescriptor& operator=(ScopedDescriptor&& other) noexcept {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    ~ScopedDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int get() const noexcept { return m_fd; }
    // Closes now and tells whether the close succeeded.
    bool close() noexcept { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

}  // namespace

LinuxSetBuildPlatform::LinuxSetBuildPlatform(MessageSink showMessage)
    : m_showMessage(std::move(showMessage)) {}

bool LinuxSetBuildPlatform::createDirectory(const std::u16string& path) {
    const std::string hostPath = toHostPath(path);
    if (::mkdir(hostPath.c_str(), 0777) == 0) {
        return true;
    }
    struct stat status {};
    return errno == EEXIST && ::stat(hostPath.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool LinuxSetBuildPlatform::copyFile(const std::u16string& source,
                                     const std::u16string& destination) {
    ScopedDescriptor from(::open(toHostPath(source).c_str(), O_RDONLY | O_CLOEXEC));
    if (from.get() < 0) {
        return false;
    }
    ScopedDescriptor to(openForWriting(toHostPath(destination)));
    if (to.get() < 0) {
        return false;
    }
    return copyContents(from.get(), to.get()) && to.close();
}

FileHandle LinuxSetBuildPlatform::createFile(const std::u16string& path) {
    const int fd = openForWriting(toHostPath(path));
    return fd < 0 ? invalidFileHandle : static_cast<FileHandle>(fd);
}

bool LinuxSetBuildPlatform::writeFile(FileHandle file, const char* bytes, std::size_t count) {
    if (file == invalidFileHandle) {
        return false;
    }
    return writeAll(static_cast<int>(file), bytes, count);
}

bool LinuxSetBuildPlatform::closeFile(FileHandle file) {
    return ::close(static_cast<int>(file)) == 0;
}

void LinuxSetBuildPlatform::showMessage(const std::u16string& text) {
    if (m_showMessage) {
        m_showMessage(text);
    }
}

std::u16string LinuxSetBuildPlatform::displayPath(std::u16string_view path) const {
    std::u16string shown(path);
    std::replace(shown.begin(), shown.end(), u'\\', u'/');
    return shown;
}

}  // namespace grinsmith::linuxhost
