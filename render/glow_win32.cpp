#include <windows.h>

#include <algorithm>
#include <limits>
#include <map>
#include <memory>
#include <vector>

#include "gfx/bitmap32.h"
#include "render/fade_timer.h"
#include "render/glow.h"
#include "render/glow_geometry.h"
#include "gfx/parent_background.h"
#include "render/state_image.h"
#include "gfx/piece_copy.h"
#include "win32/dc_guards.h"
#include "win32/dib_section.h"
#include "win32/window_class.h"

namespace korvane {
namespace {

constexpr wchar_t kGlowClass[] = L"KorvaneGlowWindow";
constexpr wchar_t kTagProperty[] = L"KorvaneTag";
constexpr DWORD kGlowExStyle = WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT; // 0x080800A0

using UpdateLayeredWindowFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);

// Looked up by name once: layered windows with per-pixel alpha may be missing.
UpdateLayeredWindowFn LayeredUpdate()
{
    static const UpdateLayeredWindowFn function = [] {
        const HMODULE user32 = GetModuleHandleW(L"user32.dll");
        return user32 != nullptr ? reinterpret_cast<UpdateLayeredWindowFn>(
                                       reinterpret_cast<void*>(GetProcAddress(user32, "UpdateLayeredWindow")))
                                 : nullptr;
    }();
    return function;
}

// The glow window answers every hit test with "transparent" so clicks reach what lies below.
LRESULT CALLBACK GlowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCHITTEST) {
        return HTTRANSPARENT;
    }
    if (message == WM_MOUSEACTIVATE) {
        return MA_NOACTIVATE;
    }
    if (message == WM_NCDESTROY) {
        RemovePropW(window, kTagProperty);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}


// One glow: its window, the manager, the entry and the margin.
struct TacGlowEffect {
    HWND Window = nullptr;
    const SkinPaintSource* Manager = nullptr;
    int MaskIndex = -1;
    int Margin = 0;
};

// The glows shown, by index. An index is never given twice, so a control that still holds the
// index of a glow freed meanwhile (by ClearGlows, say) can never reach another control's glow.
struct GlowTable {
    std::map<int, std::unique_ptr<TacGlowEffect>> Glows;
    int NextIndex = 0;
};

GlowTable& Glows()
{
    static GlowTable table;
    return table;
}

void FreeGlow(std::unique_ptr<TacGlowEffect>& glow)
{
    if (glow && glow->Window != nullptr && IsWindow(glow->Window)) {
        DestroyWindow(glow->Window);
    }
    glow.reset();
}

// Hands the picture to the layered window: per-pixel alpha, constant alpha `alpha`.
void UpdateGlowWindow(HWND window, const Bitmap32& picture, int alpha)
{
    const UpdateLayeredWindowFn update = LayeredUpdate();
    win32::DibSection dib(picture.Width(), picture.Height());
    if (dib.Empty() || update == nullptr) {
        return;
    }
    CopyRect(dib.View(), 0, 0, picture.ReadView(), {0, 0, picture.Width(), picture.Height()});
    win32::WindowDC screen(nullptr);
    SIZE size{picture.Width(), picture.Height()};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(std::clamp(alpha, 0, 255)), AC_SRC_ALPHA};
    update(window, screen.get(), nullptr, &size, dib.Dc(), &source, 0, &blend, ULW_ALPHA);
}

} // namespace

bool GlowsAvailable()
{
    return LayeredUpdate() != nullptr;
}

