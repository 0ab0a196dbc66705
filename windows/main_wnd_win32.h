#pragma once

#include "ui/component.h"

#include <windows.h>

#include <memory>
#include <string>

namespace korvane {

class TsSkinManager;

// The base of every window adapter: it subclasses one window so that the adapter's WndProc sees
// each of its messages first, keeps the skin section the adapter paints with, and answers the
// engine's commands for the window. A window that belongs to an object of the class library is
// reached through that object's message path (the hook stands in for the saved method); any
// other window gets its window procedure replaced by the adapter's thunk (the saved procedure is
// kept). The window property "ACSBSC" holds the adapter, so whoever has the window finds it.
class TacMainWnd {
public:
    TacMainWnd(HWND window, std::u16string_view section, TsSkinManager* manager);
    TacMainWnd(const TacMainWnd&) = delete;
    TacMainWnd& operator=(const TacMainWnd&) = delete;
    // Gives the window back unless it is detached already, or another subclasser came after the
    // thunk (then the window keeps its procedure and the property, and nothing is restored).
    virtual ~TacMainWnd();

    // Remembers what to restore (Initialize), then subclasses the window. Made separate from the
    // constructor so that descendants' Initialize runs.
    void Create(bool frameChange = false);

    // The adapter of a window, by its "ACSBSC" property, or null.
    static TacMainWnd* FromWindow(HWND window);

    HWND Window() const { return m_window; }
    const std::wstring& WindowCaption() const { return m_caption; }
    const std::u16string& Section() const { return m_section; }
    int SectionIndex() const { return m_sectionIndex; }
    TsSkinManager* Manager() const;
    bool Detached() const { return m_detached; }
    bool DialogChild() const { return m_dialogChild; }
    bool ColoursApplied() const { return m_coloursApplied; }
    bool CacheStale = true;
    bool PaintSuspended = false;

    // Gives the window back: the saved method or procedure is restored, the property removed,
    // Restore runs, and a visible window's frame is redrawn. When another procedure was put over
    // the thunk meanwhile nothing is restored and the adapter stays attached (returns false).
    bool Detach(bool redrawByFrameChange = false);

    // Passes a message to the window's previous handling; 0 once detached.
    LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam);
    // The same with the window's redrawing switched off meanwhile (the adapter repaints after).
    LRESULT CallPreviousWithoutRedraw(UINT message, WPARAM wParam, LPARAM lParam);

    // Set while a dialog's child windows are adapted; adapters made meanwhile are dialog children.
    static bool& AdaptingDialogChildren();

protected:
    // Remembers what Restore gives back; called before subclassing.
    virtual void Initialize() {}
    virtual void Restore() {}
    virtual void SetSkinColours() { m_coloursApplied = true; }
    // Every message of the window. Descendants handle theirs first and call this for the rest.
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Looks the section up again in the manager's tables.
    void ResolveSection();
    // Reads the window's text into WindowCaption.
    void ReadCaption();
    // An engine command's LParam names this adapter's manager as its sender.
    bool SentByOwnManager(LPARAM lParam) const;

private:
    class PathHook;
    static LRESULT CALLBACK ProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleCommand(UINT message, WPARAM wParam, LPARAM lParam);
    // Takes the subclassing off; false when another subclasser is in the way.
    bool Unsubclass();

    HWND m_window = nullptr;
    std::wstring m_caption;
    std::u16string m_section;
    int m_sectionIndex = -1;
    TsSkinManager* m_manager = nullptr;
    std::unique_ptr<PathHook> m_hook;
    WNDPROC m_savedProc = nullptr;
    bool m_subclassed = false;
    bool m_detached = false;
    bool m_dialogChild = false;
    bool m_coloursApplied = false;
};

// Sends every window whose parent is the given one the message.
void BroadcastToChildWindows(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace korvane
