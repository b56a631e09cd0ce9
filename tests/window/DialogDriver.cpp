#include "DialogDriver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "resources/resource.h"
#include "setbuild/ExecutableDirectory.h"
#include "support/Waiting.h"
#include "window/ComHolders.h"
#include "window/MainDialog.h"
#include "window/WideText.h"

namespace grinsmith::test {

using testwait::waitFor;

namespace {

// A whole run, script and closing, must end within this; beyond it the process ends.
constexpr DWORD runBudgetMs = 60000;
constexpr wchar_t mainCaption[] = L"Grinsmith v0.1";

std::u16string toU16(DWORD number) {
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

// An event that a thread holds for its lifetime.
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle) : m_handle(handle) {}
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ScopedHandle(ScopedHandle&&) = delete;
    ScopedHandle& operator=(ScopedHandle&&) = delete;
    ~ScopedHandle() {
        if (m_handle != nullptr) {
            CloseHandle(m_handle);
        }
    }
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

// Starts a function on its own thread; the destructor waits for it, up to `joinMs`.
class ScopedThread {
public:
    ScopedThread(std::function<void()> body, DWORD joinMs)
        : m_body(std::move(body)),
          m_joinMs(joinMs),
          m_thread(CreateThread(nullptr, 0, &ScopedThread::start, this, 0, nullptr)) {}
    ScopedThread(const ScopedThread&) = delete;
    ScopedThread& operator=(const ScopedThread&) = delete;
    ScopedThread(ScopedThread&&) = delete;
    ScopedThread& operator=(ScopedThread&&) = delete;
    ~ScopedThread() { WaitForSingleObject(m_thread.get(), m_joinMs); }

private:
    static DWORD WINAPI start(void* self) {
        static_cast<ScopedThread*>(self)->m_body();
        return 0;
    }

