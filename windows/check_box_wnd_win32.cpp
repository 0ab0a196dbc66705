#include "windows/check_box_wnd_win32.h"

#include "controls/focus_frame.h"
#include "controls/radio_button_geometry.h"
#include "render/skin_tables_source.h"
#include "render/state_image.h"
#include "skin/engine_commands.h"
#include "ui/window_text.h"
#include "win32/dc_guards.h"
#include "windows/adapted_control_layout.h"
#include "windows/adapter_face_win32.h"
#include "windows/skin_manager_win32.h"

#include <algorithm>

namespace korvane {

namespace {

constexpr int kCheckMargin = 2;

} // namespace

TacCheckBoxWnd::TacCheckBoxWnd(HWND window, std::u16string_view section, TsSkinManager* manager)
    : TacMainWnd(window, section, manager)
{
    m_ownerDrawn = (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

bool TacCheckBoxWnd::IsRadio() const
{
    const auto type = static_cast<DWORD>(GetWindowLongW(Window(), GWL_STYLE) & BS_TYPEMASK);
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

int TacCheckBoxWnd::CheckState() const
{
    return CheckStateOfButtonState(static_cast<unsigned>(SendMessageW(Window(), BM_GETSTATE, 0, 0)));
}

const TsMaskData* TacCheckBoxWnd::CheckImage() const
{
    const TsSkinManager* manager = Manager();
    if (!manager)
        return nullptr;
    const TsIndexCache::CheckImageIndexes& images = manager->IndexCache.CheckImages;
    const std::u16string_view name = CheckPictureName(IsRadio(), CheckState());
    const int index = name == u"BOXCHECKED"       ? images.BoxChecked
                      : name == u"BOXUNCHECKED"   ? images.BoxUnchecked
                      : name == u"BOXGRAYED"      ? images.BoxGrayed
                      : name == u"RADIOCHECKED"   ? images.RadioChecked
                                                  : images.RadioUnchecked;
    return manager->Tables().IsValidMask(index) ? &manager->Tables().Masks[static_cast<std::size_t>(index)] : nullptr;
}

PixelSize TacCheckBoxWnd::PictureSize() const
{
    if (const TsMaskData* entry = CheckImage())
        return SkinCheckFrameSize(*entry);
    return {16, 16};
}

void TacCheckBoxWnd::BuildCache()
{
    const TsSkinManager* manager = Manager();
    if (!manager || !manager->Active())
        return;
    const bool active = HasFocus || MouseInside || manager->HotWindow() == Window();
    const ParentBackground background =
        PaintAdapterFace(m_cache, Window(), *manager, SectionIndex(), Section(), active ? 1 : 0);
    if (m_cache.Empty() || m_ownerDrawn) {
        CacheStale = m_cache.Empty();
        return;
    }
    const BitmapView face = m_cache.View();
    const auto style = static_cast<DWORD>(GetWindowLongW(Window(), GWL_STYLE));
    const bool captionRight = (style & BS_LEFTTEXT) == 0;
    const PixelSize picture = PictureSize();
    const std::wstring caption = ui::WindowText(Window());
    if (!caption.empty()) {
        const WindowFontSelection font(m_cache.Dc(), Window());
        RadioCaptionFacts facts;
        facts.Width = face.Width;
        facts.Height = face.Height;
        facts.GlyphWidth = picture.Width;
        facts.Margin = kCheckMargin;
        facts.CaptionRight = captionRight;
        facts.RightToLeft = (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
        facts.WordWrap = (style & BS_MULTILINE) != 0;
        const UINT measure = facts.WordWrap ? DT_WORDBREAK : DT_SINGLELINE;
        const PixelSize text = MeasureCaption(m_cache.Dc(), caption, measure, RadioCaptionWidth(facts));
        const PixelRect rect = RadioCaptionRect(facts, text);
        UINT flags = facts.WordWrap ? DT_CENTER | DT_WORDBREAK : DT_SINGLELINE;
        if (facts.CaptionRight && facts.RightToLeft && !facts.WordWrap)
            flags |= DT_RIGHT;
        if (facts.RightToLeft)
            flags |= DT_RTLREADING;
        DrawAdapterCaption(m_cache, Window(), caption, true, active, manager, SectionIndex(), flags, rect, m_glowWork,
                           IsRadio() ? kKindRadioButton : kKindCheckBox);
        GdiFlush();
        if (GetFocus() == Window() && (SendMessageW(Window(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0)
            DrawFocusFrame(face, RadioFocusRect(rect, facts.WordWrap), GetSysColor(COLOR_BTNFACE) & 0xFFFFFF, 0);
    }
    if (const TsMaskData* entry = CheckImage()) {
        const PixelRect place = RadioGlyphRect(picture, face.Width, face.Height, kCheckMargin, captionRight);
        const bool pushed = (SendMessageW(Window(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
        const int state = std::min(CheckDrawingState(pushed, active), std::max(0, entry->ImageCount - 1));
        const SkinTablesPaintSource source(manager->Tables());
        PaintStateImage(face, place.Left, place.Top, state, SelfBackground(face), *entry, 1, source.MasterBitmap());
    }
    if (!IsWindowEnabled(Window()))
        FadeDisabledFace(m_cache, background);
    CacheStale = false;
}

void TacCheckBoxWnd::PaintCheckBox(HDC dc)
{
    if (ParentHoldsPainting(Window()))
        return;
    BuildCache();
    const win32::GivenOrWindowDC context(dc, Window());
    const HDC target = context.get();
    CopyCacheTo(target, m_cache);
}

void TacCheckBoxWnd::Repaint()
{
    if (IsWindowVisible(Window()))
        PaintCheckBox(nullptr);
}

LRESULT TacCheckBoxWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    TsSkinManager* manager = Manager();
    if (!manager || !manager->Active() || Detached())
        return TacMainWnd::WndProc(message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        if (m_ownerDrawn)
            break;
        const AdapterPaint paint(Window(), wParam);
        PaintCheckBox(paint.Dc());
        return 0;
    }
    case WM_PRINT:
        if (m_ownerDrawn)
            break;
        PaintCheckBox(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        if (m_ownerDrawn) {
            BuildCache();
            CopyCacheTo(reinterpret_cast<HDC>(wParam), m_cache);
        }
        return 1;
    case WM_NCPAINT:
        return 0;
    case WM_ENABLE:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_SETTEXT: {
        const LRESULT result = CallPreviousWithoutRedraw(message, wParam, lParam);
        if (message == WM_SETTEXT)
            ReadCaption();
        Repaint();
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONUP: {
        const LRESULT result = CallPrevious(message, wParam, lParam);
        if (message == WM_SETFOCUS || message == WM_KILLFOCUS)
            HasFocus = message == WM_SETFOCUS;
        if ((message != WM_KEYDOWN && message != WM_KEYUP) || wParam == VK_SPACE)
            Repaint();
        return result;
    }
    case WM_NCHITTEST: {
        const LRESULT result = CallPrevious(message, wParam, lParam);
        if (IsWindowEnabled(Window()) && manager->HotWindow() != Window())
            manager->SetHotWindow(Window());
        return result;
    }
    case SKM_COMMAND: {
        const EngineCommand command = EngineCommand::FromWParam(wParam);
        if (command.Code == SKC_MOUSEENTER || command.Code == SKC_MOUSELEAVE) {
            MouseInside = command.Code == SKC_MOUSEENTER;
            PaintSuspended = false;
            Repaint();
        }
        break;
    }
    default:
        break;
    }
    return TacMainWnd::WndProc(message, wParam, lParam);
}

} // namespace korvane
