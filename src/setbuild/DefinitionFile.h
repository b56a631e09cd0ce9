#pragma once

#include <string>
#include <string_view>

#include "setbuild/SetTypes.h"
#include "xml/XmlElement.h"

namespace grinsmith::definitionFile {

// The UTF-8 byte-order mark that opens the file.
inline constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
// Appended to the stripped set name to name the file beside the set folder.
inline constexpr std::u16string_view suffix = u".xml";

inline constexpr std::string_view rootElement = "vorlSets";
inline constexpr std::string_view authorAttribute = "author";
inline constexpr std::string_view setDescAttribute = "desc";

inline constexpr std::string_view itemElement = "item";
inline constexpr std::string_view regexAttribute = "regex";
inline constexpr std::string_view matchAttribute = "match";
inline constexpr std::string_view descAttribute = "desc";
inline constexpr std::string_view icaseAttribute = "icase";
inline constexpr std::string_view fileAttribute = "file";

// The tree of the file: the root with the header, one item per entry in list order, each naming
// its image inside the set folder of the stripped set name.
XmlElement buildTree(const SetHeader& header, const EntryList& entries,
                     std::u16string_view setName);

// The declaration followed by the written tree: all of the file after its byte-order mark.
std::string text(const XmlElement& root);

}  // namespace grinsmith::definitionFile
