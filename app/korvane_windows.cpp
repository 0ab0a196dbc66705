#include "app/korvane_windows.h"

#include "app/choose_style_menu.h"
#include "app/form_generated.h"
#include "editors/new_style_add_item.h"
#include "editors/new_style_korvane.h"
#include "editors/old_style_menu.h"
#include "editors/old_style_options.h"
#include "editors/source_mod_add_item.h"
#include "editors/source_mod_menu.h"

namespace korvane {

void CreateKorvaneWindows(ui::Application& application)
{
    application.SetTitle(kApplicationTitle);
    application.CreateForm<TChooseStyleMenu>();
    application.CreateForm<TNewStyleKorvane>();
    application.CreateForm<TNewStyle_AddItem>();
    application.CreateForm<TForm_Generated>();
    application.CreateForm<Tfrm_OldStyleMenu>();
    application.CreateForm<Tfrm_OldStyleOptions>();
    application.CreateForm<Tfrm_SourceModMenu>();
    application.CreateForm<TSourceModMenu_AddItem>();
    // The skin is applied once every window exists, so that each of them hears of it.
    ChooseStyleMenu->SettingsRestored();
}

} // namespace korvane
