#include "windows/adapter_face_win32.h"

#include "controls/common_data_win32.h"
#include "gfx/background_fade.h"
#include "render/section_background.h"
#include "render/skin_tables_source.h"
#include "skin/engine_commands.h"
#include "windows/skin_manager_win32.h"

namespace korvane {

PixelSize WindowSizeOf(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

ParentBackground PaintAdapterFace(win32::DibSection& cache, HWND window, const TsSkinManager& manager, int sectionIndex,
                                  const std::u16string& section, int state, PixelRect rect)
{
    const PixelSize size = WindowSizeOf(window);
    if (!cache.Resize(size.Width, size.Height) || cache.Empty())
        return EmptyBackground;
    if (rect.IsEmpty())
        rect = {0, 0, size.Width, size.Height};
    const ParentBackground background = TsCommonData::GetParentBackground(window);
    const SkinTablesPaintSource source(manager.Tables());
    PaintSectionFace({sectionIndex, section}, background, &source, cache.View(), rect, state);
    return background;
}

void FadeDisabledFace(const win32::DibSection& cache, const ParentBackground& background)
{
    if (!cache.Empty())
        FadeTowardBackground(cache.View(), background, GetSysColor(COLOR_BTNFACE), 0.4);
}

void DrawAdapterCaption(const win32::DibSection& cache, HWND window, std::wstring_view text, bool enabled, bool active,
                        const TsSkinManager* manager, int sectionIndex, UINT flags, const PixelRect& rect,
                        GdiGlowWorkImage& work, ControlKindCode kind)
{
    SectionTextContext context;
    context.ParentWindow = GetParent(window);
    context.Kind = kind;
    context.GlowFace = cache.View();
    context.Work = &work;
    DrawSkinnedText(cache.Dc(), text, enabled, active, manager, sectionIndex, flags, rect, context);
}

bool ParentHoldsPainting(HWND window)
{
    return WindowIsUpdating(GetParent(window));
}

WindowFontSelection::WindowFontSelection(HDC dc, HWND window) : m_dc(dc), m_previous(nullptr)
{
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0));
    if (dc)
        m_previous = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
}

WindowFontSelection::~WindowFontSelection()
{
    if (m_previous && m_previous != HGDI_ERROR)
        SelectObject(m_dc, m_previous);
}

AdapterPaint::AdapterPaint(HWND window, WPARAM given)
    : m_window(window)
    , m_dc(reinterpret_cast<HDC>(given))
    , m_began(given == 0)
{
    if (m_began)
        m_dc = BeginPaint(window, &m_paint);
}

AdapterPaint::~AdapterPaint()
{
    if (m_began)
        EndPaint(m_window, &m_paint);
}

void CopyCacheTo(HDC dc, const win32::DibSection& cache)
{
    if (dc && !cache.Empty())
        BitBlt(dc, 0, 0, cache.Width(), cache.Height(), cache.Dc(), 0, 0, SRCCOPY);
}

} // namespace korvane
