#pragma once

#include "skin/manager_settings.h"

#include <cstdint>
#include <string_view>

namespace korvane {

// The tag the engine's own windows carry; a form whose tag has all its bits set is never framed.
inline constexpr int kLeaveAloneTag = -98;
bool TagLeavesUnframed(int tag);

// Form class names never given a frame (kept sorted).
bool IsExcludedFormClass(std::u16string_view className);

// The class of the platform's message box form, framed under the dialog rule.
inline constexpr std::u16string_view kMessageFormClass = u"TMessageForm";
// Whether the skinning rules let a form of that class be framed.
bool RulesAllowForm(TacSkinningRules rules, std::u16string_view className);

// A popup window is framed only when it also has a border.
bool StyleAllowsFrame(std::uint32_t style);

// The window-creation hook, for a window whose class is given by name: everything but the class
// library's utility windows, with a non-zero style and extended style, without a parent, while
// there is no main form or the main form's window exists and is another window.
struct NamedWindowFacts {
    std::u16string_view ClassName;
    std::uint32_t Style = 0;
    std::uint32_t ExStyle = 0;
    bool HasParent = false;
    bool HasMainForm = false;
    bool MainFormWindowExists = false;
    bool IsMainFormWindow = false;
};
bool HookTakesNamedWindow(const NamedWindowFacts& facts);

// A further dialog is framed while at most one framed dialog shows a window, and beyond that only
// when it holds a tool bar somewhere among its descendants.
bool TakesAnotherDialog(int visibleDialogProviders, bool hasToolBarDescendant);

// The adapters a platform dialog's child windows get.
enum class AdapterKind {
    None,
    Edge,
    Icon,
    Static,
    TransPanel,
    Panel,
    Edit,
    GroupBox,
    CheckBox,
    Button,
    ComboBox,
    ComboList,
    Sizer,
    TabControl,
    ListView,
    Spin,
    Track,
    Link,
    ToolBar,
    TreeView,
};

struct DialogChildChoice {
    AdapterKind Kind = AdapterKind::None;
    std::u16string_view Section;
    // The adapter counts as a dialog child (the edit family's own marking).
    bool DialogChild = false;
};

// The adapter of a dialog's child window by its class name (any case), style, extended style and
// visibility; None for classes the table does not serve.
DialogChildChoice ChooseDialogChildAdapter(std::u16string_view className, std::uint32_t style, std::uint32_t exStyle,
                                           bool visible);

// Whether the dialog adapter's painting shortcut stays off for a child of this class (edits,
// combo boxes, their lists and list boxes paint themselves).
bool ChildNeedsOwnPainting(std::u16string_view className);

// The adapter a form's control gets from the index of the ThirdParty list its class stands in.
AdapterKind AdapterKindOfList(ThirdPartyList::Kind list);

} // namespace korvane
