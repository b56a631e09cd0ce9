#include "setbuild/GenerateSet.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "setbuild/Messages.h"
#include "setbuild/RecordingPlatform.h"

namespace grinsmith {
namespace {

using ::grinsmith::fakes::RecordingPlatform;
using ::grinsmith::fakes::utf8;
using ::testing::ElementsAre;

const std::u16string toolsDirectory = u"C:\\Tools\\";

std::u16string utf16(const std::string& text) {
    return fromUtf8(text);
}

SetHeader exampleHeader() {
    return {u"Happy Faces!", u"Example Author", u"Smileys & more"};
}

EntryList exampleEntries() {
    return {{u":-?\\)", u":)", u"uśmiech", u"0", u"C:\\Pics\\smile.png"},
            {u"<3", u"<3", u"heart \"red\"", u"1", u"D:\\Art\\heart.gif"}};
}

EmoticonEntry entryWithImage(std::u16string file) {
    return {u"x", u"", u"", u"0", std::move(file)};
}

const std::string exampleFile =
    "\xEF\xBB\xBF"
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<vorlSets author=\"Example Author\" desc=\"Smileys &amp; more\">\n"
    "\t<item regex=\":-?\\)\" match=\":)\" desc=\"u\xC5\x9Bmiech\" icase=\"0\" "
    "file=\"HappyFaces\\smile.png\"/>\t\n"
    "\t<item regex=\"&lt;3\" match=\"&lt;3\" desc=\"heart &quot;red&quot;\" icase=\"1\" "
    "file=\"HappyFaces\\heart.gif\"/>\t\n"
    "</vorlSets>\n";

TEST(GenerateSetTest, WritesTheExampleSetInOrder) {
    RecordingPlatform platform;
    generateSet(exampleHeader(), exampleEntries(), toolsDirectory, platform);

    EXPECT_THAT(platform.calls,
                ElementsAre("createDirectory C:\\Tools\\HappyFaces",
                            "copyFile C:\\Pics\\smile.png -> C:\\Tools\\HappyFaces\\smile.png",
                            "copyFile D:\\Art\\heart.gif -> C:\\Tools\\HappyFaces\\heart.gif",
                            "createFile C:\\Tools\\HappyFaces.xml", "writeFile 3", "writeFile 306",
                            "closeFile", "showMessage Poprawnie wygenerowano zestaw!"));
    EXPECT_EQ(platform.files.at(u"C:\\Tools\\HappyFaces.xml"), exampleFile);
    EXPECT_EQ(exampleFile.size(), 309u);
}

TEST(GenerateSetTest, EmptyHeaderAndNonAsciiValues) {
    RecordingPlatform platform;
    generateSet({u"Uśmiechy 2", u"", u""}, {{u"ż'\t", u"", u"", u"1", u"C:\\Ś\\Łódź.png"}},
                toolsDirectory, platform);
    EXPECT_EQ(platform.files.at(u"C:\\Tools\\Uśmiechy2.xml"),
              "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
              "<vorlSets author=\"\" desc=\"\">\n"
              "\t<item regex=\"\xC5\xBC'\t\" match=\"\" desc=\"\" icase=\"1\" "
              "file=\"U\xC5\x9Bmiechy2\\\xC5\x81\xC3\xB3"
              "d\xC5\xBA.png\"/>\t\n"
              "</vorlSets>\n");
}

TEST(GenerateSetTest, SameImageTwiceIsCopiedTwiceAndNamedTwice) {
    RecordingPlatform platform;
    const EntryList entries = {entryWithImage(u"C:\\P\\a.png"), entryWithImage(u"C:\\P\\a.png")};
    generateSet({u"S", u"", u""}, entries, toolsDirectory, platform);
    EXPECT_EQ(std::count(platform.calls.begin(), platform.calls.end(),
                         "copyFile C:\\P\\a.png -> C:\\Tools\\S\\a.png"),
              2);
    const std::string& file = platform.files.at(u"C:\\Tools\\S.xml");
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 5);  // declaration, root twice, 2 items
    EXPECT_THAT(platform.messages, ElementsAre(messages::success));
}

struct RefusalCase {
    const char* name;
    friend void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }
    std::u16string setName;
    EntryList entries;
    bool pathsIgnoreCase;
    std::string message;
};

class GenerateSetRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(GenerateSetRefusalTest, RefusesBeforeAnythingIsCreated) {
    RecordingPlatform platform;
    platform.pathsIgnoreCase = GetParam().pathsIgnoreCase;
    generateSet({GetParam().setName, u"a", u"d"}, GetParam().entries, toolsDirectory, platform);
    EXPECT_THAT(platform.calls, ElementsAre("showMessage " + GetParam().message));
}

const EntryList oneEntry = {{u"x", u"", u"", u"0", u"C:\\P\\a.png"}};
const EntryList clashingEntries = {entryWithImage(u"C:\\P\\ok.png"),
                                   entryWithImage(u"C:\\P\\Smile.png"),
                                   entryWithImage(u"D:\\Q\\sMILE.PNG")};

INSTANTIATE_TEST_SUITE_P(
    Cases, GenerateSetRefusalTest,
    testing::Values(
        RefusalCase{"EmptyListComesFirst", u"", {}, false, "Lista emotikon jest pusta!"},
        RefusalCase{"EmptyListWithGoodName", u"Name", {}, false, "Lista emotikon jest pusta!"},
        RefusalCase{"NameOfStripCharactersOnly", u" .-_", oneEntry, false,
                    "Musisz podać nazwę folderu docelowego!"},
        RefusalCase{"QuestionMark", u"Zestaw?", oneEntry, false,
                    "Niedozwolona nazwa folderu docelowego!"},
        RefusalCase{"AngleBracketsAndBar", u"a<b>c|d", oneEntry, false,
                    "Niedozwolona nazwa folderu docelowego!"},
        RefusalCase{"ControlCharacterNotStripped", u"a\x1F", oneEntry, false,
                    "Niedozwolona nazwa folderu docelowego!"},
        RefusalCase{"DeviceName", u"con", oneEntry, false,
                    "Niedozwolona nazwa folderu docelowego!"},
        RefusalCase{"DeviceNameAfterStripping", u"P.R.N", oneEntry, false,
                    "Niedozwolona nazwa folderu docelowego!"},
        RefusalCase{"NumberedDeviceName", u"Lpt9", oneEntry, false,
                    "Niedozwolona nazwa folderu docelowego!"},
        RefusalCase{"ForbiddenNameBeforeClashingImages", u"AUX", clashingEntries, false,
                    "Niedozwolona nazwa folderu docelowego!"},
        RefusalCase{"DifferentImagesUnderOneName", u"Set", clashingEntries, false,
                    "Dwa różne obrazy mają tę samą nazwę pliku: Smile.png"},
        RefusalCase{"SameNameInDifferentCaseFolders",
                    u"Set",
                    {entryWithImage(u"C:\\Pics\\a.png"), entryWithImage(u"C:\\PICS\\A.png")},
                    false,
                    "Dwa różne obrazy mają tę samą nazwę pliku: a.png"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST(GenerateSetTest, AcceptsNamesThatOnlyResembleDevices) {
    for (const char16_t* name : {u"CONSOLE", u"COM0", u"LPT", u"NUL1x", u"Zestaw"}) {
        RecordingPlatform platform;
        generateSet({name, u"", u""}, oneEntry, toolsDirectory, platform);
        EXPECT_THAT(platform.messages, ElementsAre(messages::success)) << utf8(name);
    }
}

TEST(GenerateSetTest, OneImageUnderPathsThatTheHostTakesAsEqual) {
    RecordingPlatform platform;
    platform.pathsIgnoreCase = true;
    const EntryList entries = {entryWithImage(u"C:\\Pics\\a.png"),
                               entryWithImage(u"c:\\pics\\A.PNG")};
    generateSet({u"Set", u"", u""}, entries, toolsDirectory, platform);
    EXPECT_THAT(platform.messages, ElementsAre(messages::success));
}

struct FailureCase {
    const char* name;
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
    void (*arrange)(RecordingPlatform&);
    std::string report;
};

class GenerateSetFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(GenerateSetFailureTest, ReportsEveryFailedOperationInsteadOfSuccess) {
    RecordingPlatform platform;
    GetParam().arrange(platform);
    generateSet(exampleHeader(), exampleEntries(), toolsDirectory, platform);
    EXPECT_THAT(platform.messages, ElementsAre(utf16(GetParam().report)));
    EXPECT_FALSE(platform.hasOpenFiles());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GenerateSetFailureTest,
    testing::Values(
        FailureCase{"FolderNotCreated",
                    [](RecordingPlatform& p) { p.failingPaths.insert(u"C:\\Tools\\HappyFaces"); },
                    "Wystąpiły błędy podczas generowania zestawu:\n"
                    "Nie można utworzyć folderu C:\\Tools\\HappyFaces"},
        FailureCase{"OneImageNotCopied",
                    [](RecordingPlatform& p) { p.failingPaths.insert(u"D:\\Art\\heart.gif"); },
                    "Wystąpiły błędy podczas generowania zestawu:\n"
                    "Nie można skopiować pliku D:\\Art\\heart.gif"},
        FailureCase{
            "DefinitionFileNotCreated",
            [](RecordingPlatform& p) { p.failingPaths.insert(u"C:\\Tools\\HappyFaces.xml"); },
            "Wystąpiły błędy podczas generowania zestawu:\n"
            "Nie można zapisać pliku C:\\Tools\\HappyFaces.xml"},
        FailureCase{"WritesFailOnceReported", [](RecordingPlatform& p) { p.failWrites = true; },
                    "Wystąpiły błędy podczas generowania zestawu:\n"
                    "Nie można zapisać pliku C:\\Tools\\HappyFaces.xml"},
        FailureCase{"CloseFails", [](RecordingPlatform& p) { p.failClose = true; },
                    "Wystąpiły błędy podczas generowania zestawu:\n"
                    "Nie można zapisać pliku C:\\Tools\\HappyFaces.xml"},
        FailureCase{"EverythingFails", [](RecordingPlatform& p) { p.failEverything = true; },
                    "Wystąpiły błędy podczas generowania zestawu:\n"
                    "Nie można utworzyć folderu C:\\Tools\\HappyFaces\n"
                    "Nie można skopiować pliku C:\\Pics\\smile.png\n"
                    "Nie można skopiować pliku D:\\Art\\heart.gif\n"
                    "Nie można zapisać pliku C:\\Tools\\HappyFaces.xml"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(GenerateSetTest, FailingPlatformStillReceivesEveryStepInOrder) {
    RecordingPlatform platform;
    platform.failEverything = true;
    generateSet(exampleHeader(), exampleEntries(), toolsDirectory, platform);
    ASSERT_EQ(platform.calls.size(), 7u);
    EXPECT_THAT(std::vector<std::string>(platform.calls.begin(), platform.calls.end() - 1),
                ElementsAre("createDirectory C:\\Tools\\HappyFaces",
                            "copyFile C:\\Pics\\smile.png -> C:\\Tools\\HappyFaces\\smile.png",
                            "copyFile D:\\Art\\heart.gif -> C:\\Tools\\HappyFaces\\heart.gif",
                            "createFile C:\\Tools\\HappyFaces.xml", "writeFile invalid 3",
                            "writeFile invalid 306"));
}

TEST(GenerateSetTest, ReportListsTenFailuresThenAnEllipsis) {
    RecordingPlatform platform;
    EntryList entries;
    for (int i = 0; i < 12; ++i) {
        const std::u16string path = u"C:\\P\\" + utf16(std::to_string(i)) + u".png";
        entries.push_back(entryWithImage(path));
        platform.failingPaths.insert(path);
    }
    platform.failingPaths.insert(u"C:\\Tools\\S");
    generateSet({u"S", u"", u""}, entries, toolsDirectory, platform);

    std::string expected =
        "Wystąpiły błędy podczas generowania zestawu:\nNie można utworzyć folderu C:\\Tools\\S";
    for (int i = 0; i < 9; ++i) {
        expected += "\nNie można skopiować pliku C:\\P\\" + std::to_string(i) + ".png";
    }
    expected += "\n…";
    EXPECT_THAT(platform.messages, ElementsAre(utf16(expected)));
    // The images after the tenth failure are still tried and the file is still written.
    EXPECT_EQ(platform.files.count(u"C:\\Tools\\S.xml"), 1u);
}

}  // namespace
}  // namespace grinsmith
