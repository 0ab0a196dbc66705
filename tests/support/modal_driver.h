#pragma once

#include <windows.h>

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace korvane::test {

// A message box the driver met and answered.
struct SeenMessageBox {
    std::wstring caption;
    std::wstring text;
    bool errorIcon = false;
};

// Drives code that sits in modal loops (forms shown modally, message boxes, the save dialog)
// from a thread timer, whose ticks every nested loop dispatches. Steps run in order:
//  - WhenShown(window, action): runs the action once the window is visible and enabled (the
//    form on top of a modal chain) and no action on that same window is still running;
//  - AnswerMessageBox(): presses OK on the next message box and records it;
//  - AnswerSaveDialog(path) / CancelSaveDialog(): fills the save dialog's file name and presses
//    OK, or cancels it.
// A dialog that meets no matching step fails the test with its caption and text and is closed;
// when the time limit passes, the test fails and every open window of the chain is closed, so a
// test never hangs. Failures and steps left over are reported when the driver is destroyed.
class ModalDriver {
public:
    explicit ModalDriver(std::chrono::milliseconds limit = std::chrono::seconds(20));
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;
    ~ModalDriver();

    ModalDriver& WhenShown(HWND window, std::function<void()> action, std::string description = {});
    ModalDriver& AnswerMessageBox();
    ModalDriver& AnswerSaveDialog(std::wstring fileName, std::string screenshotName = {});
    ModalDriver& CancelSaveDialog();

    const std::vector<SeenMessageBox>& MessageBoxes() const { return m_boxes; }
    // File name and filter the save dialogs showed when they were answered.
    const std::vector<std::wstring>& SaveDialogNames() const { return m_saveNames; }
    bool AllStepsDone() const { return m_steps.empty(); }
    const std::vector<std::string>& Failures() const { return m_failures; }

private:
    enum class StepKind { WindowShown, MessageBox, SaveDialog, CancelDialog };
    struct Step {
        StepKind kind;
        HWND window = nullptr;
        std::function<void()> action;
        std::wstring fileName;
        std::string description;
    };

    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
    void Tick();
    bool HandleDialog(HWND dialog);
    void CloseEverything();

    std::deque<Step> m_steps;
    std::vector<HWND> m_runningActions;
    std::vector<SeenMessageBox> m_boxes;
    std::vector<std::wstring> m_saveNames;
    std::vector<std::string> m_failures;
    std::chrono::steady_clock::time_point m_deadline;
    UINT_PTR m_timer = 0;
    bool m_timedOut = false;
    bool m_paused = false;
};

// Sends the characters to a window as typed keys (WM_CHAR), one by one.
void TypeChars(HWND window, std::wstring_view text);

// Puts the caret at the end of an edit's text and types there.
void TypeAtEnd(HWND window, std::wstring_view text);

// Presses a point of a window's client area with the left mouse button (down and up).
void ClickAt(HWND window, POINT point);

} // namespace korvane::test
