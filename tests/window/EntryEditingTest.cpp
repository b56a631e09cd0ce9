#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "DialogDriver.h"
#include "resources/resource.h"

namespace grinsmith::test {
namespace {

using ::testing::ElementsAre;

struct Refusal {
    const char* name;
    EmoticonEntry inputs;
    std::u16string message;
    friend void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }
};

class AddRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(AddRefusal, TellsWhatIsMissingInAPlainOwnedBoxAndAddsNothing) {
    const Refusal& refusal = GetParam();
    runMainDialog([&](HWND dialog) {
        setControlText(dialog, IDC_REGEX, refusal.inputs.regex);
        setControlText(dialog, IDC_MATCH, refusal.inputs.match);
        setControlText(dialog, IDC_IMAGE_PATH, refusal.inputs.file);
        clickAsync(dialog, IDC_ADD);
        const HWND box = waitForMessageBox(dialog);
        ASSERT_NE(box, nullptr) << "no message box";
        EXPECT_EQ(messageBoxText(box), refusal.message);
        EXPECT_EQ(windowText(box), u"");
        EXPECT_FALSE(showsIcon(box));
        EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
        EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
        clickAsync(box, IDOK);
        EXPECT_TRUE(waitUntilGone(box));
        EXPECT_EQ(rowCount(dialog), 0);
        EXPECT_EQ(controlText(dialog, IDC_REGEX), refusal.inputs.regex);
        EXPECT_EQ(controlText(dialog, IDC_MATCH), refusal.inputs.match);
    });
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, AddRefusal,
    ::testing::Values(
        Refusal{"NothingGiven", {u"", u"", u"", u"", u""}, u"Brak wyrażenia regularnego"},
        Refusal{"NoRegex", {u"", u":)", u"", u"", u"C:\\a.png"}, u"Brak wyrażenia regularnego"},
        Refusal{"NoImage", {u":-\\)", u":)", u"", u"", u""}, u"Nie wybrano żadnego pliku"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindow, AddAppendsTheFiveInputsAsARowAndKeepsThem) {
    runMainDialog([](HWND dialog) {
        const EmoticonEntry ticked{u":-?\\)", u":)", u"uśmiech", u"1", u"C:\\Pics\\smile.png"};
        const EmoticonEntry plain{u"  ", u"", u"", u"0", u"D:\\Art\\heart.gif"};
        addEntry(dialog, ticked);
        EXPECT_EQ(controlText(dialog, IDC_REGEX), ticked.regex);
        EXPECT_EQ(controlText(dialog, IDC_ENTRY_DESC), ticked.desc);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_ICASE), BST_CHECKED);
        EXPECT_EQ(controlText(dialog, IDC_IMAGE_PATH), ticked.file);
        addEntry(dialog, plain);
        selectRow(dialog, 0);
        addEntry(dialog, plain);
        ASSERT_EQ(rowCount(dialog), 3);
        EXPECT_EQ(row(dialog, 0), ticked);
        EXPECT_EQ(row(dialog, 1), plain);
        EXPECT_EQ(row(dialog, 2), plain);
    });
}

TEST(MainWindow, RemoveDeletesOnlyTheSelectedRow) {
    runMainDialog([](HWND dialog) {
        for (const char16_t* regex : {u"first", u"middle", u"last"}) {
            addEntry(dialog, {regex, u"", u"", u"0", u"C:\\a.png"});
        }
        ASSERT_TRUE(click(dialog, IDC_REMOVE));
        EXPECT_EQ(rowCount(dialog), 3) << "removed a row with none selected";
        selectRow(dialog, 1);
        ASSERT_TRUE(click(dialog, IDC_REMOVE));
        ASSERT_EQ(rowCount(dialog), 2);
        EXPECT_EQ(cellText(dialog, 0, 0), u"first");
        EXPECT_EQ(cellText(dialog, 1, 0), u"last");
    });
}

}  // namespace
}  // namespace grinsmith::test
