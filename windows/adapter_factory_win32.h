#pragma once

#include "windows/attach_rules.h"
#include "windows/main_wnd_win32.h"

#include <windows.h>

#include <memory>
#include <string_view>

namespace korvane {

// Makes and subclasses the adapter of the kind for a window: the edit family and combo boxes with
// a frame change (so that the bars' room and the frame are reserved at once), drop-down lists
// with the list adapter, buttons, check boxes, statics and group boxes with the adapters that
// paint their whole window; the kinds without an adapter of their own get the base adapter.
// `dialogChild`: the window is a child of a platform dialog (its adapter paints flat).
AdapterPtr<> MakeAdapter(AdapterKind kind, HWND window, std::u16string_view section, TsSkinManager* manager,
                         bool dialogChild = false);

} // namespace korvane
