#include "controls/skinned_text_win32.h"

#include "controls/skin_target_win32.h"

#include "controls/common_data_win32.h"
#include "controls/control_kind.h"
#include "controls/disabled_caption_color.h"
#include "skin/engine_commands.h"
#include "skin/skin_manager_core.h"
#include "ui/graphic_control.h"
#include "ui/window.h"
#include "win32/dc_guards.h"

#include <string>

namespace korvane {

namespace {

constexpr unsigned kAllDirections = 1 | 2 | 4 | 8;

void DrawTextIn(HDC dc, std::wstring_view text, PixelRect rect, UINT flags)
{
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, flags);
}

// Where a caption's colours come from: the section it is painted with and what decides whether
// the nearest ancestor's font colours serve instead.
struct TextColourSource {
    const SkinManagerCore* Manager = nullptr;
    const TsGeneralData* Section = nullptr; // null: the platform's look
    bool CustomFont = false;                // the owner's own font colours: the platform's look
    ControlKindCode Kind = 0;
    bool Windowless = false;
    HWND ParentWindow = nullptr;
    BitmapView GlowFace;                  // the bitmap the canvas paints into; empty: no glow
    const TsCommonData* Shifts = nullptr; // hue and saturation shifts; null: none
    std::uint32_t Shift(TsColor color) const
    {
        return Shifts ? Shifts->ShiftColour(color) : static_cast<std::uint32_t>(color) & 0xFFFFFF;
    }
};

// Check boxes, radio buttons, group boxes and see-through windowless controls take the font
// colours of the nearest ancestor that gives its own font, skipping parents that are mostly
// see-through themselves.
const TsGeneralData* ColourSection(const TextColourSource& source, const TsGeneralData& own, bool active)
{
    const int kind = source.Kind;
    const TsGenState& block = own.Props[active && own.States > 1 ? 1 : 0];
    const bool asksParents = kind == 32 || kind == 33 || kind == 74 || (source.Windowless && block.Transparency > 0);
    const SkinManagerCore* manager = source.Manager;
    if (!asksParents || !manager)
        return &own;
    for (HWND parent = source.ParentWindow; parent;
         parent = (GetWindowLongW(parent, GWL_STYLE) & WS_CHILD) ? GetParent(parent) : nullptr) {
        const std::int32_t index = SectionIndexOf(parent);
        if (!manager->Tables().IsValidSection(index))
            continue;
        const TsGeneralData& section = manager->Tables().Sections[static_cast<std::size_t>(index)];
        if (section.Transparency > 50)
            continue;
        return section.GiveOwnFont ? &section : &own;
    }
    return &own;
}

void DrawTextFromSource(HDC canvas, std::wstring_view text, bool enabled, bool active, const TextColourSource& source,
                        UINT drawTextFlags, const PixelRect& rect, GdiGlowWorkImage* work);

} // namespace

GdiGlowWorkImage::~GdiGlowWorkImage()
{
    Release();
}

void GdiGlowWorkImage::Release()
{
    if (m_dc) {
        SelectObject(m_dc, m_previous);
        DeleteDC(m_dc);
    }
    if (m_bitmap)
        DeleteObject(m_bitmap);
    m_dc = nullptr;
    m_bitmap = nullptr;
    m_previous = nullptr;
}

