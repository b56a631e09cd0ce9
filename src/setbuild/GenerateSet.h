#pragma once

#include <string>
#include <string_view>

#include "setbuild/SetBuildPlatform.h"
#include "setbuild/SetTypes.h"

namespace grinsmith {

// Writes the set folder with copies of the images and the definition file beside it into the
// executable directory (ending in a backslash), and tells the user the outcome through the
// platform: a refusal, the list of failed operations, or success.
void generateSet(const SetHeader& header, const EntryList& entries,
                 std::u16string_view executableDirectory, SetBuildPlatform& platform);

}  // namespace grinsmith
