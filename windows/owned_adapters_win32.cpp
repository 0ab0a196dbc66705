// The skin manager's maker of the adapters that skinned controls own.
#include "windows/skin_manager_win32.h"

#include "controls/common_data_win32.h"
#include "skin/engine_commands.h"
#include "windows/combo_list_wnd_win32.h"
#include "windows/edit_wnd_win32.h"

namespace korvane {

namespace {

// An adapter of the edit family on a skinned control's own window (its edit frame, or its
// dropped list), seen by the control through the owned-adapter interface. Freed, it gives the
// window back with what it changed restored.
template <typename Adapter>
class Owned final : public Adapter, public OwnedAdapter {
public:
    using Adapter::Adapter;
    void Free() noexcept override { TacMainWnd::Release(this); }

    bool WindowGone() const override { return Adapter::Detached() || !IsWindow(Adapter::Window()); }
    int BorderWidth() const override { return Adapter::LeftEdge; }
    int VertBarWidth() const override { return Adapter::VertBar.Shown ? Adapter::VertBar.BarThickness() : 0; }
    int HorzBarHeight() const override { return Adapter::HorzBar.Shown ? Adapter::HorzBar.BarThickness() : 0; }
    const win32::DibSection* FreshFrameCache() override
    {
        if (WindowGone())
            return nullptr;
        Adapter::RebuildFrameCache(Adapter::DialogChild());
        return Adapter::FrameCache().Empty() || Adapter::CacheStale ? nullptr : &Adapter::FrameCache();
    }
    void MarkCacheStale() override { Adapter::CacheStale = true; }
    void PrintFrame(HDC dc) override
    {
        if (WindowGone() || !dc)
            return;
        // The frame cache is composed afresh with its corners over what lies behind now.
        Adapter::CacheStale = true;
        Adapter::RebuildFrameCache(Adapter::DialogChild());
        const int saved = SaveDC(dc);
        SelectClipRgn(dc, nullptr);
        Adapter::PaintFrame(dc);
        Adapter::PaintNonClient(dc);
        RestoreDC(dc, saved);
    }
    void PassOnSkinChange(SkinChange change, const SkinManagerCore* sender) override
    {
        Adapter::SkinChanged(change, sender, [] {});
    }
};

TsSkinManager* ManagerOf(const TsCommonData* skinData)
{
    return skinData ? dynamic_cast<TsSkinManager*>(skinData->SkinManager()) : nullptr;
}

} // namespace

OwnedAdapterPtr TsSkinManager::MakeOwnedAdapter(OwnedAdapterKind kind, HWND window, std::u16string_view section,
                                                TsCommonData* skinData)
{
    if (!window || !IsWindow(window))
        return nullptr;
    switch (kind) {
    case OwnedAdapterKind::EditFrame: {
        auto* adapter = new Owned<TacEditWnd>(window, section, ManagerOf(skinData));
        OwnedAdapterPtr owned(adapter);
        adapter->Create(true);
        return owned;
    }
    case OwnedAdapterKind::ComboList:
    case OwnedAdapterKind::SimpleComboList: {
        if (TacMainWnd::FromWindow(window))
            return nullptr;
        auto* adapter =
            new Owned<TacComboListWnd>(window, section, ManagerOf(skinData), kind == OwnedAdapterKind::SimpleComboList);
        OwnedAdapterPtr owned(adapter);
        adapter->CreateList(true);
        return owned;
    }
    }
    return nullptr;
}

} // namespace korvane
