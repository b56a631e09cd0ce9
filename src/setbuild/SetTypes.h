#pragma once

#include <string>
#include <vector>

namespace grinsmith {

// The set header as typed in the window.
struct SetHeader {
    std::u16string name;
    std::u16string author;
    std::u16string description;
};

// One row of the entry list, its five cells in column order.
struct EmoticonEntry {
    std::u16string regex;
    std::u16string match;
    std::u16string desc;
    std::u16string icase;  // "1" or "0"
    std::u16string file;   // full path of the source image
};

// The rows in the order the list shows them.
using EntryList = std::vector<EmoticonEntry>;

}  // namespace grinsmith
