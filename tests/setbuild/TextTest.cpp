#include "setbuild/Text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace grinsmith {
namespace {

using namespace std::string_literals;

struct Utf8Case {
    const char* name;
    friend void PrintTo(const Utf8Case& c, std::ostream* os) { *os << c.name; }
    std::u16string text;
    std::string bytes;
};

class ToUtf8Test : public testing::TestWithParam<Utf8Case> {};

TEST_P(ToUtf8Test, Converts) {
    EXPECT_EQ(toUtf8(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToUtf8Test,
    testing::Values(Utf8Case{"EmptyIsNoBytesAtAll", u"", ""},
                    Utf8Case{"AsciiKeepsItsTerminatingZero", u"abc", "abc\0"s},
                    Utf8Case{"PolishLettersAreTwoBytes", u"ąę", "\xC4\x85\xC4\x99\0"s},
                    Utf8Case{"ThreeByteCharacter", u"€", "\xE2\x82\xAC\0"s},
                    Utf8Case{"SurrogatePairIsFourBytes", u"\U0001F600", "\xF0\x9F\x98\x80\0"s},
                    Utf8Case{"TextStopsAtFirstZeroCharacter", u"ab\0cd"s, "ab\0"s},
                    Utf8Case{"LeadingZeroCharacterLeavesOnlyTheTerminator", u"\0ab"s, "\0"s},
                    Utf8Case{"UnpairedHighSurrogate", u"a\xD800"s, "a\xEF\xBF\xBD\0"s},
                    Utf8Case{"HighSurrogateBeforeLetter", u"\xD800z"s, "\xEF\xBF\xBDz\0"s},
                    Utf8Case{"UnpairedLowSurrogate", u"\xDC00"s, "\xEF\xBF\xBD\0"s},
                    Utf8Case{"SwappedPairIsTwoReplacements", u"\xDC00\xD800"s,
                             "\xEF\xBF\xBD\xEF\xBF\xBD\0"s}),
    [](const testing::TestParamInfo<Utf8Case>& info) { return std::string(info.param.name); });

class FromUtf8Test : public testing::TestWithParam<Utf8Case> {};

TEST_P(FromUtf8Test, Converts) {
    EXPECT_EQ(fromUtf8(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FromUtf8Test,
    testing::Values(Utf8Case{"Empty", u"", ""},
                    Utf8Case{"MultiByteLetters", u"/tmp/Uśmiechy€\U0001F600",
                             "/tmp/U\xC5\x9Bmiechy\xE2\x82\xAC\xF0\x9F\x98\x80"},
                    Utf8Case{"StrayContinuationByte",
                             u"a\xFFFD"
                             u"b",
                             "a\x80"
                             "b"},
                    Utf8Case{"TruncatedSequence", u"a\xFFFD", "a\xC5"},
                    Utf8Case{"OverlongSlash", u"\xFFFD\xFFFD", "\xC0\xAF"},
                    Utf8Case{"EncodedSurrogate", u"\xFFFD\xFFFD\xFFFD", "\xED\xA0\x80"}),
    [](const testing::TestParamInfo<Utf8Case>& info) { return std::string(info.param.name); });

struct TextCase {
    const char* name;
    friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
    std::u16string input;
    std::u16string expected;
};

class StripSetNameTest : public testing::TestWithParam<TextCase> {};

TEST_P(StripSetNameTest, Strips) {
    EXPECT_EQ(stripSetName(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StripSetNameTest,
    testing::Values(TextCase{"SpaceAndExclamationMark", u"Happy Faces!", u"HappyFaces"},
                    TextCase{"NonAsciiLetterStays", u"Uśmiechy 2", u"Uśmiechy2"},
                    TextCase{"OnlyStripCharacters", u" .-_ ._", u""},
                    TextCase{"ControlCharacters", u"a\tb\r\nc", u"abc"},
                    TextCase{"AdjacentRunsGoTogether", u"a -b", u"ab"},
                    TextCase{"EveryStripCharacter", u"<" + std::u16string(setNameStripChars) + u">",
                             u"<>"},
                    TextCase{"PathAndDriveCharacters", u"..\\C:/x.y", u"Cxy"},
                    TextCase{"CharactersWindowsRefusesStay", u"Zestaw?|<>", u"Zestaw?|<>"}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(SetNameStripCharsTest, HoldsTheTwentySixCharacters) {
    EXPECT_EQ(setNameStripChars.size(), 26u);
}

class FileNamePartTest : public testing::TestWithParam<TextCase> {};

TEST_P(FileNamePartTest, Takes) {
    EXPECT_EQ(fileNamePart(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileNamePartTest,
    testing::Values(TextCase{"KeepsTheBackslash", u"C:\\Pics\\smile.png", u"\\smile.png"},
                    TextCase{"KeepsCaseAndExtension", u"D:\\Art\\Heart.GIF", u"\\Heart.GIF"},
                    TextCase{"TrailingBackslash", u"C:\\Pics\\", u"\\"},
                    TextCase{"SlashIsNoSeparator", u"C:\\a/b.png", u"\\a/b.png"},
                    TextCase{"BareNameGetsABackslash", u"smile.png", u"\\smile.png"}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(PathFormationTest, JoinsByPlainConcatenation) {
    const std::u16string directory = directoryPart(u"C:\\Tools\\maker.exe");
    const std::u16string name = stripSetName(u"Happy Faces!");
    const std::u16string image = fileNamePart(u"C:\\Pics\\smile.png");
    EXPECT_EQ(directory, u"C:\\Tools\\");
    EXPECT_EQ(directory + name, u"C:\\Tools\\HappyFaces");
    EXPECT_EQ(directory + name + image, u"C:\\Tools\\HappyFaces\\smile.png");
    EXPECT_EQ(name + image, u"HappyFaces\\smile.png");
    EXPECT_EQ(directoryPart(u"maker.exe"), u"");
}

struct CaseCompareCase {
    const char* name;
    friend void PrintTo(const CaseCompareCase& c, std::ostream* os) { *os << c.name; }
    std::u16string a;
    std::u16string b;
    bool equal;
};

class EqualIgnoringCaseTest : public testing::TestWithParam<CaseCompareCase> {};

TEST_P(EqualIgnoringCaseTest, Compares) {
    EXPECT_EQ(equalIgnoringCase(GetParam().a, GetParam().b), GetParam().equal);
    EXPECT_EQ(equalIgnoringCase(GetParam().b, GetParam().a), GetParam().equal);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EqualIgnoringCaseTest,
    testing::Values(CaseCompareCase{"Ascii", u"Smile.PNG", u"smile.png", true},
                    CaseCompareCase{"PolishLetters", u"ŻÓŁW-ĄĘŚĆŃŹ.gif", u"żółw-ąęśćńź.gif", true},
                    CaseCompareCase{"CyrillicAndGreek", u"ЁЖΣ", u"ёжσ", true},
                    CaseCompareCase{"DifferentLetters", u"smile.png", u"smilf.png", false},
                    CaseCompareCase{"DifferentLengths", u"a.png", u"a.pngx", false},
                    CaseCompareCase{"NeighbouringLatinLetters", u"Ą", u"ć", false},
                    CaseCompareCase{"SignsAreNotLetters", u"@[", u"`{", false}),
    [](const testing::TestParamInfo<CaseCompareCase>& info) {
        return std::string(info.param.name);
    });

}  // namespace
}  // namespace grinsmith
