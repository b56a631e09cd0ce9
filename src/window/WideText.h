#pragma once

#include <string>
#include <string_view>

namespace grinsmith {

// On Windows wchar_t is a UTF-16 code unit, so the program's wide text passes to the Win32 W
// functions without conversion.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline const wchar_t* asWide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::u16string fromWide(const wchar_t* text, std::size_t length) {
    return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

inline std::u16string fromWide(const wchar_t* text) {
    return text == nullptr ? std::u16string() : fromWide(text, std::wstring_view(text).size());
}

}  // namespace grinsmith
