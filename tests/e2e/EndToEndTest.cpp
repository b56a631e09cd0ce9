#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "support/Waiting.h"
#include "support/Win32Files.h"
#include "window/WideText.h"

namespace grinsmith {
namespace {

using testfiles::readFile;
using testfiles::writeFile;
using testwait::waitFor;

constexpr DWORD appearTimeoutMs = 10000;

// The program under test as this Wine sees it: the Unix path on drive Z.
std::u16string programPath() {
    const std::string unixPath = GRINSMITH_PROGRAM_PATH;
    std::u16string path = u"Z:";
    for (char c : unixPath) {
        path += c == '/' ? u'\\' : static_cast<char16_t>(c);
    }
    return path;
}

// A started program; ended by force if it still runs when the test is done with it.
class ChildProcess {
public:
    ChildProcess(const std::u16string& program, const std::u16string& workingDirectory) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::u16string commandLine = u"\"" + program + u"\"";
        m_started = CreateProcessW(asWide(program), const_cast<wchar_t*>(asWide(commandLine)),
                                   nullptr, nullptr, FALSE, 0, nullptr, asWide(workingDirectory),
                                   &startup, &m_info) != 0;
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ChildProcess(ChildProcess&&) = delete;
    ChildProcess& operator=(ChildProcess&&) = delete;
    ~ChildProcess() {
        if (!m_started) {
            return;
        }
        if (WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_info.hProcess, 1);
            WaitForSingleObject(m_info.hProcess, appearTimeoutMs);
        }
        CloseHandle(m_info.hThread);
        CloseHandle(m_info.hProcess);
    }

    bool started() const { return m_started; }
    DWORD id() const { return m_info.dwProcessId; }
    // The exit status once the program ended within the wait, else nothing.
    std::optional<DWORD> waitForExit() const {
        if (WaitForSingleObject(m_info.hProcess, appearTimeoutMs) != WAIT_OBJECT_0) {
            return std::nullopt;
        }
        DWORD status = 0;
        GetExitCodeProcess(m_info.hProcess, &status);
        return status;
    }

private:
    bool m_started = false;
    PROCESS_INFORMATION m_info{};
};

std::u16string windowText(HWND window) {
    std::vector<wchar_t> buffer(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1);
    const int length = GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()));
    return fromWide(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0));
}

struct TopLevelSearch {
    std::function<bool(HWND)> accept;
    HWND found = nullptr;
};

// Enumeration callbacks are stdcall on 32-bit Windows, which lambdas can't be.
BOOL CALLBACK matchTopLevel(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TopLevelSearch*>(data);
    if (IsWindowVisible(window) && search->accept(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The first visible top-level window that `accept` takes.
HWND waitForTopLevel(std::function<bool(HWND)> accept) {
    TopLevelSearch search{std::move(accept)};
    waitFor(
        [&] {
            EnumWindows(&matchTopLevel, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        appearTimeoutMs);
    return search.found;
}

HWND waitForMainWindow(DWORD processId) {
    return waitForTopLevel([processId](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return owner == processId && windowText(window) == u"Grinsmith v0.1";
    });
}

HWND waitForMessageBox(HWND owner) {
    return waitForTopLevel([owner](HWND window) {
        return GetWindow(window, GW_OWNER) == owner && GetDlgItem(window, 0xFFFF) != nullptr;
    });
}

void setText(HWND dialog, int id, const std::u16string& text) {
    SetDlgItemTextW(dialog, id, asWide(text));
}

bool click(HWND dialog, int id) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(GetDlgItem(dialog, id), BM_CLICK, 0, 0, SMTO_NORMAL, appearTimeoutMs,
                               &result) != 0;
}

// A fresh temporary folder with a copy of the program and an image beside it; removed after.
class ProgramFolder {
public:
    ProgramFolder() {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        const std::string id = std::to_string(GetCurrentProcessId());
        m_root = fromWide(temp) + u"grinsmith-e2e-" + std::u16string(id.begin(), id.end());
        CreateDirectoryW(asWide(m_root), nullptr);
        CreateDirectoryW(asWide(programDirectory()), nullptr);
        CreateDirectoryW(asWide(m_root + u"\\Pics"), nullptr);
        CopyFileW(asWide(programPath()), asWide(program()), FALSE);
        writeFile(image(), imageBytes);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    ProgramFolder(ProgramFolder&&) = delete;
    ProgramFolder& operator=(ProgramFolder&&) = delete;
    ~ProgramFolder() {
        for (const std::u16string& file :
             {setFolder() + u"\\smile.png", setFolder() + u".xml", program(), image()}) {
            DeleteFileW(asWide(file));
        }
        for (const std::u16string& folder :
             {setFolder(), programDirectory(), m_root + u"\\Pics", m_root}) {
            RemoveDirectoryW(asWide(folder));
        }
    }

    const std::u16string& root() const { return m_root; }
    std::u16string programDirectory() const { return m_root + u"\\Tool"; }
    std::u16string program() const { return programDirectory() + u"\\grinsmith.exe"; }
    std::u16string image() const { return m_root + u"\\Pics\\smile.png"; }
    std::u16string setFolder() const { return programDirectory() + u"\\E2ESet"; }

    static constexpr const char* imageBytes = "\x89PNG end to end";

private:
    std::u16string m_root;
};

TEST(Program, BuildsASetBesideItselfWhenDrivenFromOutside) {
    ProgramFolder folder;
    ASSERT_TRUE(readFile(folder.program()).has_value()) << "the program was not copied";
    // Started from another folder: the set goes beside the program, not into the working folder.
    ChildProcess program(folder.program(), folder.root());
    ASSERT_TRUE(program.started());
    const HWND window = waitForMainWindow(program.id());
    ASSERT_NE(window, nullptr) << "the window did not appear";

    setText(window, IDC_SET_NAME, u"E2E Set!");
    setText(window, IDC_AUTHOR, u"Autor");
    setText(window, IDC_DESCRIPTION, u"Zestaw próbny");
    setText(window, IDC_REGEX, u":)");
    setText(window, IDC_MATCH, u":-)");
    setText(window, IDC_ENTRY_DESC, u"uśmiech");
    CheckDlgButton(window, IDC_ICASE, BST_CHECKED);
    setText(window, IDC_IMAGE_PATH, folder.image());
    ASSERT_TRUE(click(window, IDC_ADD));
    PostMessageW(GetDlgItem(window, IDC_GENERATE), BM_CLICK, 0, 0);
    const HWND box = waitForMessageBox(window);
    ASSERT_NE(box, nullptr) << "\"Generuj\" showed no message";
    EXPECT_EQ(windowText(GetDlgItem(box, 0xFFFF)), u"Poprawnie wygenerowano zestaw!");
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(waitFor([box] { return !IsWindow(box); }, appearTimeoutMs));

    EXPECT_EQ(readFile(folder.setFolder() + u".xml"),
              "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
              "<vorlSets author=\"Autor\" desc=\"Zestaw pr\xC3\xB3\x62ny\">\n"
              "\t<item regex=\":)\" match=\":-)\" desc=\"u\xC5\x9Bmiech\" icase=\"1\" "
              "file=\"E2ESet\\smile.png\"/>\t\n"
              "</vorlSets>\n");
    EXPECT_EQ(readFile(folder.setFolder() + u"\\smile.png"), ProgramFolder::imageBytes);
    EXPECT_FALSE(readFile(folder.root() + u"\\E2ESet.xml").has_value());

    // Generated, so closing asks nothing.
    PostMessageW(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(program.waitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace grinsmith
