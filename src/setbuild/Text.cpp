#include "setbuild/Text.h"

#include <cstdint>

namespace grinsmith {

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

bool isHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Reads one code point at position i and moves i past it.
char32_t nextCodePoint(std::u16string_view text, std::size_t& i) {
    char32_t c = text[i++];
    if (isHighSurrogate(c)) {
        if (i < text.size() && isLowSurrogate(text[i])) {
            return 0x10000 + ((c - 0xD800) << 10) + (text[i++] - 0xDC00);
        }
        return replacementCharacter;
    }
    return isLowSurrogate(c) ? replacementCharacter : c;
}

// Writes the UTF-8 bytes of one code point and returns the position behind them.
char* writeCodePoint(char* out, char32_t c) {
    auto byte = [&out](char32_t b) { *out++ = static_cast<char>(static_cast<unsigned char>(b)); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | (c >> 18));
        byte(0x80 | ((c >> 12) & 0x3F));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
    return out;
}

void appendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
        return;
    }
    c -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (c >> 10));
    out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
}

struct Utf8Sequence {
    int length;         // bytes in the whole sequence
    char32_t minimum;   // the smallest code point that needs this many bytes
    char32_t leadBits;  // the payload of the lead byte
};

Utf8Sequence sequenceFor(unsigned char lead) {
    if (lead < 0x80)
        return {1, 0, lead};
    if ((lead & 0xE0) == 0xC0)
        return {2, 0x80, lead & 0x1Fu};
    if ((lead & 0xF0) == 0xE0)
        return {3, 0x800, lead & 0x0Fu};
    if ((lead & 0xF8) == 0xF0)
        return {4, 0x10000, lead & 0x07u};
    return {0, 0, 0};
}

// Decodes one well-formed sequence at position i and moves i past it; on a malformed one it moves
// past the lead byte alone and yields U+FFFD.
char32_t nextUtf8CodePoint(std::string_view bytes, std::size_t& i) {
    const Utf8Sequence sequence = sequenceFor(static_cast<unsigned char>(bytes[i]));
    const std::size_t start = i++;
    if (sequence.length == 0 || start + sequence.length > bytes.size()) {
        return replacementCharacter;
    }
    char32_t c = sequence.leadBits;
    for (int k = 1; k < sequence.length; ++k) {
        const auto b = static_cast<unsigned char>(bytes[start + k]);
        if ((b & 0xC0) != 0x80) {
            return replacementCharacter;
        }
        c = (c << 6) | (b & 0x3Fu);
    }
    if (c < sequence.minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return replacementCharacter;
    }
    i = start + sequence.length;
    return c;
}

bool inRange(char16_t c, char16_t first, char16_t last) {
    return c >= first && c <= last;
}

char16_t toUpperLetter(char16_t c) {
    if (inRange(c, u'a', u'z') || (inRange(c, 0xE0, 0xFE) && c != 0xF7) ||
        inRange(c, 0x3B1, 0x3C9) || inRange(c, 0x430, 0x44F)) {
        return c == 0x3C2 ? c : static_cast<char16_t>(c - 0x20);
    }
    if (c == 0xFF)
        return 0x178;
    if (inRange(c, 0x450, 0x45F))
        return static_cast<char16_t>(c - 0x50);
    // Latin Extended-A pairs an upper-case letter with the lower-case one after it, with the
    // pairs shifted by one between U+0139 and U+0148 and again between U+0179 and U+017E.
    const bool oddPairs = inRange(c, 0x139, 0x148) || inRange(c, 0x179, 0x17E);
    if (oddPairs)
        return (c % 2 == 0) ? static_cast<char16_t>(c - 1) : c;
    if (inRange(c, 0x100, 0x12F) || inRange(c, 0x132, 0x137) || inRange(c, 0x14A, 0x177)) {
        return (c % 2 == 1) ? static_cast<char16_t>(c - 1) : c;
    }
    return c;
}

}  // namespace

// Bytes of the UTF-8 form; an unpaired surrogate counts as the three bytes of U+FFFD.
std::size_t utf8Length(std::u16string_view text) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c < 0x80) {
            length += 1;
        } else if (c < 0x800) {
            length += 2;
        } else if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            length += 4;
            ++i;
        } else {
            length += 3;
        }
    }
    return length;
}

void appendUtf8(std::string& out, std::u16string_view text) {
    const std::size_t start = out.size();
    out.resize(start + utf8Length(text));
    char* next = out.data() + start;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] < 0x80) {
            *next++ = static_cast<char>(text[i++]);  // most text is ASCII: no decoding needed
        } else {
            next = writeCodePoint(next, nextCodePoint(text, i));
        }
    }
}

std::string toUtf8(std::u16string_view text) {
    if (text.empty()) {
        return {};
    }
    // Like the Win32 converter given zero-terminated text: text after a zero character is not
    // converted, and the terminating zero is always written.
    text = text.substr(0, text.find(u'\0'));
    std::string out;
    out.reserve(utf8Length(text) + 1);
    appendUtf8(out, text);
    out += '\0';
    return out;
}

std::u16string fromUtf8(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        appendUtf16(out, nextUtf8CodePoint(bytes, i));
    }
    return out;
}

std::u16string stripSetName(std::u16string name) {
    std::size_t position = 0;
    while ((position = name.find_first_of(setNameStripChars, position)) != std::u16string::npos) {
        name.erase(position, 1);
    }
    return name;
}

std::u16string fileNamePart(std::u16string_view path) {
    const std::size_t lastBackslash = path.rfind(u'\\');
    if (lastBackslash == std::u16string_view::npos) {
        std::u16string name(1, u'\\');
        return name.append(path);
    }
    return std::u16string(path.substr(lastBackslash));
}

std::u16string directoryPart(std::u16string_view path) {
    const std::size_t lastBackslash = path.rfind(u'\\');
    if (lastBackslash == std::u16string_view::npos) {
        return {};
    }
    return std::u16string(path.substr(0, lastBackslash + 1));
}

bool equalIgnoringCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (toUpperLetter(a[i]) != toUpperLetter(b[i])) {
            return false;
        }
    }
    return true;
}

std::u16string upperCase(std::u16string_view text) {
    std::u16string upper(text);
    for (char16_t& c : upper) {
        c = toUpperLetter(c);
    }
    return upper;
}

}  // namespace grinsmith
