#pragma once

#include <string>
#include <string_view>

namespace grinsmith::linuxhost {

// A set path as a Linux path: UTF-8, each backslash a slash. A Linux file name that holds a
// backslash therefore cannot be reached through a set path: its backslash reads as a separator.
std::string toHostPath(std::u16string_view setPath);

// A Linux path as a set path: UTF-16, each slash a backslash. Invalid UTF-8 becomes U+FFFD, so
// such a path does not map back to the same file.
std::u16string fromHostPath(std::string_view hostPath);

}  // namespace grinsmith::linuxhost
