#include "windows/adapter_factory_win32.h"

#include "windows/button_wnd_win32.h"
#include "windows/combo_box_wnd_win32.h"
#include "windows/check_box_wnd_win32.h"
#include "windows/combo_list_wnd_win32.h"
#include "windows/edit_wnd_win32.h"
#include "windows/group_box_wnd_win32.h"
#include "windows/list_view_wnd_win32.h"
#include "windows/sizer_wnd_win32.h"
#include "windows/static_wnd_win32.h"
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

// An adapter that paints its whole window: subclassed, then the window is repainted by it.
template <class Adapter>
AdapterPtr<> Made(HWND window, std::u16string_view section, TsSkinManager* manager, bool dialogChild)
{
    auto adapter = MakeAdapterPtr<Adapter>(window, section, manager);
    adapter->SetDialogChild(dialogChild);
    adapter->Create();
    InvalidateRect(window, nullptr, TRUE);
    return adapter;
}

} // namespace

AdapterPtr<> MakeAdapter(AdapterKind kind, HWND window, std::u16string_view section, TsSkinManager* manager,
                         bool dialogChild)
{
    switch (kind) {
    case AdapterKind::Edit: {
        auto adapter = MakeAdapterPtr<TacEditWnd>(window, section, manager);
        adapter->SetDialogChild(dialogChild);
        adapter->Create(true);
        return adapter;
    }
    case AdapterKind::ComboList: {
        auto adapter = MakeAdapterPtr<TacComboListWnd>(window, section, manager, IsSimpleComboList(window));
        adapter->SetDialogChild(dialogChild);
        adapter->CreateList(true);
        return adapter;
    }
    case AdapterKind::ComboBox: {
        auto adapter = MakeAdapterPtr<TacComboBoxWnd>(window, section, manager);
        adapter->SetDialogChild(dialogChild);
        adapter->Create(true);
        return adapter;
    }
    case AdapterKind::ListView: {
        auto adapter = MakeAdapterPtr<TacListViewWnd>(window, section, manager);
        adapter->SetDialogChild(dialogChild);
        adapter->Create(true);
        return adapter;
    }
    case AdapterKind::Button:
        return Made<TacBtnWnd>(window, section, manager, dialogChild);
    case AdapterKind::Static:
        return Made<TacStaticWnd>(window, section, manager, dialogChild);
    case AdapterKind::CheckBox:
        return Made<TacCheckBoxWnd>(window, section, manager, dialogChild);
    case AdapterKind::GroupBox:
        return Made<TacGroupBoxWnd>(window, section, manager, dialogChild);
    case AdapterKind::ToolBar:
        return Made<TacToolBarWnd>(window, section, manager, dialogChild);
    case AdapterKind::Sizer:
        return Made<TacSizerWnd>(window, section, manager, dialogChild);
    default: {
        auto adapter = MakeAdapterPtr<TacMainWnd>(window, section, manager);
        adapter->SetDialogChild(dialogChild);
        adapter->Create();
        return adapter;
    }
    }
}

} // namespace korvane
