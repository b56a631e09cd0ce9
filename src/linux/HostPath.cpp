#include "linux/HostPath.h"

#include <algorithm>

#include "setbuild/Text.h"

namespace grinsmith::linuxhost {

std::string toHostPath(std::u16string_view setPath) {
    std::string path = toUtf8(setPath);
    if (!path.empty()) {
        path.pop_back();  // the terminating zero that toUtf8 counts in the length
    }
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::u16string fromHostPath(std::string_view hostPath) {
    std::u16string path = fromUtf8(hostPath);
    std::replace(path.begin(), path.end(), u'/', u'\\');
    return path;
}

}  // namespace grinsmith::linuxhost
