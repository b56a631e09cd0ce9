#include "window/Win32SetBuildPlatform.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setbuild/ExecutableDirectory.h"
#include "setbuild/GenerateSet.h"
#include "setbuild/Text.h"
#include "support/Win32Files.h"
#include "window/WideText.h"

namespace grinsmith {
namespace {

using ::testing::ElementsAre;

// The real Windows file operations, with messages recorded instead of shown in boxes.
class RecordingWin32Platform : public Win32SetBuildPlatform {
public:
    RecordingWin32Platform() : Win32SetBuildPlatform(nullptr) {}
    void showMessage(const std::u16string& text) override { messages.push_back(text); }
    std::vector<std::u16string> messages;
};

// A closed handle held by a test; closed once at the end of the scope.
class OpenFile {
public:
    explicit OpenFile(HANDLE handle) : m_handle(handle) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

// A fresh folder under the system's temporary folder, as a set path ending in a backslash.
class Win32SetBuildPlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH, temp);
        m_dir = fromWide(temp) + u"grinsmith-" + fromUtf8(std::to_string(GetCurrentProcessId())) +
                u"\\";
        CreateDirectoryW(asWide(m_dir), nullptr);
    }
    void TearDown() override {
        for (const char16_t* name :
             {u"S\\a.png", u"S\\b.png", u"S.xml", u"a.png", u"b.png", u"copy.png", u"f.xml"}) {
            DeleteFileW(asWide(m_dir + name));
        }
        RemoveDirectoryW(asWide(m_dir + u"S"));
        RemoveDirectoryW(asWide(m_dir + u"d"));
        RemoveDirectoryW(asWide(m_dir));
    }

    RecordingWin32Platform m_platform;
    std::u16string m_dir;
};

TEST_F(Win32SetBuildPlatformTest, DefinitionFileHeldOpenElsewhereIsReportedAndLeftUntouched) {
    testfiles::writeFile(m_dir + u"a.png", "image");
    testfiles::writeFile(m_dir + u"S.xml", "held");
    OpenFile holder(CreateFileW(asWide(m_dir + u"S.xml"), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                nullptr));
    ASSERT_NE(holder.get(), INVALID_HANDLE_VALUE);

    generateSet({u"S", u"", u""}, {{u"x", u"", u"", u"0", m_dir + u"a.png"}}, m_dir, m_platform);

    EXPECT_THAT(
        m_platform.messages,
        ElementsAre(u"Wystąpiły błędy podczas generowania zestawu:\nNie można zapisać pliku " +
                    m_dir + u"S.xml"));
    EXPECT_EQ(testfiles::readFile(m_dir + u"S.xml"), "held");
    EXPECT_EQ(testfiles::readFile(m_dir + u"S\\a.png"), "image");
}

TEST_F(Win32SetBuildPlatformTest, RegenerationTruncatesTheFileAndReplacesCopies) {
    testfiles::writeFile(m_dir + u"a.png", "new image");
    CreateDirectoryW(asWide(m_dir + u"S"), nullptr);
    testfiles::writeFile(m_dir + u"S\\a.png", "old image, longer than the new one");
    testfiles::writeFile(m_dir + u"S\\b.png", "kept");
    testfiles::writeFile(m_dir + u"S.xml", std::string(5000, 'x'));

    generateSet({u"S", u"", u""}, {{u"x", u"", u"", u"0", m_dir + u"a.png"}}, m_dir, m_platform);

    EXPECT_THAT(m_platform.messages, ElementsAre(u"Poprawnie wygenerowano zestaw!"));
    EXPECT_EQ(testfiles::readFile(m_dir + u"S.xml"),
              "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
              "<vorlSets author=\"\" desc=\"\">\n"
              "\t<item regex=\"x\" match=\"\" desc=\"\" icase=\"0\" file=\"S\\a.png\"/>\t\n"
              "</vorlSets>\n");
    EXPECT_EQ(testfiles::readFile(m_dir + u"S\\a.png"), "new image");
    EXPECT_EQ(testfiles::readFile(m_dir + u"S\\b.png"), "kept");
}

TEST_F(Win32SetBuildPlatformTest, OperationsReportTheirOutcome) {
    EXPECT_TRUE(m_platform.createDirectory(m_dir + u"d"));
    EXPECT_TRUE(m_platform.createDirectory(m_dir + u"d"));
    EXPECT_FALSE(m_platform.createDirectory(m_dir + u"missing\\d"));
    testfiles::writeFile(m_dir + u"f.xml", "a file");
    EXPECT_FALSE(m_platform.createDirectory(m_dir + u"f.xml"));

    EXPECT_FALSE(m_platform.copyFile(m_dir + u"none.png", m_dir + u"copy.png"));
    EXPECT_EQ(m_platform.createFile(m_dir + u"missing\\f.xml"), invalidFileHandle);
    EXPECT_FALSE(m_platform.writeFile(invalidFileHandle, "abc", 3));

    const FileHandle file = m_platform.createFile(m_dir + u"f.xml");
    ASSERT_NE(file, invalidFileHandle);
    EXPECT_TRUE(m_platform.writeFile(file, "abc", 3));
    EXPECT_TRUE(m_platform.closeFile(file));
    EXPECT_EQ(testfiles::readFile(m_dir + u"f.xml"), "abc");
}

TEST(Win32PathTest, PathsCompareWithoutCase) {
    const Win32SetBuildPlatform platform(nullptr);
    EXPECT_TRUE(platform.samePath(u"C:\\Pics\\Łódź.PNG", u"c:\\PICS\\łÓDŹ.png"));
    EXPECT_FALSE(platform.samePath(u"C:\\Pics\\a.png", u"C:\\Pics\\b.png"));
}

TEST(Win32ExecutableDirectoryTest, IsTheFolderOfThisProgram) {
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    EXPECT_EQ(executableDirectory(), directoryPart(fromWide(path)));
    EXPECT_EQ(executableDirectory().back(), u'\\');
}

std::string systemUtf8(const std::u16string& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, asWide(text), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size : 0, '\0');
    if (size > 0) {
        WideCharToMultiByte(CP_UTF8, 0, asWide(text), -1, bytes.data(), size, nullptr, nullptr);
    }
    return bytes;
}

class ToUtf8AgreesWithWindowsTest : public ::testing::TestWithParam<std::u16string> {};

TEST_P(ToUtf8AgreesWithWindowsTest, Converts) {
    EXPECT_EQ(toUtf8(GetParam()), systemUtf8(GetParam()));
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(Inputs, ToUtf8AgreesWithWindowsTest,
                         ::testing::Values(u"abc", u"ąę Uśmiechy", u"€ ✓ 中文", u"\U0001F600 ok",
                                           u"ab\0cd"s, u"\0x"s, u"a\xD800"s, u"\xD800z"s,
                                           u"\xDC00"s, u"\xDC00\xD800"s, u"x<y>&\"'\t\r\n"));

}  // namespace
}  // namespace grinsmith
