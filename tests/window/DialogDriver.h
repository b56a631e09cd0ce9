#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "setbuild/SetTypes.h"
#include "support/Win32Files.h"

namespace grinsmith::test {

// How long a window the test waits for may take to appear or to go.
inline constexpr DWORD appearTimeoutMs = 5000;

// Runs the real main window on this thread, with COM as the program's entry sets it up, while
// `script` drives it from a second thread. Whatever the script leaves open (message boxes, file
// dialogs, the window itself) is closed afterwards; a run that still hangs ends the process.
// Returns the value that ended the dialog.
INT_PTR runMainDialog(const std::function<void(HWND dialog)>& script);

// The visible top-level window of the dialog's thread, other than the dialog, that `accept`
// takes, waited for up to appearTimeoutMs; null when none came.
HWND waitForWindow(HWND dialog, const std::function<bool(HWND)>& accept);
// A message box owned by the dialog.
HWND waitForMessageBox(HWND dialog);
bool waitUntilGone(HWND window);
// Waits until the control's text differs from `before`; its text then.
std::u16string waitForTextChange(HWND dialog, int controlId, const std::u16string& before,
                                 DWORD timeoutMs = appearTimeoutMs);

std::u16string windowText(HWND window);
std::u16string controlText(HWND dialog, int controlId);
void setControlText(HWND dialog, int controlId, const std::u16string& text);
std::u16string className(HWND window);
// The first descendant of `window` with the control id, or null.
HWND findDescendant(HWND window, int controlId);

// The text of a message box and whether it shows an icon.
std::u16string messageBoxText(HWND box);
bool showsIcon(HWND box);

// Presses a button and returns once its command has been handled; false on a time-out, as when
// the command opened a modal window.
bool click(HWND dialog, int controlId);
// Presses a button without waiting, for a command that opens a modal window.
void clickAsync(HWND window, int controlId);
void pressKey(HWND control, WPARAM virtualKey);

int rowCount(HWND dialog);
std::u16string cellText(HWND dialog, int row, int column);
EmoticonEntry row(HWND dialog, int row);
void selectRow(HWND dialog, int row);
// Fills the entry inputs (the path straight into the label) and presses "Dodaj".
void addEntry(HWND dialog, const EmoticonEntry& entry);

// A fresh folder under the system's temporary folder for the files of one test; removed with
// everything made through it.
class TempFolder {
public:
    explicit TempFolder(const std::u16string& name);
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    // Its path, ending in a backslash.
    const std::u16string& path() const { return m_path; }
    // Writes a file in it (`name` may hold one subfolder) and returns the file's full path.
    std::u16string writeFile(const std::u16string& name, const std::string& bytes);

private:
    std::u16string m_path;
    std::vector<std::u16string> m_made;
};

// Removes a set that generation writes beside the test executable, its folder with every file
// in it and its definition file, on construction and again on destruction.
class GeneratedSet {
public:
    explicit GeneratedSet(const std::u16string& strippedName);
    GeneratedSet(const GeneratedSet&) = delete;
    GeneratedSet& operator=(const GeneratedSet&) = delete;
    ~GeneratedSet() { remove(); }

    // The set folder, ending in a backslash, and the definition file.
    std::u16string folder() const { return m_base + u"\\"; }
    std::u16string definitionFile() const { return m_base + u".xml"; }

private:
    void remove() const;

    std::u16string m_base;
};

// Presses "Generuj" and dismisses the message box it shows; that box's text, or empty when none
// came.
std::u16string generate(HWND dialog);

using testfiles::readFile;
bool reportsVistaOrLater();

}  // namespace grinsmith::test

namespace grinsmith {

inline bool operator==(const EmoticonEntry& a, const EmoticonEntry& b) {
    return a.regex == b.regex && a.match == b.match && a.desc == b.desc && a.icase == b.icase &&
           a.file == b.file;
}

inline void PrintTo(const EmoticonEntry& e, std::ostream* os) {
    using ::testing::PrintToString;
    *os << "{" << PrintToString(e.regex) << ", " << PrintToString(e.match) << ", "
        << PrintToString(e.desc) << ", " << PrintToString(e.icase) << ", " << PrintToString(e.file)
        << "}";
}

}  // namespace grinsmith
