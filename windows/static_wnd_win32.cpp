#include "windows/static_wnd_win32.h"

#include "ui/window_text.h"
#include "windows/adapter_face_win32.h"
#include "windows/skin_manager_win32.h"

namespace korvane {

bool TacStaticWnd::PaintsWindow() const
{
    return (GetWindowLongW(Window(), GWL_STYLE) & WS_TABSTOP) == 0 &&
           (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_STATICEDGE) == 0;
}

void TacStaticWnd::BuildFace(const TsSkinManager& manager)
{
    PaintSection(manager, 0);
    const std::wstring text = ui::WindowText(Window());
    if (Cache().Empty() || text.empty())
        return;
    const auto style = static_cast<DWORD>(GetWindowLongW(Window(), GWL_STYLE));
    UINT flags = DT_EXPANDTABS | DT_WORDBREAK | DT_NOCLIP;
    if (style & SS_NOPREFIX)
        flags |= DT_NOPREFIX;
    // The static's own alignment: centred and right-aligned texts keep their place.
    const DWORD type = style & SS_TYPEMASK;
    if (type == SS_CENTER)
        flags |= DT_CENTER;
    if (type == SS_RIGHT || (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_RIGHT))
        flags |= DT_RIGHT;
    const WindowFontSelection font(Cache().Dc(), Window());
    DrawCaption(manager, text, flags, {0, 0, Cache().Width(), Cache().Height()}, false, 0,
                IsWindowEnabled(Window()) != FALSE);
}

} // namespace korvane
