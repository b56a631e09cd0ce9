#pragma once

#include <string>

namespace grinsmith {

// The directory of the running executable as a set path, ending in a backslash; empty when the
// host cannot tell. Each host provides its own definition.
std::u16string executableDirectory();

}  // namespace grinsmith
