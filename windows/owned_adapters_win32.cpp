#include "windows/owned_adapters_win32.h"

#include "controls/common_data_win32.h"
#include "skin/engine_commands.h"
#include "windows/edit_wnd_win32.h"
#include "windows/skin_manager_win32.h"

namespace korvane {

namespace {

// The edit-frame adapter of a skinned control's own window, seen by the control through the
// owned-adapter interface.
class OwnedEditWnd final : public TacEditWnd, public OwnedAdapter {
public:
    using TacEditWnd::TacEditWnd;

    bool WindowGone() const override { return Detached() || !IsWindow(Window()); }
    int BorderWidth() const override { return LeftEdge; }
    int VertBarWidth() const override { return VertBar.Shown ? VertBar.BarThickness() : 0; }
    int HorzBarHeight() const override { return HorzBar.Shown ? HorzBar.BarThickness() : 0; }
    const win32::DibSection* FreshFrameCache() override
    {
        if (WindowGone())
            return nullptr;
        RebuildFrameCache(DialogChild());
        return FrameCache().Empty() || CacheStale ? nullptr : &FrameCache();
    }
    void MarkCacheStale() override { CacheStale = true; }
    void PrintFrame(HDC dc) override
    {
        if (WindowGone() || !dc)
            return;
        // The frame cache is composed afresh with its corners over what lies behind now.
        CacheStale = true;
        RebuildFrameCache(DialogChild());
        const int saved = SaveDC(dc);
        SelectClipRgn(dc, nullptr);
        PaintFrame(dc);
        PaintNonClient(dc);
        RestoreDC(dc, saved);
    }
    LRESULT Command(WPARAM wParam, LPARAM lParam) override { return WndProc(SKM_COMMAND, wParam, lParam); }
};

TsSkinManager* ManagerOf(const TsCommonData* skinData)
{
    return skinData ? dynamic_cast<TsSkinManager*>(skinData->SkinManager()) : nullptr;
}

} // namespace

std::unique_ptr<OwnedAdapter> MakeControlAdapter(OwnedAdapterKind kind, HWND window, std::u16string_view section,
                                                 TsCommonData* skinData)
{
    if (!window || !IsWindow(window))
        return nullptr;
    switch (kind) {
    case OwnedAdapterKind::EditFrame: {
        auto adapter = std::make_unique<OwnedEditWnd>(window, section, ManagerOf(skinData));
        adapter->Create(true);
        return adapter;
    }
    case OwnedAdapterKind::ComboList:
    case OwnedAdapterKind::SimpleComboList:
        return nullptr;
    }
    return nullptr;
}

} // namespace korvane