int ShowGlow(PixelRect controlRect, PixelRect visible, const std::u16string& sectionName,
             const SkinPaintSource* manager, void* ownerWindow, int alpha, int margin, const std::u16string& glowKey)
{
    if (manager == nullptr) {
        manager = DefaultSkinPaintSource();
    }
    if (!GlowsAvailable() || manager == nullptr || Animation().EffectsSuppressed || !Animation().AllowGlowing) {
        return -1;
    }
    const int sectionIndex = manager->FindSection(sectionName);
    const int maskIndex = manager->FindMask(sectionIndex, sectionName, glowKey + u"0");
    const TsMaskData* entry = manager->Mask(maskIndex);
    if (entry == nullptr) {
        return -1;
    }
    auto glow = std::make_unique<TacGlowEffect>();
    glow->Manager = manager;
    glow->MaskIndex = maskIndex;
    glow->Margin = margin;
    GlowTable& table = Glows();
    const int index = table.NextIndex;
    // Wrapping around would take 2^31 glows; -1 stays the answer for none.
    table.NextIndex = table.NextIndex == std::numeric_limits<int>::max() ? 0 : table.NextIndex + 1;
    TacGlowEffect& effect = *glow;
    table.Glows[index] = std::move(glow);

    // The picture: transparent black, the glow entry painted over all of it in state 0.
    const GlowLayout layout = LayoutGlow(controlRect, visible, GlowMarginsOf(*entry), margin);
    if (!GlowPictureFits(layout) || layout.Cut.IsEmpty()) {
        return index; // nothing to show
    }
    Bitmap32 picture(layout.ImageWidth, layout.ImageHeight);
    picture.Fill(0);
    PaintBordersMask(picture.View(), {0, 0, layout.ImageWidth, layout.ImageHeight}, EmptyBackground, *entry, 0, false,
                     manager->MasterBitmap());
    const Bitmap32 shown = picture.Copy(layout.Cut.Left, layout.Cut.Top, layout.Cut.Width(), layout.Cut.Height());

    win32::RegisterWindowClass({kGlowClass, GlowProc});
    HWND window = CreateWindowExW(kGlowExStyle, kGlowClass, L"", WS_POPUP, layout.WindowX, layout.WindowY,
                                  shown.Width(), shown.Height(), nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) {
        return index;
    }
    effect.Window = window;
    SetPropW(window, kTagProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(kGlowWindowTag)));
    const HWND owner = static_cast<HWND>(ownerWindow);
    HWND insertAfter = HWND_TOP;
    if (owner != nullptr && IsWindow(owner)) {
        if ((GetWindowLongPtrW(owner, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) {
            insertAfter = HWND_TOPMOST;
        } else {
            // Right above the owner: after the window that precedes it, or at the top when it
            // is the top window (placing it after the owner would hide the glow behind it).
            const HWND previous = GetWindow(owner, GW_HWNDPREV);
            insertAfter = previous != nullptr ? previous : HWND_TOP;
        }
    }
    SetWindowPos(window, insertAfter, layout.WindowX, layout.WindowY, 0, 0,
                 SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOOWNERZORDER);
    UpdateGlowWindow(window, shown, alpha);
    // Shown in place: ShowWindow on a hidden window would raise it to the top under Wine.
    SetWindowPos(window, insertAfter, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOOWNERZORDER | SWP_SHOWWINDOW);
    return index;
}

void HideGlow(int index)
{
    auto& glows = Glows().Glows;
    const auto found = glows.find(index);
    if (found == glows.end()) {
        return;
    }
    // Out of the table first: destroying the window may reach the table again.
    std::unique_ptr<TacGlowEffect> glow = std::move(found->second);
    glows.erase(found);
    FreeGlow(glow);
}

void ClearGlows()
{
    std::map<int, std::unique_ptr<TacGlowEffect>> glows = std::move(Glows().Glows);
    Glows().Glows.clear();
    for (auto& [index, glow] : glows) {
        FreeGlow(glow);
    }
}

void* GlowWindow(int index)
{
    const auto& glows = Glows().Glows;
    const auto found = glows.find(index);
    return found == glows.end() || !found->second ? nullptr : found->second->Window;
}

bool IsGlowWindow(void* window)
{
    return window != nullptr &&
           reinterpret_cast<INT_PTR>(GetPropW(static_cast<HWND>(window), kTagProperty)) == kGlowWindowTag;
}

int UpdateWindowGlow(void* window, int currentGlow, bool hide, int sectionIndex, const SkinPaintSource* manager)
{
    if (manager == nullptr) {
        manager = DefaultSkinPaintSource();
    }
    const TsGeneralData* section = manager != nullptr ? manager->Section(sectionIndex) : nullptr;
    if (!GlowsAvailable() || section == nullptr || section->GlowCount < 1) {
        return currentGlow;
    }
    HideGlow(currentGlow);
    const HWND handle = static_cast<HWND>(window);
    if (hide || handle == nullptr || !IsWindow(handle)) {
        return -1;
    }
    RECT windowRect{};
    GetWindowRect(handle, &windowRect);
    RECT clip{0, 0, windowRect.right - windowRect.left, windowRect.bottom - windowRect.top};
    if (HDC dc = GetWindowDC(handle)) {
        GetClipBox(dc, &clip);
        ReleaseDC(handle, dc);
    }
    return ShowGlow({windowRect.left, windowRect.top, windowRect.right, windowRect.bottom},
                    {clip.left, clip.top, clip.right, clip.bottom}, section->SectionName, manager,
                    GetAncestor(handle, GA_ROOT), 255, section->GlowMargin, u"GLOW");
}

} // namespace korvane
