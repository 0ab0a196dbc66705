#include "windows/window_frame_win32.h"

#include "controls/window_region_win32.h"
#include "render/glow.h"
#include "render/section_background.h"
#include "render/skin_tables_source.h"
#include "render/state_image.h"
#include "skin/engine_commands.h"
#include "ui/application.h"
#include "ui/form.h"
#include "win32/redraw_suspension.h"
#include "windows/frame_region.h"
#include "windows/skin_manager_win32.h"

#include <windowsx.h>

#include <algorithm>

namespace korvane {

namespace {

constexpr int kIconSize = 16;

bool IsButtonHit(WPARAM hit)
{
    return hit == kHitMinimize || hit == kHitMaximize || hit == kHitClose || hit == kHitHelp;
}

// The text of a menu item, cut at the tab before its shortcut.
std::wstring MenuItemText(HMENU menu, UINT command)
{
    wchar_t text[256] = {};
    if (!menu || GetMenuStringW(menu, command, text, 256, MF_BYCOMMAND) <= 0)
        return {};
    std::wstring result(text);
    if (const auto tab = result.find(L'\t'); tab != std::wstring::npos)
        result.resize(tab);
    return result;
}

} // namespace

WindowFrame::WindowFrame(HWND window, std::u16string section, TsSkinManager* manager, Previous previous)
    : m_window(window)
    , m_section(std::move(section))
    , m_manager(manager)
    , m_previous(std::move(previous))
{
    m_buttons[0].HitCode = kHitMinimize;
    m_buttons[1].HitCode = kHitMaximize;
    m_buttons[2].HitCode = kHitClose;
    m_buttons[3].HitCode = kHitHelp;
    m_active = GetActiveWindow() == window;
}

WindowFrame::~WindowFrame()
{
    if (IsWindow(m_window))
        Release();
    HideGlow(m_glow);
    if (m_captionFont)
        DeleteObject(m_captionFont);
}

const SkinPaintSource* WindowFrame::Source() const
{
    // The frame paints from its own manager's skin, which need not be the default one.
    return m_manager ? &m_manager->PaintSource() : DefaultSkinPaintSource();
}

const TsGeneralData* WindowFrame::SectionRecord(int index) const
{
    const TsSkinManager* manager = m_manager;
    if (!manager || !manager->Tables().IsValidSection(index))
        return nullptr;
    return &manager->Tables().Sections[static_cast<std::size_t>(index)];
}

bool WindowFrame::Skinned() const
{
    return m_manager && m_manager->Active() && SectionRecord(m_sectionIndex) != nullptr;
}

std::uint32_t WindowFrame::Style() const
{
    auto style = static_cast<std::uint32_t>(GetWindowLongW(m_window, GWL_STYLE));
    return m_removedSysMenu ? style | WS_SYSMENU : style;
}

void WindowFrame::Prepare()
{
    const TsSkinManager* manager = m_manager;
    if (!manager || !manager->Active()) {
        Release();
        return;
    }
    const SkinTables& tables = manager->Tables();
    m_sectionIndex = tables.FindSection(m_section);
    m_titleIndex = tables.FindSection(u"FORMTITLE");
    m_captionIndex = tables.FindSection(u"CAPTION");
    m_pattern = tables.FindMask(m_sectionIndex, m_section, u"PATTERN");
    m_hotPattern = tables.FindMask(m_sectionIndex, m_section, u"HOTPATTERN");
    m_titlePattern = tables.FindMask(m_titleIndex, u"FORMTITLE", u"PATTERN");
    m_titleHotPattern = tables.FindMask(m_titleIndex, u"FORMTITLE", u"HOTPATTERN");
    if (!Skinned()) {
        Release();
        return;
    }
    const LONG style = GetWindowLongW(m_window, GWL_STYLE);
    if (style & WS_SYSMENU) {
        // The platform's system menu is made now, while the style still asks for it: its texts
        // and the application's items are read from it when the frame's own menu is built.
        GetSystemMenu(m_window, FALSE);
        SetWindowLongW(m_window, GWL_STYLE, style & ~WS_SYSMENU);
        m_removedSysMenu = true;
    }
    m_prepared = true;
    UpdateTitleButtons();
    ApplyRegion();
    m_cacheStale = true;
    m_baseValid = {false, false};
    if (IsWindowVisible(m_window))
        RedrawWindow(m_window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void WindowFrame::Release()
{
    HideGlow(m_glow);
    m_glow = -1;
    if (!m_prepared)
        return;
    m_prepared = false;
    if (m_removedSysMenu) {
        SetWindowLongW(m_window, GWL_STYLE, GetWindowLongW(m_window, GWL_STYLE) | WS_SYSMENU);
        m_removedSysMenu = false;
    }
    SetWindowRgn(m_window, nullptr, IsWindowVisible(m_window));
    if (IsWindowVisible(m_window))
        RedrawWindow(m_window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

FrameMetrics WindowFrame::Metrics() const
{
    RECT window{};
    GetWindowRect(m_window, &window);
    POINT client{0, 0};
    ClientToScreen(m_window, &client);
    RECT clientRect{};
    GetClientRect(m_window, &clientRect);
    FrameMetrics metrics;
    metrics.WindowWidth = window.right - window.left;
    metrics.WindowHeight = window.bottom - window.top;
    metrics.BorderWidth = std::max<int>(client.x - window.left, 0);
    const int top = std::max<int>(client.y - window.top, 0);
    metrics.MenuHeight = 0;
    metrics.CaptionHeight = std::max(top - metrics.BorderWidth, 0);
    if (IsIconic(m_window))
        metrics.CaptionHeight = std::max(metrics.WindowHeight - 2 * metrics.BorderWidth, 0);
    return metrics;
}

TitleFacts WindowFrame::Facts() const
{
    const std::uint32_t style = Style();
    const auto exStyle = static_cast<std::uint32_t>(GetWindowLongW(m_window, GWL_EXSTYLE));
    TitleFacts facts;
    if (exStyle & WS_EX_TOOLWINDOW)
        facts.BorderStyle = (style & WS_THICKFRAME) ? FrameBorderStyle::SizeToolWin : FrameBorderStyle::ToolWindow;
    else if (style & WS_THICKFRAME)
        facts.BorderStyle = FrameBorderStyle::Sizeable;
    else if (exStyle & WS_EX_DLGMODALFRAME)
        facts.BorderStyle = FrameBorderStyle::Dialog;
    else
        facts.BorderStyle = FrameBorderStyle::Single;
    facts.Minimized = IsIconic(m_window) != FALSE;
    facts.Maximized = IsZoomed(m_window) != FALSE;
    const bool sysMenu = (style & WS_SYSMENU) != 0;
    facts.OffersMinimize = sysMenu && (style & WS_MINIMIZEBOX) != 0;
    facts.OffersMaximize = sysMenu && (style & WS_MAXIMIZEBOX) != 0;
    facts.HelpIcon = sysMenu && (exStyle & WS_EX_CONTEXTHELP) != 0;
    return facts;
}

void WindowFrame::UpdateTitleButtons()
{
    const TsSkinManager* manager = m_manager;
    if (!manager)
        return;
    const SkinTables& tables = manager->Tables();
    const int global = tables.FindSection(u"GLOBALINFO");
    if (global < 0)
        return;
    const TitleFacts facts = Facts();
    const auto find = [&](std::u16string_view key) { return tables.FindMask(global, u"GLOBALINFO", key); };
    const TitleButtonKeys keys = ChooseTitleButtonKeys(facts, [&](std::u16string_view key) { return find(key) >= 0; });
    const bool sysMenu = (Style() & WS_SYSMENU) != 0;
    m_buttons[0].ImageIndex = facts.OffersMinimize ? find(keys.Minimize) : -1;
    m_buttons[1].ImageIndex = facts.OffersMaximize ? find(keys.Maximize) : -1;
    m_buttons[2].ImageIndex = sysMenu ? find(keys.Close) : -1;
    m_buttons[3].ImageIndex = facts.HelpIcon ? find(keys.Help) : -1;
    const FrameMetrics metrics = Metrics();
    const TsSkinData& skin = tables.SkinData;
    TitleLayoutInput input;
    input.WindowWidth = metrics.WindowWidth;
    input.BorderWidth = metrics.BorderWidth;
    input.CaptionHeight = metrics.CaptionHeight;
    input.Maximized = facts.Maximized;
    input.Big = keys.Big;
    input.BIRight = skin.BIRight;
    input.BISpace = skin.BISpace;
    input.BIVAlign = skin.BIVAlign;
    input.ShowMaximize = facts.OffersMaximize;
    input.ShowMinimize = facts.OffersMinimize;
    input.ShowHelp = facts.HelpIcon;
    const auto size = [&](const TitleButtonData& button) {
        TitleLayoutInput::Size result;
        if (tables.IsValidMask(button.ImageIndex)) {
            const TsMaskData& mask = tables.Masks[static_cast<std::size_t>(button.ImageIndex)];
            result = {FrameWidth(mask), FrameHeight(mask)};
        }
        return result;
    };
    input.Minimize = size(m_buttons[0]);
    input.Maximize = size(m_buttons[1]);
    input.Close = size(m_buttons[2]);
    input.Help = size(m_buttons[3]);
    const TitleLayout layout = LayOutTitleButtons(input);
    m_buttons[0].Rect = layout.Minimize;
    m_buttons[1].Rect = layout.Maximize;
    m_buttons[2].Rect = layout.Close;
    m_buttons[3].Rect = layout.Help;
    for (TitleButtonData& button : m_buttons)
        button.Big = keys.Big;
}

const TitleButtonData& WindowFrame::Button(int hitCode) const
{
    for (const TitleButtonData& button : m_buttons)
        if (button.HitCode == hitCode)
            return button;
    return m_buttons[2];
}

std::vector<PixelRect> WindowFrame::BuildFrameRegion() const
{
    std::vector<PixelRect> runs;
    const TsGeneralData* section = SectionRecord(m_sectionIndex);
    if (!section || IsZoomed(m_window))
        return runs;
    const SkinTables& tables = m_manager->Tables();
    const FrameMetrics metrics = Metrics();
    const BitmapView master = Source() ? Source()->MasterBitmap() : BitmapView{};
    if (tables.IsValidMask(section->BorderIndex))
        runs = FrameRegionRuns(tables.Masks[static_cast<std::size_t>(section->BorderIndex)], master,
                               metrics.WindowWidth, metrics.WindowHeight);
    if (const TsGeneralData* title = SectionRecord(m_titleIndex); title && tables.IsValidMask(title->BorderIndex)) {
        const std::vector<PixelRect> top = FrameRegionRuns(tables.Masks[static_cast<std::size_t>(title->BorderIndex)],
                                                           master, metrics.WindowWidth, metrics.WindowHeight, false);
        runs.insert(runs.end(), top.begin(), top.end());
    }
    return runs;
}

void WindowFrame::ApplyRegion()
{
    const std::vector<PixelRect> runs = BuildFrameRegion();
    const FrameMetrics metrics = Metrics();
    if (runs.empty()) {
        SetWindowRgn(m_window, nullptr, IsWindowVisible(m_window));
        return;
    }
    win32::OwnedRegion region = RegionWithout(metrics.WindowWidth, metrics.WindowHeight, runs);
    // The window owns the region from here on.
    SetWindowRgn(m_window, region.release(), IsWindowVisible(m_window));
}

int WindowFrame::HitTest(POINT p) const
{
    HitTestInput input;
    input.Metrics = Metrics();
    input.Sizeable = (Style() & WS_THICKFRAME) != 0 && !IsZoomed(m_window);
    if (Style() & WS_SYSMENU)
        input.Icon = TitleIconRect(input.Metrics, m_manager->Tables().SkinData.BILeft, kIconSize);
    for (const TitleButtonData& button : m_buttons)
        if (button.ImageIndex >= 0)
            input.Buttons.push_back(button);
    return FrameHitTest(input, p.x, p.y);
}

POINT WindowFrame::ToWindow(POINT screen) const
{
    RECT window{};
    GetWindowRect(m_window, &window);
    return {screen.x - window.left, screen.y - window.top};
}

void WindowFrame::PrepareCache(const FrameMetrics& metrics)
{
    m_cache.Resize(metrics.WindowWidth, metrics.WindowHeight);
}

void WindowFrame::PaintFrame()
{
    if (!Skinned() || m_painting > 0 || !IsWindow(m_window))
        return;
    ++m_painting;
    const FrameMetrics metrics = Metrics();
    PrepareCache(metrics);
    if (m_cache.Empty()) {
        --m_painting;
        return;
    }
    const TsGeneralData* section = SectionRecord(m_sectionIndex);
    const int state = m_active && section->States > 1 ? 1 : 0;
    // The window's face and the client face under it change only with the size, the skin and the
    // state: they are kept per state and copied, and only the title is painted each time.
    const win32::DibSection& base = BaseFace(metrics, state);
    // Only the non-client strips: the client area is shown and answered from the base itself.
    const PixelRect client = ClientRectInWindow(metrics);
    BitBlt(m_cache.Dc(), 0, 0, metrics.WindowWidth, client.Top, base.Dc(), 0, 0, SRCCOPY);
    BitBlt(m_cache.Dc(), 0, client.Top, client.Left, client.Height(), base.Dc(), 0, client.Top, SRCCOPY);
    BitBlt(m_cache.Dc(), client.Right, client.Top, metrics.WindowWidth - client.Right, client.Height(), base.Dc(),
           client.Right, client.Top, SRCCOPY);
    BitBlt(m_cache.Dc(), 0, client.Bottom, metrics.WindowWidth, metrics.WindowHeight - client.Bottom, base.Dc(), 0,
           client.Bottom, SRCCOPY);
    m_faceState = state;
    const BitmapView view = m_cache.View();
    const SkinPaintSource* source = Source();
    const PixelRect title = TitleRect(metrics);
    if (const TsGeneralData* titleSection = SectionRecord(m_titleIndex); titleSection && metrics.CaptionHeight > 0) {
        const int titleState = m_active && titleSection->States > 1 ? 1 : 0;
        PaintSectionFace({m_titleIndex, u"FORMTITLE", m_titleHotPattern, m_titlePattern}, BitmapBackground(view, 0, 0),
                         source, view, title, titleState);
    }
    const SkinTables& tables = m_manager->Tables();
    if (const int bar = tables.FindMask(m_sectionIndex, m_section, u"TITLEBAR"); tables.IsValidMask(bar)) {
        int left = metrics.WindowWidth;
        for (const TitleButtonData& button : m_buttons)
            if (button.ImageIndex >= 0)
                left = std::min(left, button.Rect.Left);
        PaintBordersMask(view, {left, title.Top, metrics.WindowWidth, title.Bottom}, BitmapBackground(view, 0, 0),
                         tables.Masks[static_cast<std::size_t>(bar)], state, true, source->MasterBitmap());
    }
    PaintButtons(view);
    PaintCaption(metrics);
    m_cacheStale = false;
    CopyToWindow(metrics);
    --m_painting;
}

const win32::DibSection& WindowFrame::BaseFace(const FrameMetrics& metrics, int state)
{
    win32::DibSection& base = m_base[state];
    if (base.Width() == metrics.WindowWidth && base.Height() == metrics.WindowHeight && m_baseValid[state])
        return base;
    base.Resize(metrics.WindowWidth, metrics.WindowHeight);
    m_baseValid[state] = !base.Empty();
    if (base.Empty())
        return base;
    const BitmapView view = base.View();
    const SkinPaintSource* source = Source();
    PaintSectionFace({m_sectionIndex, m_section, m_hotPattern, m_pattern}, EmptyBackground, source, view,
                     {0, 0, metrics.WindowWidth, metrics.WindowHeight}, state);
    // The client face continues the frame without its border and does not change with activation,
    // so that the children's pictures of what lies behind them stay valid.
    PaintSectionBackground(m_sectionIndex, m_section, EmptyBackground, TransparentKey, m_hotPattern, m_pattern, source,
                           view, 0, 0, ClientRectInWindow(metrics), 0);
    return base;
}

void WindowFrame::PaintButtons(const BitmapView& view)
{
    const SkinTables& tables = m_manager->Tables();
    const BitmapView master = Source()->MasterBitmap();
    // The buttons of an inactive window are drawn faded (mode 2), as its title is.
    const int mode = m_active ? 1 : 2;
    for (const TitleButtonData& button : m_buttons) {
        if (!tables.IsValidMask(button.ImageIndex) || button.Rect.IsEmpty())
            continue;
        PaintStateImage(view, button.Rect.Left, button.Rect.Top, button.Animating ? 0 : button.State,
                        BitmapBackground(view, 0, 0), tables.Masks[static_cast<std::size_t>(button.ImageIndex)], mode,
                        master);
    }
}

void WindowFrame::PaintCaption(const FrameMetrics& metrics)
{
    if (metrics.CaptionHeight <= 0)
        return;
    const SkinTables& tables = m_manager->Tables();
    const bool sysMenu = (Style() & WS_SYSMENU) != 0;
    const int biLeft = tables.SkinData.BILeft;
    const PixelRect icon = sysMenu ? TitleIconRect(metrics, biLeft, kIconSize) : PixelRect{};
    if (!icon.IsEmpty()) {
        auto handle = reinterpret_cast<HICON>(SendMessageW(m_window, WM_GETICON, ICON_SMALL2, 0));
        if (!handle)
            handle = reinterpret_cast<HICON>(GetClassLongPtrW(m_window, GCLP_HICONSM));
        if (!handle)
            handle = LoadIconW(nullptr, IDI_APPLICATION);
        DrawIconEx(m_cache.Dc(), icon.Left, icon.Top, handle, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    }
    int buttonsLeft = metrics.WindowWidth - metrics.BorderWidth;
    for (const TitleButtonData& button : m_buttons)
        if (button.ImageIndex >= 0 && !button.Rect.IsEmpty())
            buttonsLeft = std::min(buttonsLeft, button.Rect.Left);
    const PixelRect rect =
        CaptionRect(metrics, icon.IsEmpty() ? 0 : kIconSize, biLeft, m_captionIndex >= 0, buttonsLeft);
    const int length = GetWindowTextLengthW(m_window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(InternalGetWindowText(m_window, text.data(), length + 1)));
    if (text.empty() || rect.IsEmpty())
        return;
    if (!m_captionFont) {
        NONCLIENTMETRICSW ncm{};
        ncm.cbSize = sizeof ncm;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
        m_captionFont = CreateFontIndirectW(&ncm.lfCaptionFont);
    }
    HDC dc = m_cache.Dc();
    HGDIOBJ previousFont = SelectObject(dc, m_captionFont);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const bool rtl = (GetWindowLongW(m_window, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    const int left = CaptionTextLeft(rect, extent.cx, FrameCaptionAlignment::Left, rtl);
    RECT textRect{left, rect.Top, rect.Right, rect.Bottom};
    const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT;
    const TsGeneralData* colours = SectionRecord(m_captionIndex >= 0 ? m_captionIndex : m_titleIndex);
    if (!colours)
        colours = SectionRecord(m_sectionIndex);
    const TsGenState& block = colours->Props[m_active && colours->States > 1 ? 1 : 0];
    if (block.GlowSize > 0)
        PaintTextGlow(dc, m_cache.View(), text, {textRect.left, textRect.top, textRect.right, textRect.bottom},
                      m_glowWork, static_cast<std::uint32_t>(block.GlowColor) & 0xFFFFFF, block.GlowSize, 0, flags);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(block.FontColor[1]) & 0xFFFFFF);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, flags);
    SelectObject(dc, previousFont);
}

void WindowFrame::CopyToWindow(const FrameMetrics& metrics)
{
    HDC dc = GetWindowDC(m_window);
    if (!dc)
        return;
    const PixelRect client = ClientRectInWindow(metrics);
    ExcludeClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
    BitBlt(dc, 0, 0, m_cache.Width(), m_cache.Height(), m_cache.Dc(), 0, 0, SRCCOPY);
    ReleaseDC(m_window, dc);
}

LRESULT WindowFrame::PreviousWithoutRedraw(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    bool suspended = false;
    {
        const win32::RedrawSuspension suspension(m_window);
        suspended = suspension.Suspended();
        result = m_previous(message, wParam, lParam);
    }
    // Switching redrawing off validated the window and its children: what was waiting to be
    // painted is painted again.
    if (suspended)
        RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return result;
}

const win32::DibSection* WindowFrame::ClientFace()
{
    const FrameMetrics metrics = Metrics();
    if (!Skinned())
        return nullptr;
    const win32::DibSection& base = BaseFace(metrics, m_faceState);
    return base.Empty() ? nullptr : &base;
}

void WindowFrame::PaintClient(HDC dc)
{
    const win32::DibSection* face = ClientFace();
    if (!face)
        return;
    const PixelRect client = ClientRectInWindow(Metrics());
    BitBlt(dc, 0, 0, client.Width(), client.Height(), face->Dc(), client.Left, client.Top, SRCCOPY);
}

COLORREF WindowFrame::FaceColour() const
{
    const TsGeneralData* section = SectionRecord(m_sectionIndex);
    return section ? static_cast<COLORREF>(section->Props[0].Color) & 0xFFFFFF : GetSysColor(COLOR_BTNFACE);
}

COLORREF WindowFrame::FontColour() const
{
    const TsGeneralData* section = SectionRecord(m_sectionIndex);
    return section ? static_cast<COLORREF>(section->Props[0].FontColor[1]) & 0xFFFFFF : GetSysColor(COLOR_BTNTEXT);
}

bool WindowFrame::AnswerBackground(BackgroundRequest& request)
{
    if (!Skinned())
        return false;
    const win32::DibSection* face = ClientFace();
    if (!face) {
        request.AnswerKind = kAnswerColour;
        request.Color = FaceColour();
        return true;
    }
    const PixelRect client = ClientRectInWindow(Metrics());
    request.AnswerKind = kAnswerBitmap;
    request.Bitmap = face->View();
    request.OffsetX = client.Left;
    request.OffsetY = client.Top;
    request.Color = FaceColour();
    return true;
}

TitleButtonData* WindowFrame::ButtonAt(POINT p)
{
    for (TitleButtonData& button : m_buttons)
        if (button.ImageIndex >= 0 && button.Rect.Contains(p.x, p.y))
            return &button;
    return nullptr;
}

void WindowFrame::SetButtonState(TitleButtonData* button, int state)
{
    if (!button || button->State == state)
        return;
    button->State = state;
    const TsSkinData& skin = m_manager->Tables().SkinData;
    int glowSwitch = 0;
    int margin = 0;
    switch (button->HitCode) {
    case kHitMinimize:
        glowSwitch = skin.BIconMinGlow;
        margin = skin.BIconMinGlowMargin;
        break;
    case kHitMaximize:
        glowSwitch = skin.BIconMaxGlow;
        margin = skin.BIconMaxGlowMargin;
        break;
    case kHitClose:
        glowSwitch = skin.BIconCloseGlow;
        margin = skin.BIconCloseGlowMargin;
        break;
    default:
        break;
    }
    HideGlow(m_glow);
    m_glow = -1;
    const bool topLevel = (GetWindowLongW(m_window, GWL_STYLE) & WS_CHILD) == 0;
    if (state == 1 && glowSwitch > 0 && m_manager->AllowGlowing() && topLevel && !IsIconic(m_window) &&
        m_manager->Tables().IsValidMask(button->ImageIndex)) {
        RECT window{};
        GetWindowRect(m_window, &window);
        const PixelRect screen = button->Rect.Offset(window.left, window.top);
        const std::u16string key =
            m_manager->Tables().Masks[static_cast<std::size_t>(button->ImageIndex)].PropertyName + u"GLOW";
        m_glow = ShowGlow(screen, {0, 0, screen.Width(), screen.Height()}, u"GLOBALINFO", Source(), m_window, 255,
                          margin, key);
    }
    PaintFrame();
}

void WindowFrame::ResetHotButtons()
{
    for (TitleButtonData& button : m_buttons)
        if (button.State == 1)
            SetButtonState(&button, 0);
}

void WindowFrame::PerformButton(int hitCode)
{
    UINT command = 0;
    switch (hitCode) {
    case kHitMinimize: {
        // A minimised window other than the main form comes back by the button it shows there.
        const ui::Application* application = ui::Application::Current();
        const ui::Form* main = application ? application->MainForm() : nullptr;
        const bool mainForm = main && main->Handle() == m_window;
        command = IsIconic(m_window) && !mainForm ? kScRestore : kScMinimize;
        break;
    }
    case kHitMaximize:
        if (IsZoomed(m_window)) {
            ShowWindow(m_window, SW_RESTORE);
            command = kScRestore;
        } else {
            command = kScMaximize;
        }
        break;
    case kHitClose:
        command = kScClose;
        break;
    case kHitHelp:
        command = kScContextHelp;
        break;
    default:
        return;
    }
    SendMessageW(m_window, WM_SYSCOMMAND, command, 0);
}

void WindowFrame::ShowSystemMenu(POINT screen)
{
    ResetHotButtons();
    const std::uint32_t style = Style();
    const TitleFacts title = Facts();
    SystemMenuFacts facts;
    facts.BorderStyle = title.BorderStyle;
    facts.MinimizeIcon = (style & WS_MINIMIZEBOX) != 0;
    facts.MaximizeIcon = (style & WS_MAXIMIZEBOX) != 0;
    facts.Minimized = title.Minimized;
    facts.Maximized = title.Maximized;
    facts.HadSystemMenu = m_removedSysMenu;
    const auto states = SystemMenuItemStates(facts);
    // The platform's menu gives the texts and the application's own items.
    HMENU platform = GetSystemMenu(m_window, FALSE);
    HMENU menu = CreatePopupMenu();
    const auto add = [&](SystemMenuItem item) {
        const SystemMenuItemState state = states[static_cast<std::size_t>(item)];
        if (!state.Visible)
            return;
        const SystemMenuItemInfo& info = SystemMenuItemOf(item);
        std::wstring text = MenuItemText(platform, info.Command);
        if (text.empty())
            text.assign(info.DefaultCaption,
                        info.DefaultCaption + std::char_traits<char16_t>::length(info.DefaultCaption));
        AppendMenuW(menu, MF_STRING | (state.Enabled ? MF_ENABLED : MF_GRAYED), info.Command, text.c_str());
    };
    for (SystemMenuItem item : {SystemMenuItem::Restore, SystemMenuItem::Move, SystemMenuItem::Size,
                                SystemMenuItem::Minimize, SystemMenuItem::Maximize})
        add(item);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    int applicationItems = 0;
    const int count = platform ? GetMenuItemCount(platform) : 0;
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(platform, i);
        if (id == static_cast<UINT>(-1) || id == 0 || id >= 0xF000)
            continue;
        wchar_t text[256] = {};
        if (GetMenuStringW(platform, static_cast<UINT>(i), text, 256, MF_BYPOSITION) <= 0)
            continue;
        AppendMenuW(menu, MF_STRING, id, text);
        ++applicationItems;
    }
    if (applicationItems > 0)
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    add(SystemMenuItem::Close);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN,
                                                         screen.x, screen.y, 0, m_window, nullptr));
    DestroyMenu(menu);
    if (chosen == 0)
        return;
    if (chosen < 0xF000)
        PostMessageW(m_window, WM_SYSCOMMAND, chosen, 0);
    else
        SendMessageW(m_window, WM_SYSCOMMAND, chosen, 0);
}

bool WindowFrame::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_NCMOUSEMOVE: {
        TitleButtonData* over = ButtonAt(ToWindow(screen));
        for (TitleButtonData& button : m_buttons)
            if (&button != over && button.State == 1)
                SetButtonState(&button, 0);
        if (over && !m_pressed)
            SetButtonState(over, 1);
        if (!m_tracking) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, m_window, 0};
            m_tracking = TrackMouseEvent(&track) != FALSE;
        }
        if (over) {
            result = 0;
            return true;
        }
        return false;
    }
    case WM_NCMOUSELEAVE:
        m_tracking = false;
        if (!m_pressed)
            ResetHotButtons();
        return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (IsButtonHit(wParam)) {
            if (TitleButtonData* button = ButtonAt(ToWindow(screen))) {
                m_pressed = button;
                SetButtonState(button, 2);
                SetCapture(m_window);
            }
            result = 0;
            return true;
        }
        if (wParam == HTSYSMENU && message == WM_NCLBUTTONDOWN) {
            result = m_previous(message, wParam, lParam);
            const FrameMetrics metrics = Metrics();
            RECT window{};
            GetWindowRect(m_window, &window);
            ShowSystemMenu(
                {window.left + metrics.BorderWidth, window.top + metrics.BorderWidth + metrics.CaptionHeight});
            return true;
        }
        if (wParam == HTCAPTION && IsIconic(m_window) && message == WM_NCLBUTTONDOWN) {
            result = SendMessageW(m_window, WM_SYSCOMMAND, kScDragMove, lParam);
            return true;
        }
        return false;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
        if (!m_pressed)
            return false;
        POINT client{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(m_window, &client);
        const POINT p = ToWindow(client);
        const bool inside = m_pressed->Rect.Contains(p.x, p.y);
        if (message == WM_MOUSEMOVE) {
            SetButtonState(m_pressed, inside ? 2 : 0);
        } else {
            TitleButtonData* pressed = m_pressed;
            m_pressed = nullptr;
            ReleaseCapture();
            SetButtonState(pressed, inside ? 1 : 0);
            if (inside)
                PerformButton(pressed->HitCode);
        }
        result = 0;
        return true;
    }
    case WM_CAPTURECHANGED:
        if (m_pressed && reinterpret_cast<HWND>(lParam) != m_window) {
            TitleButtonData* pressed = m_pressed;
            m_pressed = nullptr;
            SetButtonState(pressed, 0);
        }
        return false;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
        if (wParam == HTCAPTION || wParam == HTSYSMENU) {
            result = 0;
            return true;
        }
        return false;
    case WM_NCRBUTTONUP:
        if (wParam == HTCAPTION || wParam == HTSYSMENU) {
            ShowSystemMenu(screen);
            result = 0;
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool WindowFrame::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_COPYDATA) {
        // A live preview is taken whether or not the present skin draws this frame: a preview
        // that left no frame must not shut out the next one.
        if (m_manager && m_manager->HandleCopyData(wParam, reinterpret_cast<const COPYDATASTRUCT*>(lParam))) {
            result = 1;
            return true;
        }
        return false;
    }
    if (message == WM_NCACTIVATE) {
        // Followed even while the frame is not drawn yet, so that it starts in the right state.
        m_cacheStale = m_cacheStale || (wParam != 0) != m_active;
        m_active = wParam != 0;
    }
    if (!m_prepared || !Skinned())
        return false;
    switch (message) {
    case WM_NCPAINT:
        PaintFrame();
        result = 0;
        return true;
    case WM_ERASEBKGND:
        PaintClient(reinterpret_cast<HDC>(wParam));
        result = 1;
        return true;
    case WM_NCACTIVATE: {
        const bool active = wParam != 0;
        // The platform's own title bar must not show while it handles the activation.
        result = PreviousWithoutRedraw(message, wParam, lParam);
        if (!active)
            ResetHotButtons();
        PaintFrame();
        return true;
    }
    case WM_SETTEXT: {
        result = PreviousWithoutRedraw(message, wParam, lParam);
        PaintFrame();
        return true;
    }
    case WM_SIZE:
    case WM_STYLECHANGED:
        result = m_previous(message, wParam, lParam);
        m_cacheStale = true;
        UpdateTitleButtons();
        ApplyRegion();
        return true;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_KEYMENU && lParam == L' ') {
            const FrameMetrics metrics = Metrics();
            RECT window{};
            GetWindowRect(m_window, &window);
            ShowSystemMenu(
                {window.left + metrics.BorderWidth, window.top + metrics.BorderWidth + metrics.CaptionHeight});
            result = 0;
            return true;
        }
        return false;
    case WM_NCHITTEST: {
        const POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const int hit = HitTest(ToWindow(screen));
        if (PlatformAnswersHit(hit)) {
            if (!m_pressed)
                ResetHotButtons();
            result = m_previous(message, wParam, lParam);
        } else {
            result = hit;
        }
        return true;
    }
    default:
        return HandleMouse(message, wParam, lParam, result);
    }
}

} // namespace korvane
