#pragma once

#include "controls/skin_target_win32.h"
#include "ui/component.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace korvane {

class TsSkinManager;

// The base of every window adapter: it subclasses one window so that the adapter's WndProc sees
// each of its messages first, keeps the skin section the adapter paints with, and answers the
// engine's commands for the window. A window that belongs to an object of the class library is
// reached through that object's message path (the hook stands in for the saved method); any
// other window gets its window procedure replaced by the adapter's thunk (the saved procedure is
// kept). The process's window table leads from the window to its adapter; the window property
// "ACSBSC" is set as well, for programs that look for it, but never read here.
//
// Owners free adapters through Release (AdapterPtr does): an adapter may be freed by what one of
// its own window's messages sets off (a skin change that drops it), so it stops being reachable
// at once but its memory goes only when the outermost message it is handling returns.
class TacMainWnd : public SkinTarget {
public:
    TacMainWnd(HWND window, std::u16string_view section, TsSkinManager* manager);
    TacMainWnd(const TacMainWnd&) = delete;
    TacMainWnd& operator=(const TacMainWnd&) = delete;
    // Gives the window back unless it is detached already; when another subclasser came after
    // the thunk, the thunk stays and forwards to the saved procedure. Either way the property no
    // longer leads here. Restore is Release's: a destructor cannot reach the descendants' one.
    virtual ~TacMainWnd();

    // Frees an adapter: gives its window back with Restore (or strands its thunk, see the
    // destructor), then deletes it now, or when the outermost message it is handling returns.
    static void Release(TacMainWnd* adapter) noexcept;
    struct Releaser {
        void operator()(TacMainWnd* adapter) const noexcept { Release(adapter); }
    };

    // Remembers what to restore (Initialize), then subclasses the window. Made separate from the
    // constructor so that descendants' Initialize runs.
    void Create(bool frameChange = false);

    // The adapter of a window, from the window table, or null.
    static TacMainWnd* FromWindow(HWND window);

    HWND Window() const { return m_window; }
    const std::wstring& WindowCaption() const { return m_caption; }
    const std::u16string& Section() const { return m_section; }
    int SectionIndex() const { return m_sectionIndex; }
    TsSkinManager* Manager() const;
    bool Detached() const { return m_detached; }
    bool DialogChild() const { return m_dialogChild; }
    bool ColoursApplied() const { return m_coloursApplied; }
    // The mouse is over the window: the manager holds it as its hot window. The manager is the
    // one place that knows it; adapters hear of a change through HoverChanged.
    bool Hot() const;
    bool CacheStale = true;
    bool PaintSuspended = false;

    // Gives the window back: the saved method or procedure is restored, the property removed,
    // Restore runs, and a visible window's frame is redrawn. When another procedure was put over
    // the thunk meanwhile nothing is restored and the adapter stays attached (returns false).
    bool Detach(bool redrawByFrameChange = false);

    // Runs a message through WndProc; the adapter outlives it even when released meanwhile.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    // Passes a message to the window's previous handling; 0 once detached.
    LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam);
    // The same with the window's redrawing switched off meanwhile (the adapter repaints after).
    LRESULT CallPreviousWithoutRedraw(UINT message, WPARAM wParam, LPARAM lParam);

    // Marks an adapter made for a child window of a platform dialog (it paints flat); set before
    // Create.
    void SetDialogChild(bool dialogChild) { m_dialogChild = dialogChild; }

    // The questions of the skinned windows, answered while the manager's skin is on (that is when
    // the window's engine commands reach the adapter).
    std::optional<bool> UpdatingAnswer() override;
    std::optional<bool> SkinnedAnswer() override;
    std::uint32_t ChildrenColourAnswer(const std::function<std::uint32_t()>& rest) override;
    void HotChanged(const SkinManagerCore& manager, bool hot) override;
    // A window whose painting was held back is painted now, with its children.
    bool ParentReady() override;
    // Heard through OnSkinChanged while the adapter serves its window.
    void SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest) final;

protected:
    // Remembers what Restore gives back; called before subclassing.
    virtual void Initialize() {}
    virtual void Restore() {}
    virtual void SetSkinColours() { m_coloursApplied = true; }
    // The manager's hot window became this one or stopped being it. Called from the message that
    // moved the mouse: an adapter invalidates what shows the hover, it does not paint here.
    virtual void HoverChanged() {}
    // A skin change of the adapter's manager (`own`) or another's, while the adapter serves its
    // window; `rest` passes it on to the window's own handling. This one acts while the skin is
    // on, and on its removal, heard when the manager is off already. Descendants add theirs
    // around it.
    virtual void OnSkinChanged(SkinChange change, bool own, const std::function<void()>& rest);
    // Every message of the window. Descendants handle theirs first and call this for the rest.
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Looks the section up again in the manager's tables.
    void ResolveSection();
    // Reads the window's text into WindowCaption.
    void ReadCaption();
    // An engine command's LParam names this adapter's manager as its sender.
    bool SentByOwnManager(LPARAM lParam) const;
    // The manager's skin is on and the adapter serves its window: it answers the engine.
    bool Answering() const;

private:
    class PathHook;
    class KeepAlive;
    static LRESULT CALLBACK ProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleCommand(UINT message, WPARAM wParam, LPARAM lParam);
    // Takes the subclassing off; false when another subclasser is in the way.
    bool Unsubclass();
    // Unsubclass, or where that cannot be done the thunk is left forwarding to the saved
    // procedure; the property stops leading to this adapter either way.
    void UnsubclassOrStrand();

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
    int m_messageDepth = 0;
    bool m_released = false;
};

// An adapter owned by one object and freed through TacMainWnd::Release.
template <typename Adapter = TacMainWnd>
using AdapterPtr = std::unique_ptr<Adapter, TacMainWnd::Releaser>;

template <typename Adapter, typename... Args>
AdapterPtr<Adapter> MakeAdapterPtr(Args&&... args)
{
    return AdapterPtr<Adapter>(new Adapter(std::forward<Args>(args)...));
}

} // namespace korvane
