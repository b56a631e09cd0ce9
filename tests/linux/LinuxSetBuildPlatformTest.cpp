#include "linux/LinuxSetBuildPlatform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "linux/HostPath.h"
#include "setbuild/GenerateSet.h"
#include "setbuild/Messages.h"
#include "setbuild/Text.h"

namespace grinsmith::linuxhost {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

void writeFile(const fs::path& path, const std::string& contents) {
    std::ofstream(path, std::ios::binary) << contents;
}

// A fresh temporary directory, removed with everything in it at the end of the test.
class TemporaryDirectory {
public:
    TemporaryDirectory() {
        std::string pattern = (fs::temp_directory_path() / "grinsmith-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~TemporaryDirectory() { fs::remove_all(m_path); }
    const fs::path& path() const { return m_path; }
    // The directory as a set path, ending in a backslash.
    std::u16string setPath() const { return fromHostPath(m_path.string() + "/"); }

private:
    fs::path m_path;
};

class LinuxSetBuildPlatformTest : public ::testing::Test {
protected:
    std::vector<std::u16string> m_messages;
    LinuxSetBuildPlatform m_platform{
        [this](const std::u16string& text) { m_messages.push_back(text); }};
    TemporaryDirectory m_directory;
};

TEST(HostPathTest, MapsBackslashesToSlashesAndBack) {
    EXPECT_EQ(toHostPath(u"\\tmp\\Uśmiechy\\a.png"), "/tmp/U\xC5\x9Bmiechy/a.png");
    EXPECT_EQ(toHostPath(u""), "");
    EXPECT_EQ(fromHostPath("/tmp/U\xC5\x9Bmiechy/a.png"), u"\\tmp\\Uśmiechy\\a.png");
}

TEST_F(LinuxSetBuildPlatformTest, GeneratesTheSetBesideTheFolder) {
    const fs::path images = m_directory.path() / "images";
    const fs::path tool = m_directory.path() / "tool";
    fs::create_directories(images);
    fs::create_directories(tool / "HappyFaces");
    writeFile(images / "smile.png", "new smile");
    writeFile(images / "heart.gif", "heart");
    writeFile(tool / "HappyFaces" / "smile.png", "old smile");
    writeFile(tool / "HappyFaces" / "other.txt", "kept");
    writeFile(tool / "HappyFaces.xml", std::string(1000, 'x'));

    const std::u16string imagesPath = fromHostPath(images.string());
    const EntryList entries = {{u":-?\\)", u":)", u"uśmiech", u"0", imagesPath + u"\\smile.png"},
                               {u"<3", u"<3", u"heart \"red\"", u"1", imagesPath + u"\\heart.gif"}};
    generateSet({u"Happy Faces!", u"Example Author", u"Smileys & more"}, entries,
                fromHostPath(tool.string() + "/"), m_platform);

    EXPECT_THAT(m_messages, ElementsAre(messages::success));
    EXPECT_EQ(readFile(tool / "HappyFaces" / "smile.png"), "new smile");
    EXPECT_EQ(readFile(tool / "HappyFaces" / "heart.gif"), "heart");
    EXPECT_EQ(readFile(tool / "HappyFaces" / "other.txt"), "kept");
    const std::string definition = readFile(tool / "HappyFaces.xml");
    EXPECT_EQ(definition.size(), 309u);
    EXPECT_EQ(definition.substr(0, 8), "\xEF\xBB\xBF<?xml");
    EXPECT_EQ(definition.substr(definition.size() - 12), "</vorlSets>\n");
}

TEST_F(LinuxSetBuildPlatformTest, ReportsAMissingImageWithItsHostPath) {
    const std::u16string dir = m_directory.setPath();
    writeFile(m_directory.path() / "here.png", "x");
    const EntryList entries = {{u"a", u"", u"", u"0", dir + u"gone.png"},
                               {u"b", u"", u"", u"0", dir + u"here.png"}};
    generateSet({u"S", u"", u""}, entries, dir, m_platform);

    const std::u16string hostDir = fromUtf8(m_directory.path().string());
    EXPECT_THAT(m_messages, ElementsAre(u"Wystąpiły błędy podczas generowania zestawu:\n"
                                        u"Nie można skopiować pliku " +
                                        hostDir + u"/gone.png"));
    EXPECT_EQ(readFile(m_directory.path() / "S" / "here.png"), "x");
    EXPECT_THAT(readFile(m_directory.path() / "S.xml"),
                ::testing::HasSubstr("file=\"S\\gone.png\""));
}

TEST_F(LinuxSetBuildPlatformTest, ReportsAFolderThatCannotBeMade) {
    writeFile(m_directory.path() / "S", "a file where the folder should go");
    writeFile(m_directory.path() / "a.png", "x");
    const std::u16string dir = m_directory.setPath();
    generateSet({u"S", u"", u""}, {{u"a", u"", u"", u"0", dir + u"a.png"}}, dir, m_platform);

    const std::u16string hostDir = fromUtf8(m_directory.path().string());
    EXPECT_THAT(m_messages, ElementsAre(u"Wystąpiły błędy podczas generowania zestawu:\n"
                                        u"Nie można utworzyć folderu " +
                                        hostDir +
                                        u"/S\n"
                                        u"Nie można skopiować pliku " +
                                        hostDir + u"/a.png"));
}

TEST_F(LinuxSetBuildPlatformTest, FileOperationsReportTheirOutcome) {
    const std::u16string dir = m_directory.setPath();
    EXPECT_TRUE(m_platform.createDirectory(dir + u"d"));
    EXPECT_TRUE(m_platform.createDirectory(dir + u"d"));  // already there
    EXPECT_FALSE(m_platform.createDirectory(dir + u"missing\\d"));

    const FileHandle file = m_platform.createFile(dir + u"f.xml");
    ASSERT_NE(file, invalidFileHandle);
    EXPECT_TRUE(m_platform.writeFile(file, "abc", 3));
    EXPECT_TRUE(m_platform.closeFile(file));
    EXPECT_EQ(readFile(m_directory.path() / "f.xml"), "abc");

    EXPECT_EQ(m_platform.createFile(dir + u"missing\\f.xml"), invalidFileHandle);
    EXPECT_FALSE(m_platform.writeFile(invalidFileHandle, "abc", 3));
    EXPECT_FALSE(m_platform.copyFile(dir + u"none.png", dir + u"copy.png"));
    EXPECT_FALSE(fs::exists(m_directory.path() / "copy.png"));
}

TEST_F(LinuxSetBuildPlatformTest, WriteFailsWhenTheDeviceIsFull) {
    const int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    EXPECT_FALSE(m_platform.writeFile(fd, "abc", 3));
    EXPECT_TRUE(m_platform.closeFile(fd));
}

// Linux allows a backslash inside a file name, but a set path reads every backslash as a
// separator, so such an image cannot be reached; generation reports it as not copied.
TEST_F(LinuxSetBuildPlatformTest, ImageWhoseNameHoldsABackslashCannotBeCopied) {
    writeFile(m_directory.path() / "a\\b.png", "x");
    const std::u16string dir = m_directory.setPath();
    EXPECT_FALSE(m_platform.copyFile(dir + u"a\\b.png", dir + u"copy.png"));
}

}  // namespace
}  // namespace grinsmith::linuxhost
