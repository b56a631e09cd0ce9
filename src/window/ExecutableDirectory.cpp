#include "setbuild/ExecutableDirectory.h"

#include <windows.h>

#include <vector>

#include "setbuild/Text.h"
#include "window/WideText.h"

namespace grinsmith {

namespace {

// The executable's whole path, however long: the buffer grows while the path fills it.
std::u16string executablePath() {
    std::vector<wchar_t> buffer(MAX_PATH + 1, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0) {
            return {};
        }
        if (length < size - 1) {
            return fromWide(buffer.data(), length);
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

}  // namespace

std::u16string executableDirectory() {
    return directoryPart(executablePath());
}

}  // namespace grinsmith
