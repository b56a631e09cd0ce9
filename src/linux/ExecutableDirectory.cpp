#include "setbuild/ExecutableDirectory.h"

#include <unistd.h>

#include <string>

#include "linux/HostPath.h"
#include "setbuild/Text.h"

namespace grinsmith {

namespace {

// The target of /proc/self/exe, read whole however long it is; empty when it cannot be read.
std::string runningExecutablePath() {
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(length));
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::u16string executableDirectory() {
    return directoryPart(linuxhost::fromHostPath(runningExecutablePath()));
}

}  // namespace grinsmith
