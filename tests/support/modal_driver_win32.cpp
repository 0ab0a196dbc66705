#include "support/modal_driver.h"

#include "support/screenshot.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane::test {

namespace {

ModalDriver* g_driver = nullptr;

// Message boxes put their text in the static control 0xFFFF and their icon in 0x0440; the file
// dialogs hold the file name in the combo box cmb13 (0x047C) or the edit edt1 (0x0480).
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr int kMessageBoxIconId = 0x0440;
constexpr int kFileNameComboId = 0x047C;
constexpr int kFileNameEditId = 0x0480;

std::wstring TextOf(HWND window)
{
    if (!window)
        return {};
    wchar_t buffer[4096] = {};
    GetWindowTextW(window, buffer, 4096);
    return buffer;
}

std::string Narrow(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), result.data(), size, nullptr, nullptr);
    return result;
}

bool IsDialogWindow(HWND window)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    return std::wstring(name) == L"#32770";
}

std::vector<HWND> VisibleThreadWindows()
{
    std::vector<HWND> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            if (IsWindowVisible(window))
                reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND FileNameControl(HWND dialog)
{
    if (HWND combo = GetDlgItem(dialog, kFileNameComboId))
        return combo;
    return GetDlgItem(dialog, kFileNameEditId);
}

} // namespace

ModalDriver::ModalDriver(std::chrono::milliseconds limit) : m_deadline(std::chrono::steady_clock::now() + limit)
{
    g_driver = this;
    m_timer = SetTimer(nullptr, 0, 20, &TimerProc);
}

ModalDriver::~ModalDriver()
{
    KillTimer(nullptr, m_timer);
    g_driver = nullptr;
    for (const std::string& failure : m_failures)
        ADD_FAILURE() << failure;
    for (const Step& step : m_steps)
        ADD_FAILURE() << "step never reached: " << (step.description.empty() ? "(no description)" : step.description);
}

ModalDriver& ModalDriver::WhenShown(HWND window, std::function<void()> action, std::string description)
{
    m_steps.push_back({StepKind::WindowShown, window, std::move(action), {}, std::move(description)});
    return *this;
}

ModalDriver& ModalDriver::AnswerMessageBox()
{
    m_steps.push_back({StepKind::MessageBox, nullptr, {}, {}, "a message box"});
    return *this;
}

ModalDriver& ModalDriver::AnswerSaveDialog(std::wstring fileName, std::string screenshotName)
{
    Step step{StepKind::SaveDialog, nullptr, {}, std::move(fileName), "the save dialog"};
    if (!screenshotName.empty())
        step.action = [screenshotName] { SaveScreenshot(screenshotName); };
    m_steps.push_back(std::move(step));
    return *this;
}

ModalDriver& ModalDriver::CancelSaveDialog()
{
    m_steps.push_back({StepKind::CancelDialog, nullptr, {}, {}, "the save dialog (cancelled)"});
    return *this;
}

void CALLBACK ModalDriver::TimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_driver)
        g_driver->Tick();
}

bool ModalDriver::HandleDialog(HWND dialog)
{
    const bool isMessageBox = GetDlgItem(dialog, kMessageBoxTextId) != nullptr;
    const bool isFileDialog = !isMessageBox && FileNameControl(dialog) != nullptr;
    if (!isMessageBox && !isFileDialog)
        return false; // still being built
    const std::wstring caption = TextOf(dialog);
    if (isMessageBox) {
        SeenMessageBox seen{caption, TextOf(GetDlgItem(dialog, kMessageBoxTextId)), false};
        if (HWND icon = GetDlgItem(dialog, kMessageBoxIconId))
            seen.errorIcon =
                reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0)) == LoadIconW(nullptr, IDI_ERROR);
        if (!m_steps.empty() && m_steps.front().kind == StepKind::MessageBox) {
            m_steps.pop_front();
            m_boxes.push_back(seen);
        } else {
            m_failures.push_back("unexpected message box \"" + Narrow(seen.caption) + "\": " + Narrow(seen.text));
        }
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    }
    HWND name = FileNameControl(dialog);
    if (!m_steps.empty() && m_steps.front().kind == StepKind::SaveDialog) {
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        m_saveNames.push_back(TextOf(name));
        if (step.action) {
            // The action may pump messages (a screenshot does): no step may run meanwhile.
            m_paused = true;
            step.action();
            m_paused = false;
        }
        SetWindowTextW(name, step.fileName.c_str());
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        return true;
    }
    if (!m_steps.empty() && m_steps.front().kind == StepKind::CancelDialog) {
        m_steps.pop_front();
        m_saveNames.push_back(TextOf(name));
    } else {
        m_failures.push_back("unexpected file dialog \"" + Narrow(caption) + "\"");
    }
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    return true;
}

void ModalDriver::CloseEverything()
{
    for (HWND window : VisibleThreadWindows()) {
        if (IsDialogWindow(window))
            SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        else if (IsWindowEnabled(window))
            PostMessageW(window, WM_CLOSE, 0, 0);
    }
}

void ModalDriver::Tick()
{
    if (m_paused)
        return;
    if (std::chrono::steady_clock::now() > m_deadline) {
        if (!m_timedOut) {
            m_timedOut = true;
            m_failures.push_back("timed out waiting for " + (m_steps.empty() ? std::string("the modal windows to close")
                                                                             : m_steps.front().description));
            m_steps.clear();
        }
        CloseEverything();
        return;
    }
    for (HWND window : VisibleThreadWindows())
        if (IsDialogWindow(window) && HandleDialog(window))
            return;
    if (m_steps.empty() || m_steps.front().kind != StepKind::WindowShown)
        return;
    Step& next = m_steps.front();
    if (!IsWindowVisible(next.window) || !IsWindowEnabled(next.window))
        return;
    for (HWND running : m_runningActions)
        if (running == next.window)
            return;
    Step step = std::move(next);
    m_steps.pop_front();
    m_runningActions.push_back(step.window);
    step.action();
    m_runningActions.pop_back();
}

void TypeAtEnd(HWND window, std::wstring_view text)
{
    // Positions past the end put the caret at the end, in edits and rich edits alike.
    SendMessageW(window, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
    TypeChars(window, text);
}

void TypeChars(HWND window, std::wstring_view text)
{
    // Enter arrives as a key press (rich edits break lines on it) followed by its character.
    for (wchar_t ch : text) {
        if (ch == L'\r')
            SendMessageW(window, WM_KEYDOWN, VK_RETURN, 1);
        SendMessageW(window, WM_CHAR, ch, 1);
        if (ch == L'\r')
            SendMessageW(window, WM_KEYUP, VK_RETURN, 0xC0000001);
    }
}

void ClickAt(HWND window, POINT point)
{
    const LPARAM where = MAKELPARAM(point.x, point.y);
    SendMessageW(window, WM_MOUSEMOVE, 0, where);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageW(window, WM_LBUTTONUP, 0, where);
}

} // namespace korvane::test
