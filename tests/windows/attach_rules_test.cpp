#include "windows/attach_rules.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(AttachRules, TagsWithAllTheBitsOfMinus98StayUnframed)
{
    EXPECT_TRUE(TagLeavesUnframed(-98));
    EXPECT_TRUE(TagLeavesUnframed(-1));
    EXPECT_TRUE(TagLeavesUnframed(-2)); // ...11111110 holds every bit of ...10011110
    EXPECT_FALSE(TagLeavesUnframed(98));
    EXPECT_FALSE(TagLeavesUnframed(0));
    EXPECT_TRUE(TagLeavesUnframed(-97));  // ...10011111
    EXPECT_FALSE(TagLeavesUnframed(-99)); // ...10011101 lacks bit 1
    EXPECT_FALSE(TagLeavesUnframed(-100));
}

TEST(AttachRules, ExcludedClassesAndRules)
{
    EXPECT_TRUE(IsExcludedFormClass(u"TApplication"));
    EXPECT_TRUE(IsExcludedFormClass(u"TfcPopup"));
    EXPECT_FALSE(IsExcludedFormClass(u"tapplication"));
    EXPECT_FALSE(IsExcludedFormClass(u"TChooseStyleMenu"));

    EXPECT_TRUE(RulesAllowForm(srStdForms, u"TForm_Generated"));
    EXPECT_FALSE(RulesAllowForm(srStdDialogs, u"TForm_Generated"));
    EXPECT_TRUE(RulesAllowForm(srStdDialogs, u"TMessageForm"));
    EXPECT_FALSE(RulesAllowForm(srStdForms | srThirdParty, u"TMessageForm"));
}

TEST(AttachRules, PopupsNeedABorder)
{
    EXPECT_TRUE(StyleAllowsFrame(0x00CF0000));              // overlapped window
    EXPECT_FALSE(StyleAllowsFrame(0x80000000));             // bare popup
    EXPECT_TRUE(StyleAllowsFrame(0x80000000 | 0x00800000)); // popup with a border
    EXPECT_TRUE(StyleAllowsFrame(0x80C80000));              // a dialog box's usual style
}

TEST(AttachRules, TheHookTakesNamedTopLevelWindowsButNotTheMainFormTwice)
{
    NamedWindowFacts facts{u"TForm_Generated", 0x00CA0000, 0x00010000};
    EXPECT_TRUE(HookTakesNamedWindow(facts));
    facts.HasMainForm = true;
    EXPECT_FALSE(HookTakesNamedWindow(facts)); // the main form's window does not exist yet
    facts.MainFormWindowExists = true;
    EXPECT_TRUE(HookTakesNamedWindow(facts));
    facts.IsMainFormWindow = true;
    EXPECT_FALSE(HookTakesNamedWindow(facts));

    EXPECT_FALSE(HookTakesNamedWindow({u"TPUtilWindow", 0x00CA0000, 0x00010000}));
    EXPECT_FALSE(HookTakesNamedWindow({u"TForm1", 0x00CA0000, 0}));
    EXPECT_FALSE(HookTakesNamedWindow({u"TForm1", 0, 0x00010000}));
    NamedWindowFacts child{u"TForm1", 0x40000000, 0x00010000, true};
    EXPECT_FALSE(HookTakesNamedWindow(child));
}

TEST(AttachRules, AThirdDialogNeedsAToolBar)
{
    EXPECT_TRUE(TakesAnotherDialog(0, false));
    EXPECT_TRUE(TakesAnotherDialog(1, false));
    EXPECT_FALSE(TakesAnotherDialog(2, false));
    EXPECT_TRUE(TakesAnotherDialog(2, true));
}

DialogChildChoice Choose(std::u16string_view name, std::uint32_t style, std::uint32_t exStyle = 0, bool visible = true)
{
    return ChooseDialogChildAdapter(name, style, exStyle, visible);
}

