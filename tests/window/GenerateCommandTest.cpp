#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "DialogDriver.h"
#include "resources/resource.h"

namespace grinsmith::test {
namespace {

const std::u16string success = u"Poprawnie wygenerowano zestaw!";

TEST(GenerateCommand, WritesTheSetFolderAndTheDefinitionFileBesideTheExecutable) {
    TempFolder sources(u"grinsmith-generate");
    const std::u16string smile = sources.writeFile(u"Pics\\smile.png", "\x89PNG smile");
    const std::u16string heart = sources.writeFile(u"Art\\heart.gif", "GIF89a heart");
    GeneratedSet set(u"HappyTests");
    runMainDialog([&](HWND dialog) {
        setControlText(dialog, IDC_SET_NAME, u"Happy Tests!");
        setControlText(dialog, IDC_AUTHOR, u"Example Author");
        setControlText(dialog, IDC_DESCRIPTION, u"Smileys & more");
        addEntry(dialog, {u":-?\\)", u":)", u"uśmiech", u"0", smile});
        addEntry(dialog, {u"<3", u"<3", u"heart \"red\"", u"1", heart});
        EXPECT_EQ(generate(dialog), success);
        EXPECT_EQ(rowCount(dialog), 2) << "the window keeps its rows";
        EXPECT_EQ(controlText(dialog, IDC_SET_NAME), u"Happy Tests!");
    });

    const std::string expected =
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<vorlSets author=\"Example Author\" desc=\"Smileys &amp; more\">\n"
        "\t<item regex=\":-?\\)\" match=\":)\" desc=\"u\xC5\x9Bmiech\" icase=\"0\" "
        "file=\"HappyTests\\smile.png\"/>\t\n"
        "\t<item regex=\"&lt;3\" match=\"&lt;3\" desc=\"heart &quot;red&quot;\" icase=\"1\" "
        "file=\"HappyTests\\heart.gif\"/>\t\n"
        "</vorlSets>\n";
    ASSERT_EQ(expected.size(), 309u);
    EXPECT_EQ(readFile(set.definitionFile()), expected);
    EXPECT_EQ(readFile(set.folder() + u"smile.png"), "\x89PNG smile");
    EXPECT_EQ(readFile(set.folder() + u"heart.gif"), "GIF89a heart");
}

TEST(GenerateCommand, EmptyListIsRefusedBeforeTheMissingName) {
    runMainDialog([](HWND dialog) { EXPECT_EQ(generate(dialog), u"Lista emotikon jest pusta!"); });
}

TEST(GenerateCommand, NameOfOnlyStrippedCharactersIsRefused) {
    runMainDialog([](HWND dialog) {
        setControlText(dialog, IDC_SET_NAME, u" -._");
        addEntry(dialog, {u"x", u"", u"", u"0", u"C:\\a.png"});
        EXPECT_EQ(generate(dialog), u"Musisz podać nazwę folderu docelowego!");
    });
}

// Cells longer than any fixed buffer reach the file whole.
TEST(GenerateCommand, LongCellsReachTheFileWhole) {
    TempFolder sources(u"grinsmith-long-cell");
    const std::u16string image = sources.writeFile(u"long.png", "png");
    GeneratedSet set(u"LongCells");
    std::u16string longDesc;
    for (int i = 0; i < 500; ++i) {
        longDesc += u"0123456789";
    }
    longDesc += u"end";
    runMainDialog([&](HWND dialog) {
        setControlText(dialog, IDC_SET_NAME, u"LongCells");
        addEntry(dialog, {u"long", u"", longDesc, u"0", image});
        EXPECT_EQ(cellText(dialog, 0, 2), longDesc);
        EXPECT_EQ(generate(dialog), success);
    });
    const auto written = readFile(set.definitionFile());
    ASSERT_TRUE(written.has_value());
    const std::string attribute = " desc=\"" + std::string(longDesc.begin(), longDesc.end()) + "\"";
    EXPECT_NE(written->find(attribute), std::string::npos) << "the long desc was cut";
}

}  // namespace
}  // namespace grinsmith::test
