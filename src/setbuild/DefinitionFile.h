#pragma once

#include <string_view>

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

}  // namespace grinsmith::definitionFile
