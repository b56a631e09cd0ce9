#pragma once

#include <string>
#include <string_view>

namespace grinsmith {

// The characters a typed set name loses on its way to a folder name.
inline constexpr std::u16string_view setNameStripChars = u" -/\\;.,+=_()*&^%$#@!:\"'\n\t\r";

// UTF-8 bytes of the text before its first zero character, followed by one zero byte that counts
// in the length; empty (no zero byte either) for empty text. An unpaired surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);

// Appends the UTF-8 form of all of the text, zero characters included, with no terminator.
void appendUtf8(std::string& out, std::u16string_view text);

// UTF-16 form of UTF-8 bytes, with no terminating zero; each invalid byte becomes U+FFFD.
std::u16string fromUtf8(std::string_view bytes);

// The typed set name without any character of setNameStripChars.
std::u16string stripSetName(std::u16string name);

// From the path's last backslash, that backslash included, to the end. A text with no backslash
// is taken as a bare file name and gets a leading backslash, so joined paths stay well formed.
std::u16string fileNamePart(std::u16string_view path);

// The path up to and including its last backslash; empty when it has none.
std::u16string directoryPart(std::u16string_view path);

// Equality of two texts with letters compared without case, the way Windows file systems compare
// file names (simple upper-case mapping of the Latin, Greek and Cyrillic letters).
bool equalIgnoringCase(std::u16string_view a, std::u16string_view b);

// The text with its letters in upper case by the same mapping, as a key for that comparison.
std::u16string upperCase(std::u16string_view text);

}  // namespace grinsmith
