#include "windows/check_box_wnd_win32.h"

#include "controls/focus_frame.h"
#include "controls/radio_button_geometry.h"
#include "render/skin_tables_source.h"
#include "render/state_image.h"
#include "ui/window_text.h"
#include "windows/adapted_control_layout.h"
#include "windows/adapter_face_win32.h"
#include "windows/skin_manager_win32.h"

#include <algorithm>

namespace korvane {

namespace {

constexpr int kCheckMargin = 2;

} // namespace

TacCheckBoxWnd::TacCheckBoxWnd(HWND window, std::u16string_view section, TsSkinManager* manager)
    : TacFaceWnd(window, section, manager)
{
    m_ownerDrawn = (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

bool TacCheckBoxWnd::IsRadio() const
{
    const auto type = static_cast<DWORD>(GetWindowLongW(Window(), GWL_STYLE) & BS_TYPEMASK);
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

CheckMark TacCheckBoxWnd::Mark() const
{
    return CheckMarkOfButtonState(static_cast<unsigned>(SendMessageW(Window(), BM_GETSTATE, 0, 0)));
}

const TsMaskData* TacCheckBoxWnd::CheckImage() const
{
    const TsSkinManager* manager = Manager();
    if (!manager)
        return nullptr;
    const TsIndexCache::CheckImageIndexes& images = manager->IndexCache.CheckImages;
    const std::u16string_view name = CheckPictureName(IsRadio(), Mark());
    const int index = name == u"BOXCHECKED"     ? images.BoxChecked
                      : name == u"BOXUNCHECKED" ? images.BoxUnchecked
                      : name == u"BOXGRAYED"    ? images.BoxGrayed
                      : name == u"RADIOCHECKED" ? images.RadioChecked
                                                : images.RadioUnchecked;
    return manager->Tables().IsValidMask(index) ? &manager->Tables().Masks[static_cast<std::size_t>(index)] : nullptr;
}

PixelSize TacCheckBoxWnd::PictureSize() const
{
    if (const TsMaskData* entry = CheckImage())
        return SkinCheckFrameSize(*entry);
    return {16, 16};
}

void TacCheckBoxWnd::PaintCaption(const TsSkinManager& manager, bool active)
{
    const std::wstring caption = ui::WindowText(Window());
    if (caption.empty())
        return;
    const BitmapView face = Cache().View();
    const auto style = static_cast<DWORD>(GetWindowLongW(Window(), GWL_STYLE));
    const WindowFontSelection font(Cache().Dc(), Window());
    RadioCaptionFacts facts;
    facts.Width = face.Width;
    facts.Height = face.Height;
    facts.GlyphWidth = PictureSize().Width;
    facts.Margin = kCheckMargin;
    facts.CaptionRight = (style & BS_LEFTTEXT) == 0;
    facts.RightToLeft = (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    facts.WordWrap = (style & BS_MULTILINE) != 0;
    const PlacedCaption placed = PlaceRadioCaption(Cache().Dc(), caption, facts);
    DrawCaption(manager, caption, placed.Flags, placed.Rect, active, IsRadio() ? kKindRadioButton : kKindCheckBox);
    GdiFlush();
    if (GetFocus() == Window() && (SendMessageW(Window(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0)
        DrawFocusFrame(face, RadioFocusRect(placed.Rect, facts.WordWrap), GetSysColor(COLOR_BTNFACE) & 0xFFFFFF, 0);
}

void TacCheckBoxWnd::BuildFace(const TsSkinManager& manager)
{
    const bool active = HasFocus || Hot();
    const ParentBackground background = PaintSection(manager, active ? 1 : 0);
    if (Cache().Empty() || m_ownerDrawn)
        return;
    PaintCaption(manager, active);
    if (const TsMaskData* entry = CheckImage()) {
        const BitmapView face = Cache().View();
        const bool captionRight = (GetWindowLongW(Window(), GWL_STYLE) & BS_LEFTTEXT) == 0;
        const PixelRect place = RadioGlyphRect(PictureSize(), face.Width, face.Height, kCheckMargin, captionRight);
        const bool pushed = (SendMessageW(Window(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
        const int state = std::min<int>(CheckDrawingState(pushed, active), std::max(0, entry->ImageCount - 1));
        const SkinTablesPaintSource source(manager.Tables());
        PaintStateImage(face, place.Left, place.Top, state, SelfBackground(face), *entry, 1, source.MasterBitmap());
    }
    FadeWhenDisabled(background);
}

std::optional<LRESULT> TacCheckBoxWnd::FaceMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A key or a click may change the check: the face follows.
    const bool changesCheck =
        message == WM_LBUTTONUP || ((message == WM_KEYDOWN || message == WM_KEYUP) && wParam == VK_SPACE);
    if (!changesCheck)
        return std::nullopt;
    const LRESULT result = CallPrevious(message, wParam, lParam);
    RedrawFace();
    return result;
}

} // namespace korvane
