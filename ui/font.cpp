#include "ui/font.h"

#include "win32/unique_handle.h"

namespace korvane::ui {

HFONT CreateUiFont(int height, int weight)
{
    return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
}

HFONT DefaultFont()
{
    static win32::OwnedFont font(CreateUiFont(-11));
    return font.get();
}

} // namespace korvane::ui
