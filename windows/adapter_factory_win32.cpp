#include "windows/adapter_factory_win32.h"

#include "windows/edit_wnd_win32.h"

namespace korvane {

std::unique_ptr<TacMainWnd> MakeAdapter(AdapterKind kind, HWND window, std::u16string_view section,
                                        TsSkinManager* manager)
{
    if (kind == AdapterKind::Edit) {
        auto adapter = std::make_unique<TacEditWnd>(window, section, manager);
        adapter->Create(true);
        return adapter;
    }
    auto adapter = std::make_unique<TacMainWnd>(window, section, manager);
    adapter->Create();
    return adapter;
}

} // namespace korvane
