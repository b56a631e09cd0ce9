#include "window/MainDialog.h"

#include <commctrl.h>

#include <string>

#include "resources/resource.h"
#include "setbuild/ExecutableDirectory.h"
#include "setbuild/GenerateSet.h"
#include "window/EntryListView.h"
#include "window/GenerationOutcome.h"
#include "window/ImageChooser.h"
#include "window/WideText.h"
#include "window/WindowMessages.h"

namespace grinsmith {

INT_PTR MainDialog::run(HWND owner) {
    return runModal(IDD_MAIN, owner);
}

bool MainDialog::ProcessWindowMessage(HWND, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    result = 0;
    if (message == WM_INITDIALOG) {
        result = OnInitDialog();
        return true;
    }
    if (message == WM_DESTROY) {
        OnDestroy();
        return true;
    }
    if (message == WM_COMMAND) {
        return processCommand(LOWORD(wParam), result);
    }
    return false;
}

bool MainDialog::processCommand(WORD commandId, LRESULT& result) {
    switch (commandId) {
        case IDOK:
        // Esc, the close box and Alt+F4 arrive as IDCANCEL and close as "Zamknij" does.
        case IDCANCEL:
            OnCloseCommand();
            return true;
        case IDC_GENERATE:
            result = OnGenerate();
            return true;
        case IDC_CHOOSE_IMAGE:
            result = OnChooseImage();
            return true;
        case IDC_ADD:
            result = OnAddEntry();
            return true;
        case IDC_REMOVE:
            result = OnRemoveEntry();
            return true;
        default:
            return false;
    }
}

LRESULT MainDialog::OnInitDialog() {
    m_entryListView = GetDlgItem(handle(), IDC_ENTRIES);
    m_imagePathLabel = GetDlgItem(handle(), IDC_IMAGE_PATH);
    m_icaseCheck = GetDlgItem(handle(), IDC_ICASE);

    const LONG style = GetWindowLongW(m_entryListView, GWL_STYLE);
    if ((style & LVS_SINGLESEL) == 0) {
        SetWindowLongW(m_entryListView, GWL_STYLE, style | LVS_SINGLESEL);
    }
    SendMessageW(m_entryListView, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    insertEntryColumns(m_entryListView);

    // Returning 0 tells the dialog manager that the focus is placed already.
    SetFocus(GetDlgItem(handle(), IDC_AUTHOR));
    return 0;
}

void MainDialog::OnDestroy() {
    m_entryListView = nullptr;
    m_imagePathLabel = nullptr;
    m_icaseCheck = nullptr;
}

void MainDialog::OnCloseCommand() {
    if (mayClose()) {
        endDialog(IDOK);
    }
}

LRESULT MainDialog::OnGenerate() {
    OutcomeRecordingPlatform platform(handle());
    if (rowCount(m_entryListView) == 0) {
        // generateSet refuses the empty list before it looks at the header.
        generateSet(SetHeader{}, EntryList{}, std::u16string(), platform);
        return 0;
    }
    SetHeader header;
    header.name = readControlText(handle(), IDC_SET_NAME);
    header.author = readControlText(handle(), IDC_AUTHOR);
    header.description = readControlText(handle(), IDC_DESCRIPTION);
    const std::u16string directory = executableDirectory();
    const EntryList entries = readEntries(m_entryListView);
    generateSet(header, entries, directory, platform);
    if (platform.succeeded()) {
        m_ungeneratedChanges = false;
    }
    return 0;
}

LRESULT MainDialog::OnChooseImage() {
    const std::u16string path = chooseImage();
    if (!path.empty()) {
        SetWindowTextW(m_imagePathLabel, asWide(path));
    }
    return 0;
}

LRESULT MainDialog::OnAddEntry() {
    EmoticonEntry entry;
    entry.regex = readControlText(handle(), IDC_REGEX);
    entry.match = readControlText(handle(), IDC_MATCH);
    entry.desc = readControlText(handle(), IDC_ENTRY_DESC);
    entry.icase = SendMessageW(m_icaseCheck, BM_GETCHECK, 0, 0) != 0 ? u"1" : u"0";
    entry.file = readControlText(handle(), IDC_IMAGE_PATH);
    if (entry.regex.empty()) {
        showMessage(messages::noRegex);
        return 0;
    }
    if (entry.file.empty()) {
        showMessage(messages::noImage);
        return 0;
    }
    appendEntry(m_entryListView, entry);
    m_ungeneratedChanges = true;
    return 0;
}

LRESULT MainDialog::OnRemoveEntry() {
    const int row = selectedRow(m_entryListView);
    if (row >= 0) {
        deleteRow(m_entryListView, row);
        m_ungeneratedChanges = true;
    }
    return 0;
}

bool MainDialog::mayClose() const {
    if (rowCount(m_entryListView) == 0 || !m_ungeneratedChanges) {
        return true;
    }
    // No is the default, so a second Enter does not close.
    const std::u16string text(messages::closeUngenerated);
    return MessageBoxW(handle(), asWide(text), L"", MB_YESNO | MB_DEFBUTTON2) == IDYES;
}

void MainDialog::showMessage(std::u16string_view text) const {
    const std::u16string owned(text);
    MessageBoxW(handle(), asWide(owned), L"", MB_OK);
}

}  // namespace grinsmith
