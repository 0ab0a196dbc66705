#include "controls/skinned_label_win32.h"

#include "controls/bound_label_win32.h"
#include "controls/common_data_win32.h"
#include "controls/disabled_caption_color.h"
#include "controls/skinned_text_win32.h"
#include "render/section_background.h"
#include "render/skin_paint_source.h"
#include "skin/engine_commands.h"
#include "skin/skin_manager_core.h"
#include "ui/font.h"
#include "win32/dc_guards.h"
#include "win32/dib_section.h"
#include "win32/scope_guard.h"

#include <algorithm>

namespace korvane {

namespace {

// One label paints at a time: the font change a paint makes must not paint again.
bool g_labelPainting = false;

SkinManagerCore* ActiveDefaultManager()
{
    SkinManagerCore* manager = SkinManagerCore::DefaultManager();
    return manager && manager->Active() && !manager->Tables().Sections.empty() ? manager : nullptr;
}

HWND ParentOf(HWND window)
{
    return window && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr;
}

} // namespace

TsCustomLabel::TsCustomLabel(ui::Window& parent, int left, int top, std::wstring_view caption)
    : GraphicControl(parent, BoundsRect(left, top, 0, 0))
    , m_caption(caption)
    , m_font(ui::DefaultFont())
    , m_fontColor(GetSysColor(COLOR_WINDOWTEXT))
{
    AdjustBounds();
}

void TsCustomLabel::SetCaption(std::wstring_view caption)
{
    if (caption == m_caption)
        return;
    m_caption = std::wstring(caption);
    AdjustBounds();
    Invalidate();
}

void TsCustomLabel::SetFont(HFONT font)
{
    m_font = font ? font : ui::DefaultFont();
    Perform(ui::CM_FONTCHANGED);
}

void TsCustomLabel::SetFontColor(COLORREF color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    if (!m_painting)
        Invalidate();
}

void TsCustomLabel::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    AdjustBounds();
}

void TsCustomLabel::SetWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    AdjustBounds();
    Invalidate();
}

void TsCustomLabel::SetAlignment(ui::TextAlignment alignment)
{
    m_alignment = alignment;
    Invalidate();
}

void TsCustomLabel::SetSkinSection(std::u16string_view section)
{
    m_skinSection = std::u16string(section);
    Invalidate();
}