    std::function<void()> m_body;
    DWORD m_joinMs;
    ScopedHandle m_thread;
};

// Enumeration callbacks are stdcall on 32-bit Windows, which lambdas can't be.
BOOL CALLBACK collectVisible(HWND window, LPARAM list) {
    if (IsWindowVisible(window)) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

struct DescendantSearch {
    int id;
    HWND found;
};

BOOL CALLBACK matchControlId(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<DescendantSearch*>(data);
    if (GetDlgCtrlID(child) == search->id) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK findShownIcon(HWND child, LPARAM found) {
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if ((style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
        SendMessageW(child, STM_GETICON, 0, 0) != 0) {
        *reinterpret_cast<bool*>(found) = true;
    }
    return TRUE;
}

std::vector<HWND> threadWindows(DWORD threadId) {
    std::vector<HWND> windows;
    EnumThreadWindows(threadId, &collectVisible, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND findMainDialog(DWORD threadId) {
    for (HWND window : threadWindows(threadId)) {
        if (windowText(window) == fromWide(mainCaption)) {
            return window;
        }
    }
    return nullptr;
}

void postCommand(HWND window, int id) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

// Answers a message box with Yes or OK, and cancels any other dialog.
void dismiss(HWND window) {
    for (int id : {IDYES, IDOK}) {
        if (GetDlgItem(window, id) != nullptr && findDescendant(window, 0xFFFF) != nullptr) {
            postCommand(window, id);
            return;
        }
    }
    postCommand(window, IDCANCEL);
}

// Closes every window the run left open, the main window last; true when all went.
bool closeAll(DWORD threadId) {
    const ULONGLONG deadline = GetTickCount64() + ULONGLONG{4} * appearTimeoutMs;
    while (GetTickCount64() < deadline) {
        const HWND dialog = findMainDialog(threadId);
        if (dialog == nullptr) {
            return true;
        }
        bool others = false;
        for (HWND window : threadWindows(threadId)) {
            if (window != dialog) {
                dismiss(window);
                others = true;
            }
        }
        if (!others) {
            postCommand(dialog, IDOK);
        }
        // Give the command time to close the window or to open its question.
        waitFor([&] { return !IsWindow(dialog) || threadWindows(threadId).size() > 1; }, 300);
    }
    return false;
}

void drive(DWORD uiThread, const std::function<void(HWND)>& script) {
    HWND dialog = nullptr;
    if (!waitFor([&] { return (dialog = findMainDialog(uiThread)) != nullptr; }, appearTimeoutMs)) {
        ADD_FAILURE() << "the main window did not appear";
        return;
    }
    script(dialog);
    if (!closeAll(uiThread)) {
        ADD_FAILURE() << "the main window did not close";
    }
}

// Ends the process when a run outlives its budget, so that a hung window fails the test run
// instead of stalling it.
void watch(HANDLE done) {
    if (WaitForSingleObject(done, runBudgetMs) == WAIT_TIMEOUT) {
        std::fputs("window test hung; ending the process\n", stderr);
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
    }
}

}  // namespace

INT_PTR runMainDialog(const std::function<void(HWND dialog)>& script) {
    const ComInitialisation com(COINIT_APARTMENTTHREADED);
    const ScopedHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const ScopedThread watchdog([&] { watch(done.get()); }, INFINITE);
    INT_PTR result = 0;
    {
        const DWORD uiThread = GetCurrentThreadId();
        const ScopedThread driver([&] { drive(uiThread, script); }, 4 * appearTimeoutMs);
        MainDialog dialog;
        result = dialog.run(nullptr);
    }
    SetEvent(done.get());
    return result;
}

HWND waitForWindow(HWND dialog, const std::function<bool(HWND)>& accept) {
    const DWORD threadId = GetWindowThreadProcessId(dialog, nullptr);
    HWND found = nullptr;
    waitFor(
        [&] {
            for (HWND window : threadWindows(threadId)) {
                if (window != dialog && accept(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        appearTimeoutMs);
    return found;
}

HWND waitForMessageBox(HWND dialog) {
    return waitForWindow(dialog, [dialog](HWND window) {
        return GetWindow(window, GW_OWNER) == dialog && findDescendant(window, 0xFFFF) != nullptr;
    });
}

bool waitUntilGone(HWND window) {
    return waitFor([window] { return !IsWindow(window) || !IsWindowVisible(window); },
                   appearTimeoutMs);
}

std::u16string waitForTextChange(HWND dialog, int controlId, const std::u16string& before,
                                 DWORD timeoutMs) {
    std::u16string text = before;
    waitFor([&] { return (text = controlText(dialog, controlId)) != before; }, timeoutMs);
    return text;
}

std::u16string windowText(HWND window) {
    std::vector<wchar_t> buffer(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1);
    const int length = GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()));
    return fromWide(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0));
}

std::u16string controlText(HWND dialog, int controlId) {
    return windowText(GetDlgItem(dialog, controlId));
}

void setControlText(HWND dialog, int controlId, const std::u16string& text) {
    SetDlgItemTextW(dialog, controlId, asWide(text));
}

std::u16string className(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return fromWide(name);
}

HWND findDescendant(HWND window, int controlId) {
    DescendantSearch search{controlId, nullptr};
    EnumChildWindows(window, &matchControlId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::u16string messageBoxText(HWND box) {
    return windowText(findDescendant(box, 0xFFFF));
}

bool showsIcon(HWND box) {
    bool icon = false;
    EnumChildWindows(box, &findShownIcon, reinterpret_cast<LPARAM>(&icon));
    return icon;
}

bool click(HWND dialog, int controlId) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(GetDlgItem(dialog, controlId), BM_CLICK, 0, 0, SMTO_NORMAL,
                               appearTimeoutMs, &result) != 0;
}

void clickAsync(HWND window, int controlId) {
    PostMessageW(GetDlgItem(window, controlId), BM_CLICK, 0, 0);
}

void pressKey(HWND control, WPARAM virtualKey) {
    PostMessageW(control, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(control, WM_KEYUP, virtualKey, 1 | (3u << 30));
}

int rowCount(HWND dialog) {
    return static_cast<int>(SendMessageW(GetDlgItem(dialog, IDC_ENTRIES), LVM_GETITEMCOUNT, 0, 0));
}

std::u16string cellText(HWND dialog, int row, int column) {
    std::vector<wchar_t> buffer(16384, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    const auto length = SendMessageW(GetDlgItem(dialog, IDC_ENTRIES), LVM_GETITEMTEXTW, row,
                                     reinterpret_cast<LPARAM>(&item));
    return fromWide(buffer.data(), static_cast<std::size_t>(length));
}

EmoticonEntry row(HWND dialog, int row) {
    return {cellText(dialog, row, 0), cellText(dialog, row, 1), cellText(dialog, row, 2),
            cellText(dialog, row, 3), cellText(dialog, row, 4)};
}

void selectRow(HWND dialog, int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(GetDlgItem(dialog, IDC_ENTRIES), LVM_SETITEMSTATE, row,
                 reinterpret_cast<LPARAM>(&item));
}

void addEntry(HWND dialog, const EmoticonEntry& entry) {
    setControlText(dialog, IDC_REGEX, entry.regex);
    setControlText(dialog, IDC_MATCH, entry.match);
    setControlText(dialog, IDC_ENTRY_DESC, entry.desc);
    CheckDlgButton(dialog, IDC_ICASE, entry.icase == u"1" ? BST_CHECKED : BST_UNCHECKED);
    setControlText(dialog, IDC_IMAGE_PATH, entry.file);
    EXPECT_TRUE(click(dialog, IDC_ADD)) << "\"Dodaj\" did not return";
}

TempFolder::TempFolder(const std::u16string& name) {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    m_path = fromWide(temp) + name + u"-" + toU16(GetCurrentProcessId()) + u"\\";
    CreateDirectoryW(asWide(m_path), nullptr);
}

TempFolder::~TempFolder() {
    for (auto made = m_made.rbegin(); made != m_made.rend(); ++made) {
        if (!DeleteFileW(asWide(*made))) {
            RemoveDirectoryW(asWide(*made));
        }
    }
    RemoveDirectoryW(asWide(m_path));
}

std::u16string TempFolder::writeFile(const std::u16string& name, const std::string& bytes) {
    const std::size_t slash = name.find(u'\\');
    if (slash != std::u16string::npos) {
        const std::u16string folder = m_path + name.substr(0, slash);
        if (CreateDirectoryW(asWide(folder), nullptr)) {
            m_made.push_back(folder);
        }
    }
    std::u16string path = m_path + name;
    testfiles::writeFile(path, bytes);
    m_made.push_back(path);
    return path;
}

GeneratedSet::GeneratedSet(const std::u16string& strippedName)
    : m_base(executableDirectory() + strippedName) {
    remove();
}

void GeneratedSet::remove() const {
    WIN32_FIND_DATAW found{};
    const std::u16string pattern = folder() + u"*";
    const HANDLE search = FindFirstFileW(asWide(pattern), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileW(asWide(folder() + fromWide(found.cFileName)));
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(asWide(m_base));
    DeleteFileW(asWide(definitionFile()));
}

std::u16string generate(HWND dialog) {
    clickAsync(dialog, IDC_GENERATE);
    const HWND box = waitForMessageBox(dialog);
    if (box == nullptr) {
        ADD_FAILURE() << "\"Generuj\" showed no message";
        return {};
    }
    std::u16string text = messageBoxText(box);
    EXPECT_EQ(windowText(box), u"");
    clickAsync(box, IDOK);
    EXPECT_TRUE(waitUntilGone(box));
    return text;
}

bool reportsVistaOrLater() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionExW(&version) && version.dwMajorVersion >= 6;
}

}  // namespace grinsmith::test