// The save dialog's children as Wine makes them.
TEST(DialogChildTable, TheSaveDialogsChildren)
{
    EXPECT_EQ(Choose(u"Static", 0x100).Kind, AdapterKind::Static); // SS_LEFT | SS_NOTIFY
    EXPECT_EQ(Choose(u"Static", 0x100).Section, u"CHECKBOX");
    const DialogChildChoice saveIn = Choose(u"ComboBox", 0x0003 | 0x0010 | 0x0200);
    EXPECT_EQ(saveIn.Kind, AdapterKind::ComboBox);
    EXPECT_EQ(saveIn.Section, u"COMBOBOX");
    EXPECT_TRUE(saveIn.DialogChild);
    EXPECT_EQ(Choose(u"ToolbarWindow32", 0x0800 | 0x0200).Section, u"BAR");
    EXPECT_EQ(Choose(u"ToolbarWindow32", 0x0800).Section, u"CHECKBOX");
    const DialogChildChoice list = Choose(u"SysListView32", 0x0003);
    EXPECT_EQ(list.Kind, AdapterKind::ListView);
    EXPECT_EQ(list.Section, u"EDIT");
    EXPECT_EQ(Choose(u"SysHeader32", 0).Kind, AdapterKind::None);
    EXPECT_EQ(Choose(u"SHELLDLL_DefView", 0).Kind, AdapterKind::None);
    EXPECT_EQ(Choose(u"ListBox", 0).Kind, AdapterKind::Edit);
    EXPECT_EQ(Choose(u"ComboBoxEx32", 0x0002).Kind, AdapterKind::ComboBox);
    EXPECT_FALSE(Choose(u"ComboBoxEx32", 0x0002).DialogChild);
    EXPECT_EQ(Choose(u"Edit", 0x0080).Kind, AdapterKind::Edit);
    EXPECT_EQ(Choose(u"Edit", 0x0080, 0, false).Kind, AdapterKind::None); // a hidden edit
    EXPECT_EQ(Choose(u"Button", 0x0001).Kind, AdapterKind::Button);       // BS_DEFPUSHBUTTON
    EXPECT_EQ(Choose(u"Button", 0x0000).Section, u"BUTTON");
    EXPECT_EQ(Choose(u"Button", 0x0003).Kind, AdapterKind::CheckBox); // BS_AUTOCHECKBOX
    EXPECT_EQ(Choose(u"ScrollBar", 0x0010).Kind, AdapterKind::Sizer);
    EXPECT_EQ(Choose(u"ScrollBar", 0x0000).Kind, AdapterKind::None); // a plain scroll bar
    EXPECT_EQ(Choose(u"ComboLBox", 0).Kind, AdapterKind::ComboList);
}

TEST(DialogChildTable, StaticKindsAndButtonKinds)
{
    EXPECT_EQ(Choose(u"static", 0x0003).Kind, AdapterKind::Icon);             // SS_ICON
    EXPECT_EQ(Choose(u"static", 0x000E).Kind, AdapterKind::Icon);             // SS_BITMAP
    EXPECT_EQ(Choose(u"static", 0x0003, 0x00020000).Kind, AdapterKind::Edge); // with WS_EX_STATICEDGE
    EXPECT_EQ(Choose(u"static", 0x0003, 0x00020000).Section, u"EDIT");
    EXPECT_EQ(Choose(u"static", 0x0005).Kind, AdapterKind::None);   // SS_GRAYRECT
    EXPECT_EQ(Choose(u"static", 0x0006).Kind, AdapterKind::None);   // SS_WHITERECT
    EXPECT_EQ(Choose(u"static", 0x000D).Kind, AdapterKind::None);   // SS_OWNERDRAW
    EXPECT_EQ(Choose(u"static", 0x0001).Kind, AdapterKind::Static); // SS_CENTER
    EXPECT_EQ(Choose(u"button", 0x0007).Kind, AdapterKind::GroupBox);
    EXPECT_EQ(Choose(u"button", 0x0009).Kind, AdapterKind::CheckBox); // BS_AUTORADIOBUTTON
    EXPECT_EQ(Choose(u"button", 0x0004).Kind, AdapterKind::CheckBox); // BS_RADIOBUTTON
    EXPECT_EQ(Choose(u"button", 0x000B).Kind, AdapterKind::CheckBox); // owner-drawn: bits 2 and 9 set
    EXPECT_EQ(Choose(u"#32770", 0).Kind, AdapterKind::TransPanel);
    EXPECT_EQ(Choose(u"SysTabControl32", 0x2000).Kind, AdapterKind::None);
    EXPECT_EQ(Choose(u"SysTabControl32", 0).Section, u"PAGECONTROL");
    EXPECT_EQ(Choose(u"msctls_updown32", 0).Section, u"SPEEDBUTTON_SMALL");
    EXPECT_EQ(Choose(u"NoSuchClass", 0).Kind, AdapterKind::None);
}

TEST(DialogChildTable, ClassesThatKeepTheirOwnPainting)
{
    for (auto name : {u"Edit", u"COMBOBOX", u"combolbox", u"ComboBoxEx32", u"ListBox"})
        EXPECT_TRUE(ChildNeedsOwnPainting(name));
    for (auto name : {u"Button", u"Static", u"SysListView32"})
        EXPECT_FALSE(ChildNeedsOwnPainting(name));
}

TEST(AttachRules, ThirdPartyListsChooseTheAdapter)
{
    EXPECT_EQ(AdapterKindOfList(ThirdPartyList::ThirdEdits), AdapterKind::Edit);
    EXPECT_EQ(AdapterKindOfList(ThirdPartyList::ThirdButtons), AdapterKind::Button);
    EXPECT_EQ(AdapterKindOfList(ThirdPartyList::ThirdComboBoxes), AdapterKind::ComboBox);
    EXPECT_EQ(AdapterKindOfList(ThirdPartyList::ThirdSpeedButton), AdapterKind::None);
}

} // namespace
} // namespace korvane
