#pragma once

#include <windows.h>

#include <string>

#include "setbuild/SetTypes.h"

namespace grinsmith {

// The whole current text of one control of the dialog, however long.
std::u16string readControlText(HWND dialog, int controlId);

// Sets up the five columns of the entry list, one per field of an entry.
void insertEntryColumns(HWND listView);

int rowCount(HWND listView);
// Inserts a row with the text of column 0; its index, or -1 when the list refused it.
int insertRow(HWND listView, int row, const std::u16string& text);
void setCell(HWND listView, int row, int column, const std::u16string& text);
// The whole text of one cell, however long.
std::u16string readCell(HWND listView, int row, int column);
// The selected row, or -1 when none is.
int selectedRow(HWND listView);
void deleteRow(HWND listView, int row);

// Appends the entry as a new last row.
void appendEntry(HWND listView, const EmoticonEntry& entry);
// Every row, in the order the list shows them.
EntryList readEntries(HWND listView);

}  // namespace grinsmith
