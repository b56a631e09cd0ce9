#include "window/EntryListView.h"

#include <commctrl.h>

#include <array>
#include <vector>

#include "window/WideText.h"

namespace grinsmith {

namespace {

struct EntryColumn {
    const wchar_t* header;
    int width;  // device pixels
};

constexpr std::array<EntryColumn, 5> entryColumns = {{
    {L"regex", 100},
    {L"match", 100},
    {L"desc", 100},
    {L"icase", 40},
    {L"file", 160},
}};

// The list view's text messages take a writable pointer even where they only read.
wchar_t* writableText(const std::u16string& text) {
    return const_cast<wchar_t*>(asWide(text));
}

LVITEMW textItem(int row, int column, const std::u16string& text) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = writableText(text);
    return item;
}

}  // namespace

std::u16string readControlText(HWND dialog, int controlId) {
    const HWND control = GetDlgItem(dialog, controlId);
    const int length = GetWindowTextLengthW(control);
    if (length <= 0) {
        return {};
    }
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, buffer.data(), length + 1);
    return fromWide(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void insertEntryColumns(HWND listView) {
    for (int position = 0; position < static_cast<int>(entryColumns.size()); ++position) {
        LVCOLUMNW column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = entryColumns[position].width;
        column.pszText = const_cast<wchar_t*>(entryColumns[position].header);
        column.iSubItem = position;
        SendMessageW(listView, LVM_INSERTCOLUMNW, position, reinterpret_cast<LPARAM>(&column));
    }
}

int rowCount(HWND listView) {
    return static_cast<int>(SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0));
}

int insertRow(HWND listView, int row, const std::u16string& text) {
    LVITEMW item = textItem(row, 0, text);
    return static_cast<int>(
        SendMessageW(listView, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void setCell(HWND listView, int row, int column, const std::u16string& text) {
    LVITEMW item = textItem(row, column, text);
    SendMessageW(listView, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

std::u16string readCell(HWND listView, int row, int column) {
    // The list copies at most one character less than the buffer holds; a text that fills it
    // may have been cut, so ask again with twice the room.
    std::vector<wchar_t> buffer(256, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto copied = static_cast<std::size_t>(
            SendMessageW(listView, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < buffer.size()) {
            return fromWide(buffer.data(), copied);
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

int selectedRow(HWND listView) {
    return static_cast<int>(
        SendMessageW(listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void deleteRow(HWND listView, int row) {
    SendMessageW(listView, LVM_DELETEITEM, row, 0);
}

void appendEntry(HWND listView, const EmoticonEntry& entry) {
    const int row = insertRow(listView, rowCount(listView), entry.regex);
    setCell(listView, row, 1, entry.match);
    setCell(listView, row, 2, entry.desc);
    setCell(listView, row, 3, entry.icase);
    setCell(listView, row, 4, entry.file);
}

EntryList readEntries(HWND listView) {
    EntryList entries;
    // Asked again after each row, as rows are read while the index is below the count.
    for (int row = 0; row < rowCount(listView); ++row) {
        entries.push_back({readCell(listView, row, 0), readCell(listView, row, 1),
                           readCell(listView, row, 2), readCell(listView, row, 3),
                           readCell(listView, row, 4)});
    }
    return entries;
}

}  // namespace grinsmith
