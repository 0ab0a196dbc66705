#pragma once

#include "controls/owned_adapter_win32.h"

namespace korvane {

// The maker of the adapters that skinned controls own (registered by the skin manager): the
// edit-frame adapter for list boxes and rich edits, the list adapter for combo boxes' lists.
OwnedAdapterPtr MakeControlAdapter(OwnedAdapterKind kind, HWND window, std::u16string_view section,
                                   TsCommonData* skinData);

} // namespace korvane
