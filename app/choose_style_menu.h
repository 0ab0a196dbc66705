#pragma once

#include "ui/form.h"
#include "ui/global_reference.h"
#include "ui/push_button.h"
#include "controls/skinned_radio_group_win32.h"
#include "windows/skin_manager_win32.h"

#include <memory>

namespace korvane {

class TChooseStyleMenu;
// The one TChooseStyleMenu of the program, set while it exists.
extern TChooseStyleMenu* ChooseStyleMenu;

// The chooser: the main window. Its button records the chosen menu kind in the generated-source
// window and runs the editor chain of that kind; when the chain returns, the program ends.
class TChooseStyleMenu : public ui::Form {
public:
    TChooseStyleMenu();

    TsRadioGroup ChooseStyleGroup{
        *this,
        BoundsRect(8, 15, 353, 137),
        {L"New style menu. Need at least AmxMod X 1.5.", L"Old style menu.", L"SourceMod Menu."}};
    ui::PushButton Button1{*this, BoundsRect(144, 160, 75, 25), L"Продолжить"};
    // The program's skin manager, restored from the chooser's stored settings: it loads the
    // internal skin when the chooser is created and applies it once every window exists.
    std::unique_ptr<TsSkinManager> sSkinManager1;

    // The chooser's stored settings are fully restored: the skin is applied to every window.
    void SettingsRestored();

    // The manager's stored Active setting, read when the chooser is created: false starts the
    // program with skinning switched off (no skin is loaded or applied).
    inline static bool SkinningAtStart = true;

    void FormCreate();
    void Button1Click();

protected:
    void OnCreate() override { FormCreate(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void RestoreSkinManager();

private:
    ui::GlobalReference<TChooseStyleMenu> m_globalReference{ChooseStyleMenu, this};
};

} // namespace korvane
