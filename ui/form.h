#pragma once

#include "ui/window.h"

#include <initializer_list>
#include <string_view>

namespace korvane::ui {

class Control;

// Where a form opens and how large its client area is.
struct FormLayout {
    const wchar_t* className; // the window class, registered on first use
    std::wstring_view caption;
    int left; // screen position of the window's outer corner
    int top;
    int clientWidth;
    int clientHeight;
};

// The border a form has.
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
// The title-bar icons a form asks for, as bits.
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

// Modal results.
inline constexpr int kModalNone = 0;
inline constexpr int kModalCancel = 2;

// A top-level window of the program: created once and hidden, shown and hidden many times.
// Single non-resizable border, a title bar with the system menu and the close button only, the
// face colour of buttons, and the program's font. Owned by the application's window so that the
// program keeps one taskbar button.
class Form : public Window {
public:
    explicit Form(const FormLayout& layout);
    ~Form() override;

    // The form's class name is its window class (TChooseStyleMenu, ...).
    std::wstring_view ClassName() const override { return m_className; }
    // The program's forms all have a single border and the system menu with its close button.
    TFormBorderStyle BorderStyle() const { return TFormBorderStyle::bsSingle; }
    TBorderIcons BorderIcons() const { return biSystemMenu; }
    TWindowState WindowState() const;

    // Shows the form (OnShow first) and focuses its active control or first tab stop.
    void Show();
    void Hide();
    // Shows the form with every other window of the program disabled and runs a nested event
    // loop until the form closes; returns the modal result.
    int ShowModal();
    // Ends the modal run (a modal form), hides the form, and ends the program when this is the
    // main form. Also what the close box does (WM_CLOSE).
    void Close();
    bool Modal() const { return m_modal; }
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }
    // The control focused when the form is shown next.
    void SetActiveControl(Control* control) { m_activeControl = control; }
    // The control that has, or gets back, the focus when the form is active.
    Control* ActiveControl() const { return m_activeControl; }
    // Orders the controls for the Tab key: the first listed comes first.
    void SetTabOrder(std::initializer_list<const Window*> controls);
    // The client area's size (left and top are 0).
    PixelRect ClientBounds() const;

    // Run by the application right after it constructed the form, and before destroying it.
    void DoCreate() { OnCreate(); }
    void DoDestroy() { OnDestroy(); }

protected:
    virtual void OnCreate() {}
    virtual void OnShow() {}
    virtual void OnDestroy() {}
    std::optional<LRESULT> OnClose() override;
    std::optional<LRESULT> OnActivate(WPARAM wParam, LPARAM lParam) override;

private:
    void FocusFirstControl();

    std::wstring m_className;
    bool m_modal = false;
    int m_modalResult = kModalNone;
    Control* m_activeControl = nullptr;
};

} // namespace korvane::ui
