// The running program, as another program on the desktop can reach it: live-preview messages that
// leave no skin or name no folder, and messages too large to receive, never end it, never make it
// call through freed memory, and never stop it from taking the next preview.
#include "support/preview_block.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The program's path as a Windows path (under Wine the build folder is on drive Z:).
std::wstring ProgramPath()
{
    std::string path = KORVANE_EXE_PATH;
    if (!path.empty() && path.front() == '/')
        path = "Z:" + path;
    std::wstring wide(path.begin(), path.end());
    for (wchar_t& c : wide)
        if (c == L'/')
            c = L'\\';
    return wide;
}

struct WindowSearch {
    DWORD process;
    const wchar_t* className;
    HWND found;
};

HWND VisibleWindowOf(DWORD process, const wchar_t* className)
{
    WindowSearch search{process, className, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) {
            auto& s = *reinterpret_cast<WindowSearch*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (owner == s.process && IsWindowVisible(window) && wcscmp(name, s.className) == 0) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// korvane.exe started for one test and ended after it.
class RunningProgram {
public:
    // Started; with `waitForChooser` the chooser is waited for (else the caller answers what comes
    // first and calls WaitForChooser).
    explicit RunningProgram(bool waitForChooser = true)
    {
        std::wstring command = L"\"" + ProgramPath() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_info))
            return;
        if (waitForChooser)
            WaitForChooser();
    }
    void WaitForChooser() { m_chooser = WaitForWindow(L"TChooseStyleMenu"); }
    ~RunningProgram()
    {
        if (m_info.hProcess) {
            TerminateProcess(m_info.hProcess, 0);
            WaitForSingleObject(m_info.hProcess, 10000);
            CloseHandle(m_info.hProcess);
            CloseHandle(m_info.hThread);
        }
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    HWND Chooser() const { return m_chooser; }
    bool Alive() const { return m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT; }
    HWND WaitForWindow(const wchar_t* className, DWORD timeoutMs = 30000) const
    {
        for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
            if (HWND window = VisibleWindowOf(m_info.dwProcessId, className))
                return window;
            if (!Alive())
                return nullptr;
            Sleep(50);
        }
        return nullptr;
    }

private:
    PROCESS_INFORMATION m_info{};
    HWND m_chooser = nullptr;
};

using korvane::test::PreviewBlock;

// The answer to a WM_COPYDATA, or -1 when none came within the time.
LRESULT SendCopyData(HWND window, std::vector<uint8_t> block, UINT timeoutMs = 10000)
{
    COPYDATASTRUCT data{7, static_cast<DWORD>(block.size()), block.data()};
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, WM_COPYDATA, 7, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, timeoutMs, &answer))
        return -1;
    return static_cast<LRESULT>(answer);
}

const std::string kValidOptions = "[GLOBALINFO]\r\nVERSION=7.3\r\n[FORM]\r\nCOLOR=255\r\n";

TEST(HostileMessages, PreviewsWithoutOptionsOrFolderLeaveTheProgramRunningAndTakingPreviews)
{
    RunningProgram program;
    const HWND chooser = program.Chooser();
    ASSERT_NE(chooser, nullptr) << "the program did not show its chooser";
    // Only the marker and the internal skin's name; then a name with a folder of no such skin.
    EXPECT_EQ(SendCopyData(chooser, PreviewBlock("Graphite (internal)", "", "")), 1);
    EXPECT_EQ(SendCopyData(chooser, PreviewBlock("X", "c:\\Skins\\", "")), 1);
    ASSERT_TRUE(program.Alive());
    EXPECT_TRUE(IsWindowVisible(chooser));
    EXPECT_EQ(SendCopyData(chooser, PreviewBlock("Graphite (internal)", "c:\\nowhere\\", kValidOptions)), 1)
        << "a valid preview after one that left no skin";
    // "Продолжить" still works: the editor of the first kind opens.
    HWND button = FindWindowExW(chooser, nullptr, L"Button", L"Продолжить");
    ASSERT_NE(button, nullptr);
    PostMessageW(button, BM_CLICK, 0, 0);
    EXPECT_NE(program.WaitForWindow(L"TNewStyleKorvane", 10000), nullptr);
    EXPECT_TRUE(program.Alive());
}

TEST(HostileMessages, MessagesTooLargeToReceiveDoNotEndTheProgram)
{
    RunningProgram program;
    const HWND chooser = program.Chooser();
    ASSERT_NE(chooser, nullptr) << "the program did not show its chooser";
    SendCopyData(chooser, PreviewBlock("X", "", "", 2097200), 3000);
    Sleep(2000);
    ASSERT_TRUE(program.Alive()) << "a 2 MiB WM_COPYDATA ended the program";

    HWND button = FindWindowExW(chooser, nullptr, L"Button", L"Продолжить");
    ASSERT_NE(button, nullptr);
    PostMessageW(button, BM_CLICK, 0, 0);
    const HWND editor = program.WaitForWindow(L"TNewStyleKorvane", 10000);
    ASSERT_NE(editor, nullptr);
    const HWND title = FindWindowExW(editor, nullptr, L"Edit", nullptr);
    ASSERT_NE(title, nullptr);
    const std::wstring text(1048576, L'a');
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(title, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, 3000, &answer);
    Sleep(2000);
    ASSERT_TRUE(program.Alive()) << "a 1 Mi-character WM_SETTEXT ended the program";
    EXPECT_TRUE(IsWindowVisible(editor));
    EXPECT_EQ(SendCopyData(editor, PreviewBlock("Graphite (internal)", "c:\\nowhere\\", kValidOptions)), 1);
}

// A file in the program's skin folder for one test: the folder the chooser's settings name, "c:\Skins".
class SkinFolderFile {
public:
    SkinFolderFile(const std::wstring& name, const std::string& bytes) : m_path(L"c:\\Skins\\" + name)
    {
        m_madeFolder = CreateDirectoryW(L"c:\\Skins", nullptr) != FALSE;
        HANDLE file = CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
            CloseHandle(file);
        }
    }
    ~SkinFolderFile()
    {
        DeleteFileW(m_path.c_str());
        if (m_madeFolder)
            RemoveDirectoryW(L"c:\\Skins");
    }
    SkinFolderFile(const SkinFolderFile&) = delete;
    SkinFolderFile& operator=(const SkinFolderFile&) = delete;

private:
    std::wstring m_path;
    bool m_madeFolder = false;
};

TEST(HostileSkins, ADamagedSkinUnderTheInternalSkinsNameGivesWayToTheInternalSkin)
{
    SkinFolderFile damaged(L"Graphite (internal).asz", "ASzf this is no skin package at all");
    RunningProgram program(false);
    const HWND box = program.WaitForWindow(L"#32770", 30000);
    ASSERT_NE(box, nullptr) << "no error box for the damaged skin";
    wchar_t caption[32] = {};
    GetWindowTextW(box, caption, 32);
    EXPECT_STREQ(caption, L"Error");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    program.WaitForChooser();
    const HWND chooser = program.Chooser();
    ASSERT_NE(chooser, nullptr);
    Sleep(500);
    // The skin's frame takes the platform's system menu off the window and cuts its corners.
    EXPECT_EQ(GetWindowLongW(chooser, GWL_STYLE) & WS_SYSMENU, 0) << "the program went on without a skin";
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(chooser, region), ERROR);
    DeleteObject(region);
}

} // namespace
