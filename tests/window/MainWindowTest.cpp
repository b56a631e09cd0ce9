#include <windows.h>

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogDriver.h"
#include "resources/resource.h"
#include "window/WideText.h"

namespace grinsmith::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

struct ColumnShown {
    std::u16string header;
    int width;
    int format;
    friend bool operator==(const ColumnShown&, const ColumnShown&) = default;
    friend void PrintTo(const ColumnShown& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.header) << " " << c.width << "px fmt " << c.format;
    }
};

std::vector<ColumnShown> columnsOf(HWND list) {
    std::vector<ColumnShown> columns;
    for (int index = 0;; ++index) {
        wchar_t header[64] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = header;
        column.cchTextMax = 64;
        if (!SendMessageW(list, LVM_GETCOLUMNW, index, reinterpret_cast<LPARAM>(&column))) {
            return columns;
        }
        columns.push_back({fromWide(header), column.cx, column.fmt & LVCFMT_JUSTIFYMASK});
    }
}

HWND focusOf(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus;
}

TEST(MainWindow, OpensWithAnEmptyFiveColumnListAndTheFocusOnTheAuthor) {
    runMainDialog([](HWND dialog) {
        const HWND list = GetDlgItem(dialog, IDC_ENTRIES);
        EXPECT_THAT(columnsOf(list), ElementsAre(ColumnShown{u"regex", 100, LVCFMT_LEFT},
                                                 ColumnShown{u"match", 100, LVCFMT_LEFT},
                                                 ColumnShown{u"desc", 100, LVCFMT_LEFT},
                                                 ColumnShown{u"icase", 40, LVCFMT_LEFT},
                                                 ColumnShown{u"file", 160, LVCFMT_LEFT}));
        EXPECT_EQ(rowCount(dialog), 0);
        const LONG style = GetWindowLongW(list, GWL_STYLE);
        EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
        EXPECT_NE(style & LVS_SINGLESEL, 0);
        EXPECT_EQ(style & (LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_EDITLABELS), 0);
        EXPECT_EQ(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), LVS_EX_FULLROWSELECT);

        for (int id : {IDC_AUTHOR, IDC_SET_NAME, IDC_DESCRIPTION, IDC_REGEX, IDC_MATCH,
                       IDC_ENTRY_DESC, IDC_IMAGE_PATH}) {
            EXPECT_EQ(controlText(dialog, id), u"") << "control " << id;
        }
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_ICASE), BST_UNCHECKED);
        EXPECT_EQ(focusOf(dialog), GetDlgItem(dialog, IDC_AUTHOR));
        EXPECT_EQ(LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)), IDOK);
    });
}

TEST(MainWindow, HasAFixedFrameWithTheProgramsCaption) {
    runMainDialog([](HWND dialog) {
        EXPECT_EQ(windowText(dialog), u"Grinsmith v0.1");
        const LONG style = GetWindowLongW(dialog, GWL_STYLE);
        EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU), WS_POPUP | WS_CAPTION | WS_SYSMENU);
        EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);

        RECT expected = {0, 0, 500, 350};
        MapDialogRect(dialog, &expected);
        RECT client{};
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.right, expected.right);
        EXPECT_EQ(client.bottom, expected.bottom);
    });
}

enum class Kind { edit, checkBox, pushButton, defaultButton, listView, leftLabel, rightLabel };

struct ControlRow {
    int id;
    Kind kind;
    const char16_t* text;
    RECT dialogUnits;  // x, y, width, height
};

// The window's controls in template order, which is also their stacking order.
const std::vector<ControlRow> controlTable = {
    {IDC_AUTHOR, Kind::edit, u"", {40, 12, 86, 14}},
    {IDC_SET_NAME, Kind::edit, u"", {164, 12, 86, 14}},
    {IDC_DESCRIPTION, Kind::edit, u"", {282, 12, 151, 14}},
    {IDC_REGEX, Kind::edit, u"", {70, 252, 423, 14}},
    {IDC_MATCH, Kind::edit, u"", {70, 268, 423, 14}},
    {IDC_ENTRY_DESC, Kind::edit, u"", {70, 284, 423, 14}},
    {IDC_ICASE, Kind::checkBox, u"icase", {70, 301, 32, 10}},
    {IDC_ADD, Kind::pushButton, u"Dodaj", {198, 329, 50, 14}},
    {IDOK, Kind::defaultButton, u"Zamknij", {443, 329, 50, 14}},
    {IDC_ENTRIES, Kind::listView, u"", {7, 37, 486, 209}},
    {-1, Kind::leftLabel, u"Opis:", {257, 15, 18, 8}},
    {-1, Kind::leftLabel, u"Autor:", {7, 15, 22, 8}},
    {IDC_GENERATE, Kind::pushButton, u"Generuj", {443, 12, 50, 14}},
    {-1, Kind::rightLabel, u"regex:", {38, 255, 22, 8}},
    {-1, Kind::rightLabel, u"desc:", {42, 287, 18, 8}},
    {-1, Kind::rightLabel, u"match:", {37, 271, 23, 8}},
    {IDC_CHOOSE_IMAGE, Kind::pushButton, u"Wybierz plik obrazu", {70, 329, 84, 14}},
    {-1, Kind::leftLabel, u"Nazwa:", {136, 15, 25, 8}},
    {-1, Kind::rightLabel, u"file:", {47, 313, 13, 8}},
    {IDC_IMAGE_PATH, Kind::leftLabel, u"", {70, 313, 423, 8}},
    {IDC_REMOVE, Kind::pushButton, u"Usuń", {252, 329, 50, 14}},
};

