#include "windows/attach_rules.h"

#include <algorithm>
#include <array>
#include <string>

namespace korvane {

namespace {

std::u16string Lower(std::u16string_view text)
{
    std::u16string lower(text);
    for (char16_t& c : lower)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    return lower;
}

constexpr std::uint32_t kWsChild = 0x40000000;
constexpr std::uint32_t kWsPopup = 0x80000000;
constexpr std::uint32_t kWsBorder = 0x00800000;
constexpr std::uint32_t kWsExStaticEdge = 0x00020000;

} // namespace

bool TagLeavesUnframed(int tag)
{
    return (tag & kLeaveAloneTag) == kLeaveAloneTag;
}

bool IsExcludedFormClass(std::u16string_view className)
{
    static constexpr std::array<std::u16string_view, 2> kExcluded{u"TApplication", u"TfcPopup"};
    static_assert(kExcluded[0] < kExcluded[1]);
    return std::binary_search(kExcluded.begin(), kExcluded.end(), className);
}

bool RulesAllowForm(TacSkinningRules rules, std::u16string_view className)
{
    return (rules & (className == kMessageFormClass ? srStdDialogs : srStdForms)) != 0;
}

bool StyleAllowsFrame(std::uint32_t style)
{
    return (style & kWsPopup) == 0 || (style & kWsBorder) != 0;
}

bool HookTakesNamedWindow(const NamedWindowFacts& f)
{
    if (f.ClassName == u"TPUtilWindow" || f.ExStyle == 0 || f.Style == 0 || f.HasParent)
        return false;
    return !f.HasMainForm || (f.MainFormWindowExists && !f.IsMainFormWindow);
}

bool TakesAnotherDialog(int visibleDialogProviders, bool hasToolBarDescendant)
{
    return visibleDialogProviders <= 1 || hasToolBarDescendant;
}

DialogChildChoice ChooseDialogChildAdapter(std::u16string_view className, std::uint32_t style, std::uint32_t exStyle,
                                           bool visible)
{
    const std::u16string name = Lower(className);
    const std::uint32_t type = style & 0xFF;
    if (name == u"static") {
        if ((type & 3) == 3 || (type & 14) == 14) {
            if (exStyle & kWsExStaticEdge)
                return {AdapterKind::Edge, u"EDIT"};
            return {AdapterKind::Icon, u"CHECKBOX"};
        }
        const std::uint32_t kind = type & 31;
        if (kind == 5 || kind == 6 || kind == 11 || (type & 13) == 13)
            return {};
        return {AdapterKind::Static, u"CHECKBOX"};
    }
    if (name == u"#32770" || name == u"shbrowseforfolder")
        return {AdapterKind::TransPanel, u"CHECKBOX"};
    if (name == u"tpanel")
        return {AdapterKind::Panel, u"CHECKBOX"};
    if (name == u"tsilentpaintpanel")
        return {AdapterKind::Panel, u"GROUPBOX"};
    if (name == u"edit")
        return visible ? DialogChildChoice{AdapterKind::Edit, u"EDIT", true} : DialogChildChoice{};
    if (name == u"button") {
        if ((type & 7) == 7)
            return {AdapterKind::GroupBox, u"GROUPBOX"};
        if ((type & 2) != 0 || (type & 4) != 0 || (type & 9) == 9)
            return {AdapterKind::CheckBox, u"CHECKBOX"};
        return {AdapterKind::Button, u"BUTTON"};
    }
    if (name == u"combobox")
        return {AdapterKind::ComboBox, u"COMBOBOX", true};
    if (name == u"combolbox")
        return {AdapterKind::ComboList, u"COMBOBOX"};
    if (name == u"comboboxex32")
        return {AdapterKind::ComboBox, u"COMBOBOX"};
    if (name == u"scrollbar")
        return (style & 0x10) ? DialogChildChoice{AdapterKind::Sizer, u"CHECKBOX"} : DialogChildChoice{};
    if (name == u"systabcontrol32")
        return (style & 0x2000) ? DialogChildChoice{} : DialogChildChoice{AdapterKind::TabControl, u"PAGECONTROL"};
    if (name == u"syslistview32")
        return {AdapterKind::ListView, u"EDIT", true};
    if (name == u"msctls_updown32")
        return {AdapterKind::Spin, u"SPEEDBUTTON_SMALL"};
    if (name == u"msctls_trackbar32")
        return {AdapterKind::Track, u"TRACKBAR"};
    if (name == u"listbox")
        return {AdapterKind::Edit, u"EDIT", true};
    if (name == u"link window" || name == u"syslink")
        return {AdapterKind::Link, u"CHECKBOX"};
    if (name == u"toolbarwindow32")
        return {AdapterKind::ToolBar, (style & 0x200) ? u"BAR" : u"CHECKBOX"};
    if (name == u"systreeview32")
        return {AdapterKind::TreeView, u"EDIT", true};
    return {};
}

bool ChildNeedsOwnPainting(std::u16string_view className)
{
    const std::u16string name = Lower(className);
    return name == u"edit" || name == u"combobox" || name == u"combolbox" || name == u"comboboxex32" ||
           name == u"listbox";
}

AdapterKind AdapterKindOfList(ThirdPartyList::Kind list)
{
    switch (list) {
    case ThirdPartyList::ThirdEdits:
        return AdapterKind::Edit;
    case ThirdPartyList::ThirdButtons:
    case ThirdPartyList::ThirdBitBtns:
        return AdapterKind::Button;
    case ThirdPartyList::ThirdCheckBoxes:
        return AdapterKind::CheckBox;
    case ThirdPartyList::ThirdComboBoxes:
        return AdapterKind::ComboBox;
    case ThirdPartyList::ThirdGroupBoxes:
        return AdapterKind::GroupBox;
    case ThirdPartyList::ThirdListViews:
        return AdapterKind::ListView;
    case ThirdPartyList::ThirdPanels:
        return AdapterKind::Panel;
    case ThirdPartyList::ThirdTreeViews:
        return AdapterKind::TreeView;
    case ThirdPartyList::ThirdTabControl:
    case ThirdPartyList::ThirdPageControl:
        return AdapterKind::TabControl;
    default:
        return AdapterKind::None;
    }
}

} // namespace korvane
