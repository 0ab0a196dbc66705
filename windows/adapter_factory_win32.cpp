#include "windows/adapter_factory_win32.h"

#include "windows/button_wnd_win32.h"
#include "windows/combo_list_wnd_win32.h"
#include "windows/edit_wnd_win32.h"
#include "windows/list_view_wnd_win32.h"
#include "windows/sizer_wnd_win32.h"
#include "windows/tool_bar_wnd_win32.h"

namespace korvane {

namespace {

bool IsSimpleComboList(HWND list)
{
    const HWND parent = GetParent(list);
    wchar_t name[16]{};
    return parent && (GetWindowLongW(list, GWL_STYLE) & WS_CHILD) && GetClassNameW(parent, name, 16) &&
           lstrcmpiW(name, L"ComboBox") == 0 && (GetWindowLongW(parent, GWL_STYLE) & 3) == CBS_SIMPLE;
}

} // namespace

std::unique_ptr<TacMainWnd> MakeAdapter(AdapterKind kind, HWND window, std::u16string_view section,
                                        TsSkinManager* manager)
{
    switch (kind) {
    case AdapterKind::Edit: {
        auto adapter = std::make_unique<TacEditWnd>(window, section, manager);
        adapter->Create(true);
        return adapter;
    }
    case AdapterKind::ComboList: {
        auto adapter = std::make_unique<TacComboListWnd>(window, section, manager, IsSimpleComboList(window));
        adapter->CreateList(true);
        return adapter;
    }
    case AdapterKind::Button: {
        auto adapter = std::make_unique<TacBtnWnd>(window, section, manager);
        adapter->Create();
        InvalidateRect(window, nullptr, TRUE);
        return adapter;
    }
    case AdapterKind::ListView: {
        auto adapter = std::make_unique<TacListViewWnd>(window, section, manager);
        adapter->Create(true);
        return adapter;
    }
    case AdapterKind::ToolBar: {
        auto adapter = std::make_unique<TacToolBarWnd>(window, section, manager);
        adapter->Create();
        return adapter;
    }
    case AdapterKind::Sizer: {
        auto adapter = std::make_unique<TacSizerWnd>(window, section, manager);
        adapter->Create();
        return adapter;
    }
    default: {
        auto adapter = std::make_unique<TacMainWnd>(window, section, manager);
        adapter->Create();
        return adapter;
    }
    }
}

} // namespace korvane