UINT TsCustomLabel::TextFlags() const
{
    UINT flags = DT_EXPANDTABS;
    flags |= m_alignment == ui::TextAlignment::Center  ? DT_CENTER
             : m_alignment == ui::TextAlignment::Right ? DT_RIGHT
                                                       : DT_LEFT;
    flags |= m_wordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    if (!ShowAccelChar)
        flags |= DT_NOPREFIX;
    if (GetWindowLongW(Parent().Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING)
        flags |= DT_RTLREADING;
    return flags;
}

void TsCustomLabel::AdjustBounds()
{
    if (!m_autoSize || !Parent().Handle())
        return;
    // An empty text is measured as one blank, a lone accelerator sign with the blank after it.
    std::wstring measured = m_caption.empty() ? L" " : m_caption;
    if (ShowAccelChar && measured == L"&")
        measured = L"& ";
    win32::WindowDC dc(Parent().Handle());
    win32::SelectObjectGuard font(dc.get(), m_font);
    const PixelRect bounds = ControlBounds();
    const PixelSize text = MeasureText(dc.get(), measured, TextFlags(), m_wordWrap ? std::max(bounds.Width(), 1) : 0);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    // A scalable face standing in for the bitmap one may draw the last glyph a little past its
    // advance: two pixels of room keep it whole.
    const int width = m_wordWrap ? bounds.Width() : text.Width + 2;
    SetBounds(BoundsRect(bounds.Left, bounds.Top, width, std::max<int>(text.Height, metrics.tmHeight)));
}

std::optional<COLORREF> TsCustomLabel::SkinFontColour() const
{
    SkinManagerCore* manager = ActiveDefaultManager();
    if (!manager || !TakesSkinColour())
        return std::nullopt;
    const SkinTables& tables = manager->Tables();
    HWND asked = Parent().Handle();
    std::int32_t index = SectionIndexOf(asked);
    // A mostly see-through parent lends the font of its own parent.
    if (tables.IsValidSection(index) && tables.Sections[static_cast<std::size_t>(index)].Transparency > 50) {
        if (const HWND above = ParentOf(asked))
            index = SectionIndexOf(above);
    }
    TsColor colour = manager->GlobalFontColor();
    if (tables.IsValidSection(index)) {
        const TsGeneralData& section = tables.Sections[static_cast<std::size_t>(index)];
        if (section.GiveOwnFont)
            colour = section.FontColor[1];
    }
    const auto result = static_cast<COLORREF>(colour) & 0xFFFFFF;
    if (colour < 0 || result == TransparentKey)
        return std::nullopt;
    return result;
}

COLORREF TsCustomLabel::TextColour() const
{
    if (!Enabled() && ActiveDefaultManager())
        return DisabledCaptionColor(m_fontColor & 0xFFFFFF, ColourForChildren(Parent()));
    return m_fontColor;
}

void TsCustomLabel::PaintSectionFace(HDC dc, int sectionIndex)
{
    const PixelRect bounds = ControlBounds();
    win32::DibSection face(bounds.Width(), bounds.Height());
    if (face.Empty())
        return;
    BackgroundRequest request;
    TsCommonData::AskParentBackground(request, Parent().Handle());
    const ParentBackground background =
        request.AnswerKind == kAnswerBitmap
            ? BitmapBackground(request.Bitmap, request.OffsetX + bounds.Left, request.OffsetY + bounds.Top)
            : ColorBackground(request.Color, request.OffsetX + bounds.Left, request.OffsetY + bounds.Top);
    korvane::PaintSectionFace({sectionIndex, m_skinSection}, background, DefaultSkinPaintSource(), face.View(),
                              {0, 0, bounds.Width(), bounds.Height()}, 0);
    GdiFlush();
    BitBlt(dc, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(), face.Dc(), 0, 0, SRCCOPY);
}

void TsCustomLabel::Paint(HDC dc)
{
    if (g_labelPainting || m_painting)
        return;
    const win32::FlagScope anyLabel(g_labelPainting);
    const win32::FlagScope thisLabel(m_painting);
    if (const auto colour = SkinFontColour())
        SetFontColor(*colour);
    SkinManagerCore* manager = ActiveDefaultManager();
    if (manager && !m_skinSection.empty()) {
        const int index = manager->Tables().FindSection(m_skinSection);
        if (index >= 0) {
            SetFontColor(
                static_cast<COLORREF>(manager->Tables().Sections[static_cast<std::size_t>(index)].FontColor[1]) &
                0xFFFFFF);
            if (index > 0)
                PaintSectionFace(dc, index);
        }
    }
    const PixelRect bounds = ControlBounds();
    const int saved = SaveDC(dc);
    if (!Transparent) {
        const RECT r{bounds.Left, bounds.Top, bounds.Right, bounds.Bottom};
        SetBkColor(dc, ColourForChildren(Parent()));
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    }
    SelectObject(dc, m_font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColour());
    RECT r{bounds.Left, bounds.Top, bounds.Right, bounds.Bottom};
    DrawTextW(dc, m_caption.c_str(), static_cast<int>(m_caption.size()), &r, TextFlags());
    RestoreDC(dc, saved);
}

void TsCustomLabel::OnMouseEnter()
{
    if (on_mouse_enter)
        on_mouse_enter();
}

void TsCustomLabel::OnMouseLeave()
{
    if (on_mouse_leave)
        on_mouse_leave();
}

void TsCustomLabel::OnEnabledChanged(bool /*enabled*/)
{
    Invalidate();
}

void TsCustomLabel::SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest)
{
    if (change == SkinChange::Remove && sender == SkinManagerCore::DefaultManager() && TakesSkinColour())
        SetFontColor(GetSysColor(COLOR_WINDOWTEXT));
    if (change != SkinChange::Remove)
        Invalidate();
    rest();
}

void TsCustomLabel::HandleMessage(ui::Message& message)
{
    if (message.Id == ui::CM_FONTCHANGED) {
        if (!m_painting) {
            AdjustBounds();
            Invalidate();
        }
        message.Handled = true;
        return;
    }
    const auto rest = [&] {
        GraphicControl::HandleMessage(message);
        return message.Result;
    };
    if (message.Id == SKM_COMMAND)
        message.Result = AnswerOrPassOn(*this, message.WParam, message.LParam, rest);
    else
        rest();
}

TsEditLabel::TsEditLabel(ui::Window& parent, TsBoundLabel& boundLabel, std::wstring_view caption)
    : TsLabel(parent, 0, 0, caption)
    , m_boundLabel(&boundLabel)
{
}

TsEditLabel::~TsEditLabel()
{
    if (m_boundLabel)
        m_boundLabel->LabelDestroyed(*this);
}

} // namespace korvane
