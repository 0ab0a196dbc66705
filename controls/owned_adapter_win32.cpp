#include "controls/owned_adapter_win32.h"

#include "controls/common_data_win32.h"

namespace korvane {

namespace {

OwnedAdapterMaker g_maker = nullptr;

} // namespace

void SetOwnedAdapterMaker(OwnedAdapterMaker maker)
{
    g_maker = maker;
}

OwnedAdapterPtr MakeOwnedAdapter(OwnedAdapterKind kind, HWND window, std::u16string_view section,
                                 TsCommonData* skinData)
{
    if (!g_maker || !window)
        return nullptr;
    return g_maker(kind, window, section, skinData);
}

void AttachEditAdapter(TsCommonData& skinData, HWND window, OwnedAdapterPtr& adapter)
{
    if (!skinData.IsSkinned()) {
        adapter.reset();
        return;
    }
    if (adapter && adapter->WindowGone())
        adapter.reset();
    if (!adapter)
        adapter = MakeOwnedAdapter(OwnedAdapterKind::EditFrame, window, skinData.SkinSection(), &skinData);
}

} // namespace korvane