std::u16string classOf(Kind kind) {
    switch (kind) {
        case Kind::edit:
            return u"Edit";
        case Kind::listView:
            return u"SysListView32";
        case Kind::leftLabel:
        case Kind::rightLabel:
            return u"Static";
        default:
            return u"Button";
    }
}

// The style bits that tell the kinds apart, and whether the control is a tab stop.
void expectStyleOf(HWND control, Kind kind) {
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_DISABLED), WS_CHILD | WS_VISIBLE);
    const bool label = kind == Kind::leftLabel || kind == Kind::rightLabel;
    EXPECT_EQ((style & WS_TABSTOP) != 0, !label);
    switch (kind) {
        case Kind::edit:
            EXPECT_EQ(style & (ES_AUTOHSCROLL | ES_MULTILINE), ES_AUTOHSCROLL);
            break;
        case Kind::checkBox:
            EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX);
            break;
        case Kind::pushButton:
            EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);
            break;
        case Kind::defaultButton:
            EXPECT_EQ(style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
            break;
        case Kind::listView:
            EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
            break;
        case Kind::leftLabel:
            EXPECT_EQ(style & SS_TYPEMASK, SS_LEFT);
            break;
        case Kind::rightLabel:
            EXPECT_EQ(style & SS_TYPEMASK, SS_RIGHT);
            break;
    }
}

RECT placeInClient(HWND dialog, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST(MainWindow, LaysOutItsControlsInTemplateOrderAtTheirDialogUnitPlaces) {
    runMainDialog([](HWND dialog) {
        std::size_t index = 0;
        for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
             control = GetWindow(control, GW_HWNDNEXT), ++index) {
            ASSERT_LT(index, controlTable.size()) << "more controls than the table";
            const ControlRow& row = controlTable[index];
            SCOPED_TRACE(testing::Message() << "control #" << index + 1 << " "
                                            << testing::PrintToString(std::u16string(row.text)));
            EXPECT_EQ(static_cast<int>(static_cast<short>(GetDlgCtrlID(control))), row.id);
            EXPECT_EQ(className(control), classOf(row.kind));
            EXPECT_EQ(windowText(control), row.text);
            expectStyleOf(control, row.kind);

            // The dialog manager scales the corner and the size each on its own.
            RECT scaled = row.dialogUnits;
            MapDialogRect(dialog, &scaled);
            const RECT expected = {scaled.left, scaled.top, scaled.left + scaled.right,
                                   scaled.top + scaled.bottom};
            const RECT actual = placeInClient(dialog, control);
            EXPECT_EQ(actual.left, expected.left);
            EXPECT_EQ(actual.top, expected.top);
            EXPECT_EQ(actual.right, expected.right);
            EXPECT_EQ(actual.bottom, expected.bottom);
        }
        EXPECT_EQ(index, controlTable.size());
    });
}

TEST(MainWindow, TabMovesAlongTheInputsThenTheButtonsAndTheList) {
    runMainDialog([](HWND dialog) {
        std::vector<int> order;
        HWND control = GetDlgItem(dialog, IDC_AUTHOR);
        do {
            order.push_back(GetDlgCtrlID(control));
            control = GetNextDlgTabItem(dialog, control, FALSE);
        } while (control != nullptr && control != GetDlgItem(dialog, IDC_AUTHOR) &&
                 order.size() < 30);
        EXPECT_THAT(order,
                    ElementsAreArray({IDC_AUTHOR, IDC_SET_NAME, IDC_DESCRIPTION, IDC_REGEX,
                                      IDC_MATCH, IDC_ENTRY_DESC, IDC_ICASE, IDC_ADD, IDOK,
                                      IDC_ENTRIES, IDC_GENERATE, IDC_CHOOSE_IMAGE, IDC_REMOVE}));
    });
}

}  // namespace
}  // namespace grinsmith::test
