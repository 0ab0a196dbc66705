#pragma once

#include "controls/skinned_text_win32.h"
#include "win32/dib_section.h"
#include "windows/edit_wnd_win32.h"
#include "windows/list_view_scroll.h"

#include <windows.h>

namespace korvane {

// The adapter of list views (the save dialog's file list): the edit family's frame and bars, the
// skin's colours for the list's face and text, and a column header painted from the skin's
// "COLHEADER" faces ("BUTTON" when the skin has none) with hot and pressed columns and sort
// arrows. The skinned bars' thumb drags scroll the list through ListView_Scroll, so that the list
// moves by whole lines and columns as its own bars would move it.
class TacListViewWnd : public TacEditWnd {
public:
    TacListViewWnd(HWND window, std::u16string_view section, TsSkinManager* manager);
    ~TacListViewWnd() override;

    // The subclassed column header, or null.
    HWND HeaderWindow() const { return m_header; }
    int HotColumn = -1;
    int PressedColumn = -1;
    int HeaderLineHeight = 0;

    ListViewMode ViewMode() const;
    // Paints every header face into the context (the header's own coordinates).
    void PaintHeader(HDC dc);

protected:
    void Initialize() override;
    void Restore() override;
    void SetSkinColours() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSkinChanged(SkinChange change, bool own, const std::function<void()>& rest) override;

private:
    static LRESULT CALLBACK HeaderThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HeaderProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HeaderMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallHeader(UINT message, WPARAM wParam, LPARAM lParam);
    // Looks for the list's header child and subclasses it.
    void FindHeader();
    void SubclassHeader(HWND header);
    // Gives the header its previous procedure back (when nobody came after the stub).
    void ReleaseHeader();
    void RepaintHeader();
    // The section of the header's faces: COLHEADER, else BUTTON; -1 when the skin has neither.
    int FaceSection() const;
    void PaintHeaderItem(HDC dc, int index, const PixelRect& rect, int faceSection);
    void OnThumbTrack(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPrintHeader(HDC dc);
    void RestoreListColours();

    HWND m_header = nullptr;
    WNDPROC m_headerProc = nullptr;
    win32::DibSection m_work;
    GdiGlowWorkImage m_glowWork;
    COLORREF m_savedBack = CLR_INVALID;
    COLORREF m_savedTextBack = CLR_INVALID;
    COLORREF m_savedText = CLR_INVALID;
    bool m_listColoured = false;
};

} // namespace korvane
