#include "app/form_generated.h"

#include "editors/new_style_korvane.h"
#include "editors/old_style_menu.h"
#include "editors/old_style_options.h"
#include "editors/source_mod_menu.h"
#include "encoding/save_file.h"
#include "generator/color_codes.h"
#include "generator/new_style_plugin.h"
#include "generator/old_style_plugin.h"
#include "generator/sourcemod_plugin.h"
#include "ui/clipboard.h"
#include "ui/text.h"

#include <filesystem>

namespace korvane {

TForm_Generated* Form_Generated = nullptr;

TForm_Generated::TForm_Generated() : Form({L"TForm_Generated", L"Korvane v1.0.0 - Generated menu", 390, 225, 821, 532})
{
    SetTabOrder({&PluginSource, &Generated_CopyBtn, &Generated_SaveBtn, &Generated_CloseBtn});
    Generated_CopyBtn.on_click = [this] { Generated_CopyBtnClick(); };
    Generated_SaveBtn.on_click = [this] { Generated_SaveBtnClick(); };
    Generated_CloseBtn.on_click = [this] { Generated_CloseBtnClick(); };
}

std::u16string TForm_Generated::GetOldStyleMenu() const
{
    return ColorCodedMenuText(frm_OldStyleMenu->MenuRows());
}

void TForm_Generated::FormShow()
{
    // The box is not cleared: the plug-in is appended to what it holds. When the composition
    // fails part-way (a non-digit key), the lines made so far are appended before the error
    // goes on to the application's error box.
    PluginText text;
    try {
        switch (MenuKind) {
        case static_cast<unsigned>(korvane::MenuKind::NewStyle):
            ComposeNewStylePlugin(NewStyleKorvane->CurrentMenu(), text);
            break;
        case static_cast<unsigned>(korvane::MenuKind::OldStyle):
            ComposeOldStylePlugin(frm_OldStyleOptions->CurrentMenu(), text);
            break;
        case static_cast<unsigned>(korvane::MenuKind::SourceMod):
            ComposeSourceModPlugin(frm_SourceModMenu->CurrentMenu(), text);
            break;
        default:
            break;
        }
    } catch (...) {
        PluginSource.AppendText(ui::ToWide(text.Text()));
        throw;
    }
    PluginSource.AppendText(ui::ToWide(text.Text()));
}

void TForm_Generated::Generated_CopyBtnClick()
{
    PluginSource.SelectAll();
    ui::SetClipboardText(Handle(), PluginSource.SelectedText());
}

void TForm_Generated::Generated_SaveBtnClick()
{
    if (MenuKind == static_cast<unsigned>(korvane::MenuKind::SourceMod)) {
        SaveFileDlg.SetFilter(L"*.sp|*.sp");
        SaveFileDlg.SetFileName(L"menu.sp");
    } else {
        SaveFileDlg.SetFilter(L"*.sma|*.sma");
        SaveFileDlg.SetFileName(L"menu.sma");
    }
    if (SaveFileDlg.Execute(Handle()))
        SaveFileInUTF8(std::filesystem::path(SaveFileDlg.FileName()), ui::ToU16(PluginSource.Text()));
}

void TForm_Generated::Generated_CloseBtnClick()
{
    Close();
}

} // namespace korvane
