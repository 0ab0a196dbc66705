#pragma once

#include "win32/unique_handle.h"
#include "windows/main_wnd_win32.h"
#include "windows/window_frame_win32.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace korvane::ui {
class Form;
}

namespace korvane {

class TacProvider;

// A top-level window with the skinned frame on its message path: the face of its client area is
// what its controls see behind them.
class TacFramedWnd : public TacMainWnd {
public:
    TacFramedWnd(HWND window, std::u16string_view section, TsSkinManager* manager);
    WindowFrame& Frame() { return m_frame; }
    bool BackgroundAnswer(BackgroundRequest& request) override { return m_frame.AnswerBackground(request); }
    std::optional<bool> SkinnedAnswer() override { return true; }
    std::uint32_t ChildrenColourAnswer(const std::function<std::uint32_t()>& rest) override
    {
        return m_frame.Skinned() ? m_frame.FaceColour() : TacMainWnd::ChildrenColourAnswer(rest);
    }

protected:
    // The frame's handling of the message, then the adapter's.
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The own manager's new or changed skin prepares the frame; its removal releases it.
    void FrameSkinChanged(SkinChange change, bool own);
    void Restore() override { m_frame.Release(); }

private:
    WindowFrame m_frame;
};

// The frame provider of one of the program's forms: the skinned frame (section FORM), and the
// adapters of the form's standard controls (the ThirdParty lists decide which).
class TsSkinProvider : public TacFramedWnd {
public:
    TsSkinProvider(ui::Form& form, TsSkinManager* manager);
    ~TsSkinProvider() override;

    ui::Form& Form() const { return m_form; }
    // The adapters of the form's controls.
    const std::vector<AdapterPtr<>>& ControlAdapters() const { return m_items; }
    // Walks the container's child windows (the form's when null) and adapts every control whose
    // class stands in a ThirdParty list; nothing unless the rules skin third-party controls.
    void AdaptControls(HWND container = nullptr);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSkinChanged(SkinChange change, bool own, const std::function<void()>& rest) override;
    void Restore() override;

private:
    void AdaptWalk(HWND container);
    void RemoveStaleItems();
    // Gives the labels the walk coloured their own colours back.
    void RestoreLabels();

    ui::Form& m_form;
    std::vector<AdapterPtr<>> m_items;
    std::vector<HWND> m_labels;
    bool m_adapting = false;
};

// The adapter of a platform dialog box (window class "#32770"): the same skinned frame with the
// section DIALOG, and the adapting of every child window when it exists.
class TacDialogWnd : public TacFramedWnd {
public:
    TacDialogWnd(HWND window, TsSkinManager* manager, TacProvider& provider);
    ~TacDialogWnd() override;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSkinChanged(SkinChange change, bool own, const std::function<void()>& rest) override;

private:
    TacProvider& m_provider;
    win32::OwnedBrush m_brush;
};

// What the window hook made for one top-level window: a form's provider, or a dialog's adapter
// with the adapters of its child windows.
class TacProvider {
public:
    explicit TacProvider(TsSkinManager& manager) : m_manager(manager) {}
    TacProvider(const TacProvider&) = delete;
    TacProvider& operator=(const TacProvider&) = delete;
    ~TacProvider();

    void AttachForm(ui::Form& form);
    bool AttachDialog(HWND window);
    bool AdaptChildWindows(HWND window);
    bool AdaptChildWindow(HWND window);

    HWND Window = nullptr; // the dialog's window
    bool LeftScrollBar = false;
    AdapterPtr<TacDialogWnd> DialogAdapter;
    AdapterPtr<TsSkinProvider> FormProvider;
    std::vector<AdapterPtr<>> ChildAdapters;
    // The provider went with its window.
    bool Gone() const;

private:
    TsSkinManager& m_manager;
};

// The hook is being removed: frees the manager's dialog providers and those whose window went. A
// form's provider belongs to its form and stays (it hears the skin go and come back); with
// `formsToo` (the manager itself goes) every provider is freed.
void ReleaseProviders(TsSkinManager& manager, bool formsToo = false);
// Frees the manager's providers whose window went.
void ReleaseGoneProviders(TsSkinManager& manager);
// Frames the thread's visible top-level windows that have no provider yet (a skin applied
// again finds dialogs that opened while there was none).
void AttachExistingWindows(TsSkinManager& manager);
// The provider serving a window (a form's or a dialog's) among the default manager's, or null.
TacProvider* ProviderOf(HWND window);

// Attaches a provider of the default manager to a top-level window when the rules allow; true
// when one was made.
bool AttachToWindow(HWND window, std::u16string_view className = {});
// The same for the given manager.
bool AttachToWindow(TsSkinManager& manager, HWND window, std::u16string_view className = {});

// The window hook's work, after the next hook has been called.
void HandleCbtHook(int code, WPARAM wParam, LPARAM lParam);

} // namespace korvane
