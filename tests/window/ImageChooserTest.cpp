#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "DialogDriver.h"
#include "resources/resource.h"

namespace grinsmith::test {
namespace {

constexpr int fileNameEdit = 1152;
constexpr int fileNameCombo = 1148;
constexpr int fileTypeCombo = 1136;

// The box where a file dialog takes a typed name: an edit, or the combo box around one.
HWND fileNameBox(HWND fileDialog) {
    const HWND edit = findDescendant(fileDialog, fileNameEdit);
    return edit != nullptr ? edit : findDescendant(fileDialog, fileNameCombo);
}

HWND openChooser(HWND dialog) {
    clickAsync(dialog, IDC_CHOOSE_IMAGE);
    return waitForWindow(dialog, [](HWND window) {
        return className(window) == u"#32770" && fileNameBox(window) != nullptr;
    });
}

void pressInFileDialog(HWND fileDialog, int buttonId) {
    PostMessageW(fileDialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(findDescendant(fileDialog, buttonId)));
}

// Types the path into the dialog and presses OK; the label's text afterwards.
std::u16string chooseThrough(HWND dialog, HWND fileDialog, const std::u16string& path) {
    const std::u16string before = controlText(dialog, IDC_IMAGE_PATH);
    SetWindowTextW(fileNameBox(fileDialog), reinterpret_cast<const wchar_t*>(path.c_str()));
    pressInFileDialog(fileDialog, IDOK);
    EXPECT_TRUE(waitUntilGone(fileDialog)) << "the file dialog stayed open";
    return waitForTextChange(dialog, IDC_IMAGE_PATH, before);
}

void cancelKeepsTheLabel(HWND dialog) {
    const std::u16string before = controlText(dialog, IDC_IMAGE_PATH);
    const HWND fileDialog = openChooser(dialog);
    ASSERT_NE(fileDialog, nullptr) << "no file dialog";
    pressInFileDialog(fileDialog, IDCANCEL);
    EXPECT_TRUE(waitUntilGone(fileDialog));
    // A label written after the dialog went would show up within this wait.
    EXPECT_EQ(waitForTextChange(dialog, IDC_IMAGE_PATH, before, 500), before);
}

TEST(ImageChooser, ItemDialogWithoutOwnerShowsEachChosenPathAndACancelKeepsTheLast) {
    if (!reportsVistaOrLater()) {
        GTEST_SKIP() << "the system reports a version without the item dialog";
    }
    TempFolder images(u"grinsmith-item-dialog");
    const std::u16string smile = images.writeFile(u"smile.png", "png");
    const std::u16string heart = images.writeFile(u"heart.gif", "gif");
    runMainDialog([&](HWND dialog) {
        HWND fileDialog = openChooser(dialog);
        ASSERT_NE(fileDialog, nullptr) << "no file dialog";
        EXPECT_EQ(GetWindow(fileDialog, GW_OWNER), nullptr);
        EXPECT_EQ(chooseThrough(dialog, fileDialog, smile), smile);

        fileDialog = openChooser(dialog);
        ASSERT_NE(fileDialog, nullptr) << "no second file dialog";
        EXPECT_EQ(chooseThrough(dialog, fileDialog, heart), heart);
        cancelKeepsTheLabel(dialog);

        setControlText(dialog, IDC_REGEX, u"<3");
        ASSERT_TRUE(click(dialog, IDC_ADD));
        EXPECT_EQ(cellText(dialog, 0, 4), heart);
    });
}

TEST(ImageChooser, ClassicDialogOwnedByTheWindowOffersOnlyImagesAndTakesATypedName) {
    if (reportsVistaOrLater()) {
        GTEST_SKIP() << "the system reports a version with the item dialog";
    }
    TempFolder images(u"grinsmith-classic-dialog");
    images.writeFile(u"smile.png", "png");
    // The dialog tests no existence, so a name that is not there comes back as typed.
    const std::u16string missing = images.path() + u"missing.gif";
    runMainDialog([&](HWND dialog) {
        cancelKeepsTheLabel(dialog);
        const HWND fileDialog = openChooser(dialog);
        ASSERT_NE(fileDialog, nullptr) << "no file dialog";
        EXPECT_EQ(GetWindow(fileDialog, GW_OWNER), dialog);
        const HWND types = findDescendant(fileDialog, fileTypeCombo);
        ASSERT_NE(types, nullptr);
        EXPECT_EQ(SendMessageW(types, CB_GETCOUNT, 0, 0), 1);
        EXPECT_EQ(windowText(types), u"Obrazy");
        EXPECT_EQ(chooseThrough(dialog, fileDialog, missing), missing);
        cancelKeepsTheLabel(dialog);
    });
}

}  // namespace
}  // namespace grinsmith::test
