#include "window/ImageChooser.h"

#include <windows.h>

#include <shobjidl.h>

#include "window/ComHolders.h"
#include "window/OpenFileDialog.h"
#include "window/WideText.h"

namespace grinsmith {

namespace {

// Spelled out here so that nothing from the Vista headers' import libraries is linked.
constexpr CLSID fileOpenDialogClass = {
    0xDC1C5A9C, 0xE88A, 0x4DDE, {0xA5, 0xA1, 0x60, 0xF8, 0x2A, 0x20, 0xAE, 0xF7}};
constexpr IID fileDialogInterface = {
    0x42F85136, 0xDB7E, 0x439C, {0x85, 0xF1, 0xE4, 0x07, 0x5D, 0x13, 0x5F, 0xC8}};

constexpr wchar_t imageTypeName[] = L"Obrazy";
constexpr wchar_t imagePatterns[] = L"*.jpg;*.jpeg;*.png;*.gif";
// The classic dialog's form of the same type; the literal's own zero ends the list.
constexpr wchar_t classicImageFilter[] = L"Obrazy\0*.jpg;*.jpeg;*.png;*.gif\0";

// The item dialog exists from major version 6 (Vista) on; a failed query counts as older.
bool hasItemDialog() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionExW(&version) && version.dwMajorVersion >= 6;
}

std::u16string filePathOf(IShellItem& item) {
    CoTaskMemText path;
    if (FAILED(item.GetDisplayName(SIGDN_FILESYSPATH, path.out()))) {
        return {};
    }
    return fromWide(path.get());
}

std::u16string chooseWithItemDialog() {
    ComPtr<IFileDialog> dialog;
    if (FAILED(CoCreateInstance(fileOpenDialogClass, nullptr, CLSCTX_INPROC_SERVER,
                                fileDialogInterface, dialog.outVoid()))) {
        return {};
    }
    FILEOPENDIALOGOPTIONS options = 0;
    if (SUCCEEDED(dialog->GetOptions(&options))) {
        dialog->SetOptions(options | FOS_OVERWRITEPROMPT | FOS_STRICTFILETYPES);
    }
    const COMDLG_FILTERSPEC imageType = {imageTypeName, imagePatterns};
    dialog->SetFileTypes(1, &imageType);
    // No owner: the main window stays usable while the chooser is open.
    if (FAILED(dialog->Show(nullptr))) {
        return {};
    }
    ComPtr<IShellItem> item;
    if (FAILED(dialog->GetResult(item.out()))) {
        return {};
    }
    return filePathOf(*item.get());
}

std::u16string chooseWithClassicDialog() {
    OpenFileDialog dialog(classicImageFilter);
    if (dialog.runModal(GetActiveWindow()) != IDOK) {
        return {};
    }
    return dialog.path();
}

}  // namespace

std::u16string chooseImage() {
    return hasItemDialog() ? chooseWithItemDialog() : chooseWithClassicDialog();
}

}  // namespace grinsmith
