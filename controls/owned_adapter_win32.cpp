#include "controls/owned_adapter_win32.h"

#include "controls/common_data_win32.h"
#include "skin/skin_manager_core.h"

namespace korvane {

OwnedAdapterPtr MakeOwnedAdapter(OwnedAdapterKind kind, HWND window, std::u16string_view section,
                                 TsCommonData& skinData)
{
    auto* factory = dynamic_cast<OwnedAdapterFactory*>(skinData.Manager());
    if (!factory || !window)
        return nullptr;
    return factory->MakeOwnedAdapter(kind, window, section, &skinData);
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
        adapter = MakeOwnedAdapter(OwnedAdapterKind::EditFrame, window, skinData.SkinSection(), skinData);
}

} // namespace korvane