GreyView GdiGlowWorkImage::Allocate(int width, int height)
{
    Release();
    struct GreyInfo {
        BITMAPINFOHEADER header;
        RGBQUAD palette[256];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = -height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = 256;
    for (int i = 0; i < 256; ++i)
        info.palette[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    m_dc = CreateCompatibleDC(nullptr);
    if (!m_bitmap || !m_dc || !bits) {
        Release();
        return {};
    }
    m_previous = SelectObject(m_dc, m_bitmap);
    // Rows of an 8-bit DIB are padded to four bytes.
    return GreyView{static_cast<std::uint8_t*>(bits), width, height, static_cast<std::ptrdiff_t>((width + 3) & ~3)};
}

void PaintTextGlow(HDC faceDc, const BitmapView& face, std::wstring_view text, const PixelRect& rect,
                   GdiGlowWorkImage& work, std::uint32_t color, int size, unsigned directions, UINT drawTextFlags)
{
    if (size <= 0 || text.empty() || face.IsEmpty())
        return;
    const PixelRect area = GlowWorkArea(rect, size);
    const GreyView view = work.Prepare(area);
    if (view.IsEmpty() || !work.Dc())
        return;
    HDC dc = work.Dc();
    win32::SelectObjectGuard font(dc, GetCurrentObject(faceDc, OBJ_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const PixelRect at = rect.Offset(-area.Left, -area.Top);
    const UINT flags = drawTextFlags | DT_NOCLIP;
    DrawTextIn(dc, text, at, flags);
    const int moves[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (int i = 0; i < 4; ++i)
        if (directions & (1u << i))
            DrawTextIn(dc, text, at.Offset(moves[i][0], moves[i][1]), flags);
    GdiFlush();
    PaintTextGlowPixels(face, area.Left, area.Top, view, size, color);
}

void DrawSkinnedText(HDC canvas, std::wstring_view text, bool enabled, bool active, const TsCommonData& data,
                     UINT drawTextFlags, const PixelRect& rect, GdiGlowWorkImage* work)
{
    TextColourSource source;
    source.Manager = data.Manager();
    source.Section = data.Section();
    source.CustomFont = data.CustomFont();
    source.Kind = data.ControlKind;
    source.Windowless = dynamic_cast<const ui::GraphicControl*>(data.OwnerObject) != nullptr;
    source.ParentWindow = data.ParentWindow();
    if (data.HasCache && !data.CacheBitmap.Empty())
        source.GlowFace = data.CacheBitmap.View();
    source.Shifts = &data;
    DrawTextFromSource(canvas, text, enabled, active, source, drawTextFlags, rect, work);
}

void DrawSkinnedText(HDC canvas, std::wstring_view text, bool enabled, bool active, const SkinManagerCore* manager,
                     int sectionIndex, UINT drawTextFlags, const PixelRect& rect, const SectionTextContext& context)
{
    TextColourSource source;
    source.Manager = manager;
    if (manager && manager->Tables().IsValidSection(sectionIndex))
        source.Section = &manager->Tables().Sections[static_cast<std::size_t>(sectionIndex)];
    source.Kind = context.Kind;
    source.ParentWindow = context.ParentWindow;
    source.GlowFace = context.GlowFace;
    DrawTextFromSource(canvas, text, enabled, active, source, drawTextFlags, rect, context.Work);
}

namespace {

void DrawTextFromSource(HDC canvas, std::wstring_view text, bool enabled, bool active, const TextColourSource& source,
                        UINT drawTextFlags, const PixelRect& rect, GdiGlowWorkImage* work)
{
    if (text.empty())
        return;
    const TsGeneralData* own = source.Section;
    win32::OwnedFont underlined;
    const int saved = SaveDC(canvas);
    if (active && own && own->SectionName == u"WEBBUTTON") {
        LOGFONTW font{};
        GetObjectW(GetCurrentObject(canvas, OBJ_FONT), sizeof font, &font);
        font.lfUnderline = TRUE;
        underlined.reset(CreateFontIndirectW(&font));
        SelectObject(canvas, underlined.get());
    }
    IntersectClipRect(canvas, rect.Left, rect.Top, rect.Right, rect.Bottom);
    SetBkMode(canvas, TRANSPARENT);
    if (own && !source.CustomFont) {
        const TsGeneralData& section = *ColourSection(source, *own, active);
        const TsGenState& block = section.Props[active && section.States > 1 ? 1 : 0];
        if (!source.GlowFace.IsEmpty() && block.GlowSize != 0) {
            GdiGlowWorkImage temporary;
            PaintTextGlow(canvas, source.GlowFace, text, rect, work ? *work : temporary, source.Shift(block.GlowColor),
                          block.GlowSize, kAllDirections, drawTextFlags);
        }
        if (!enabled) {
            const SkinManagerCore* manager = source.Manager;
            const std::uint32_t global =
                manager ? static_cast<std::uint32_t>(manager->GlobalColor()) & 0xFFFFFF : GetSysColor(COLOR_BTNFACE);
            const std::uint32_t mixed =
                DisabledCaptionColor(static_cast<std::uint32_t>(section.Props[0].FontColor[1]) & 0xFFFFFF, global);
            SetTextColor(canvas, source.Shift(static_cast<TsColor>(mixed)));
            DrawTextIn(canvas, text, rect, drawTextFlags);
        } else {
            // Contours left, top, right and bottom first, then the text over them.
            const int moves[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
            for (int side = 0; side < 4; ++side) {
                const TsColor contour = block.FontColor[static_cast<std::size_t>(side + 2)];
                if (contour == kColorNone)
                    continue;
                SetTextColor(canvas, source.Shift(contour));
                DrawTextIn(canvas, text, rect.Offset(moves[side][0], moves[side][1]), drawTextFlags);
            }
            SetTextColor(canvas, source.Shift(block.FontColor[1]));
            DrawTextIn(canvas, text, rect, drawTextFlags | DT_NOCLIP);
        }
    } else if (enabled) {
        DrawTextIn(canvas, text, rect, drawTextFlags);
    } else {
        SetTextColor(canvas, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextIn(canvas, text, rect.Offset(1, 1), drawTextFlags);
        SetTextColor(canvas, GetSysColor(COLOR_BTNSHADOW));
        DrawTextIn(canvas, text, rect, drawTextFlags);
    }
    RestoreDC(canvas, saved);
}

} // namespace

PixelSize MeasureText(HDC dc, std::wstring_view text, UINT drawTextFlags, int width)
{
    if (text.empty())
        return {};
    RECT rect{0, 0, std::max(width, 0), 0};
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, drawTextFlags | DT_CALCRECT);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

PlacedCaption PlaceRadioCaption(HDC dc, std::wstring_view caption, const RadioCaptionFacts& facts)
{
    const UINT measure = facts.WordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    const PixelSize text = MeasureText(dc, caption, measure, RadioCaptionWidth(facts));
    UINT flags = facts.WordWrap ? DT_CENTER | DT_WORDBREAK : DT_SINGLELINE;
    if (facts.CaptionRight && facts.RightToLeft && !facts.WordWrap)
        flags |= DT_RIGHT;
    if (facts.RightToLeft)
        flags |= DT_RTLREADING;
    return {RadioCaptionRect(facts, text), flags};
}

} // namespace korvane
