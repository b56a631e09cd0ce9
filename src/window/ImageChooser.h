#pragma once

#include <string>

namespace grinsmith {

// Lets the user pick one image file: the shell's item dialog on Windows Vista and later, the
// classic open-file dialog before. The chosen file's full path, or empty on a cancel or failure.
std::u16string chooseImage();

}  // namespace grinsmith
