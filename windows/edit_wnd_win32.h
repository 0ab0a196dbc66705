#pragma once

#include "win32/dib_section.h"
#include "windows/scroll_wnd_win32.h"

#include <windows.h>

namespace korvane {

// The base of the edit family: the frame cache, the window's whole face from its section (the
// border strips come from it), rebuilt when the size, focus or skin changes.
class TacBaseWnd : public TacScrollWnd {
public:
    using TacScrollWnd::TacScrollWnd;

    // Rebuilds the cache when it is stale. `flat`: the dialog child look, a 1-pixel frame in
    // the skin's border colour around the system window colour, when the skin has one.
    void RebuildFrameCache(bool flat);
    const win32::DibSection& FrameCache() const { return m_cache; }
    bool HasFocus = false;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Copies the border strips from the cache to the context (the window's own when null).
    void PaintFrame(HDC dc) override;
    // The section has more than one look (or its borders mask more than one picture).
    bool SectionHasStates() const;
    // The face shows the mouse over the window (combo boxes); edits show only the focus.
    virtual bool ShowsHover() const { return false; }

private:
    win32::DibSection m_cache;
};

// The adapter of edits, memos, list boxes and rich edits of forms and dialogs: the skin's frame,
// the skin's bars and the section's colours for the window's face and text.
class TacEditWnd : public TacBaseWnd {
public:
    TacEditWnd(HWND window, std::u16string_view section, TsSkinManager* manager);

    // Its section, while it paints the window.
    std::optional<std::int32_t> SectionIndexAnswer() override;

protected:
    void Initialize() override;
    void Restore() override;
    void SetSkinColours() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSkinChanged(SkinChange change, bool own, const std::function<void()>& rest) override;

private:
    LRESULT OnPrint(HDC dc, LPARAM flags);

    COLORREF m_savedColour = CLR_INVALID;
    COLORREF m_savedFontColour = CLR_INVALID;
    bool m_saved = false;
    bool m_applying = false;
    // The owner control carries the skin's colours.
    bool m_coloured = false;
};

} // namespace korvane
