#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "DialogDriver.h"
#include "resources/resource.h"

namespace grinsmith::test {
namespace {

const std::u16string question = u"Lista emotikon nie została wygenerowana. Zamknąć mimo to?";

HWND waitForQuestion(HWND dialog) {
    const HWND box = waitForMessageBox(dialog);
    if (box == nullptr) {
        ADD_FAILURE() << "closing asked nothing";
        return nullptr;
    }
    EXPECT_EQ(messageBoxText(box), question);
    EXPECT_EQ(windowText(box), u"");
    EXPECT_FALSE(showsIcon(box));
    EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
    EXPECT_NE(GetDlgItem(box, IDNO), nullptr);
    return box;
}

// Presses Enter where the question has its keyboard focus.
void pressEnterIn(HWND box) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info);
    pressKey(info.hwndFocus != nullptr ? info.hwndFocus : box, VK_RETURN);
}

struct CloseWay {
    const char* name;
    std::function<void(HWND dialog)> close;
};

const CloseWay closeWays[] = {
    {"EnterInAnEditBox", [](HWND d) { pressKey(GetDlgItem(d, IDC_MATCH), VK_RETURN); }},
    {"Escape", [](HWND d) { pressKey(GetDlgItem(d, IDC_AUTHOR), VK_ESCAPE); }},
    {"CloseBox", [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"Zamknij", [](HWND d) { clickAsync(d, IDOK); }},
};

TEST(CloseConfirmation, EveryWayOfClosingAsksAndNoKeepsEverything) {
    const INT_PTR ended = runMainDialog([](HWND dialog) {
        setControlText(dialog, IDC_AUTHOR, u"author");
        addEntry(dialog, {u":)", u"", u"", u"0", u"C:\\a.png"});
        for (const CloseWay& way : closeWays) {
            SCOPED_TRACE(way.name);
            way.close(dialog);
            const HWND box = waitForQuestion(dialog);
            ASSERT_NE(box, nullptr);
            // No is the default answer, so a second Enter keeps the window.
            pressEnterIn(box);
            EXPECT_TRUE(waitUntilGone(box));
            EXPECT_TRUE(IsWindowVisible(dialog));
            EXPECT_EQ(rowCount(dialog), 1);
            EXPECT_EQ(controlText(dialog, IDC_AUTHOR), u"author");
        }
        clickAsync(dialog, IDOK);
        const HWND box = waitForQuestion(dialog);
        ASSERT_NE(box, nullptr);
        clickAsync(box, IDYES);
        EXPECT_TRUE(waitUntilGone(dialog)) << "Yes did not close the window";
    });
    EXPECT_EQ(ended, IDOK);
}

struct CloseCase {
    const char* name;
    // Brings the window into the state in which it is closed.
    std::function<void(HWND dialog, const std::u16string& image)> prepare;
    bool asks;
    friend void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }
};

void addRow(HWND dialog, const std::u16string& image) {
    addEntry(dialog, {u":)", u"", u"", u"0", image});
}

void generateOk(HWND dialog) {
    setControlText(dialog, IDC_SET_NAME, u"CloseTest");
    EXPECT_EQ(generate(dialog), u"Poprawnie wygenerowano zestaw!");
}

class ClosingAfter : public ::testing::TestWithParam<CloseCase> {};

TEST_P(ClosingAfter, AsksOnlyWhenRowsChangedSinceTheLastSuccessfulGeneration) {
    TempFolder images(u"grinsmith-close");
    const std::u16string image = images.writeFile(u"a.png", "png");
    GeneratedSet set(u"CloseTest");
    runMainDialog([&](HWND dialog) {
        GetParam().prepare(dialog, image);
        clickAsync(dialog, IDOK);
        if (GetParam().asks) {
            const HWND box = waitForQuestion(dialog);
            ASSERT_NE(box, nullptr);
            clickAsync(box, IDYES);
        }
        EXPECT_TRUE(waitUntilGone(dialog)) << "the window stayed open";
    });
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, ClosingAfter,
    ::testing::Values(CloseCase{"NothingAdded", [](HWND, const std::u16string&) {}, false},
                      CloseCase{"AddThenRemove",
                                [](HWND d, const std::u16string& image) {
                                    addRow(d, image);
                                    selectRow(d, 0);
                                    click(d, IDC_REMOVE);
                                },
                                false},
                      CloseCase{"SuccessfulGeneration",
                                [](HWND d, const std::u16string& image) {
                                    addRow(d, image);
                                    generateOk(d);
                                },
                                false},
                      CloseCase{"HeaderChangedAfterGeneration",
                                [](HWND d, const std::u16string& image) {
                                    addRow(d, image);
                                    generateOk(d);
                                    setControlText(d, IDC_AUTHOR, u"someone else");
                                },
                                false},
                      CloseCase{"AddAfterGeneration",
                                [](HWND d, const std::u16string& image) {
                                    addRow(d, image);
                                    generateOk(d);
                                    addRow(d, image);
                                },
                                true},
                      CloseCase{"RemoveAfterGeneration",
                                [](HWND d, const std::u16string& image) {
                                    addRow(d, image);
                                    addRow(d, image);
                                    generateOk(d);
                                    selectRow(d, 1);
                                    click(d, IDC_REMOVE);
                                },
                                true},
                      CloseCase{"RefusedGeneration",
                                [](HWND d, const std::u16string& image) {
                                    addRow(d, image);
                                    EXPECT_EQ(generate(d),
                                              u"Musisz podać nazwę folderu docelowego!");
                                },
                                true},
                      CloseCase{"GenerationWithFailures",
                                [](HWND d, const std::u16string&) {
                                    addRow(d, u"C:\\no such folder\\gone.png");
                                    setControlText(d, IDC_SET_NAME, u"CloseTest");
                                    EXPECT_NE(generate(d), u"Poprawnie wygenerowano zestaw!");
                                },
                                true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace grinsmith::test
