#include "app/choose_style_menu.h"

#include "controls/common_data_win32.h"
#include "app/form_generated.h"
#include "editors/new_style_korvane.h"
#include "editors/old_style_menu.h"
#include "editors/source_mod_menu.h"
#include "app/internal_skin.h"
#include "generator/menu_inputs.h"
#include "skin/skin_platform_win32.h"

namespace korvane {

TChooseStyleMenu* ChooseStyleMenu = nullptr;

TChooseStyleMenu::TChooseStyleMenu() : Form({L"TChooseStyleMenu", L"Korvane 1.0.1", 502, 467, 370, 194})
{
    ChooseStyleGroup.SkinData.SetSkinSection(u"GROUPBOX");
    RestoreSkinManager();
    Button1.on_click = [this] { Button1Click(); };
}

void TChooseStyleMenu::RestoreSkinManager()
{
    static Win32SkinPlatform platform;
    sSkinManager1 = std::make_unique<TsSkinManager>(platform);
    // The stored settings, in their order: the stored skins before the folder and the name, since
    // setting the name loads the skin at once.
    sSkinManager1->BeginRestore();
    sSkinManager1->SetActive(SkinningAtStart);
    sSkinManager1->InternalSkins.push_back({std::u16string(kInternalSkinName), InternalSkinPackage()});
    sSkinManager1->SetSkinDirectory(u"c:\\Skins");
    sSkinManager1->SetSkinName(std::u16string(kInternalSkinName));
    // The class names the adapters skin on the forms, by list.
    ThirdPartyList& third = sSkinManager1->ThirdParty;
    third.SetText(ThirdPartyList::ThirdEdits, u"TEdit\r\nTMemo\r\nTMaskEdit\r\nTSpinEdit\r\nTLabeledEdit\r\nTHotKey\r\n"
                                              u"TListBox\r\nTCheckListBox\r\nTRichEdit\r\nTDateTimePicker\r\n"
                                              u"TCategoryButtons\r\nTFileListBox\r\n");
    third.SetText(ThirdPartyList::ThirdButtons, u"TTntButton\r\nTButton\r\n");
    third.SetText(ThirdPartyList::ThirdBitBtns, u"TTntBitBtn\r\nTBitBtn\r\n");
    third.SetText(ThirdPartyList::ThirdCheckBoxes, u"TCheckBox\r\nTRadioButton\r\nTGroupButton\r\n");
    third.SetText(ThirdPartyList::ThirdComboBoxes, u"TComboBox\r\nTComboBoxEx\r\nTColorBox\r\n");
    third.SetText(ThirdPartyList::ThirdGrids, u"TStringGrid\r\nTDrawGrid\r\nTDBGrid\r\nTValueListEditor\r\n");
    third.SetText(ThirdPartyList::ThirdGroupBoxes, u"TGroupBox\r\nTRadioGroup\r\n");
    third.SetText(ThirdPartyList::ThirdListViews, u"TListView\r\n");
    third.SetText(ThirdPartyList::ThirdPanels, u"TPanel\r\nTGridPanel\r\nTDBNavigator\r\n");
    third.SetText(ThirdPartyList::ThirdTreeViews, u"TTreeView\r\n");
    third.SetText(ThirdPartyList::ThirdPageControl, u"TPageControl\r\n");
    third.SetText(ThirdPartyList::ThirdTabControl, u"TTabControl\r\n");
    third.SetText(ThirdPartyList::ThirdToolBar, u"TToolBar\r\n");
    third.SetText(ThirdPartyList::ThirdStatusBar, u"TStatusBar\r\n");
    third.SetText(ThirdPartyList::ThirdSpeedButton, u"TNavButton\r\nTTntSpeedButton\r\nTSpeedButton\r\n");
}

void TChooseStyleMenu::SettingsRestored()
{
    sSkinManager1->EndRestore();
}

void TChooseStyleMenu::FormCreate()
{
    ChooseStyleGroup.SetItemIndex(0);
}

LRESULT TChooseStyleMenu::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Enter reaches the window as the dialog manager's OK command. The chooser has no default
    // button: Enter presses the focused push button, as a dialog's focused button is its default.
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK && lParam == 0 && GetFocus() == Button1.Handle()) {
        Button1.Click();
        return 0;
    }
    return Form::WindowProc(message, wParam, lParam);
}

void TChooseStyleMenu::Button1Click()
{
    Hide();
    switch (ChooseStyleGroup.ItemIndex()) {
    case 0:
        Form_Generated->SetCurrentMenu(static_cast<unsigned>(korvane::MenuKind::NewStyle));
        NewStyleKorvane->ShowModal();
        break;
    case 1:
        Form_Generated->SetCurrentMenu(static_cast<unsigned>(korvane::MenuKind::OldStyle));
        frm_OldStyleMenu->ShowModal();
        break;
    case 2:
        Form_Generated->SetCurrentMenu(static_cast<unsigned>(korvane::MenuKind::SourceMod));
        frm_SourceModMenu->ShowModal();
        break;
    default:
        break;
    }
    Close();
}

} // namespace korvane
