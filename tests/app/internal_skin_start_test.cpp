// At start the chooser's skin manager loads the internal skin from the program's resources and,
// once every window exists, applies it: every form hears of the new skin from it, and every control
// that takes its look from a skin section resolves that section in the loaded skin.
#include "controls/common_data_win32.h"
#include "app/choose_style_menu.h"
#include "app/internal_skin.h"
#include "app/korvane_windows.h"
#include "skin/skin_platform.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/graphic_control.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

namespace korvane {
namespace {

// Forms that heard of a new skin, with the manager that told them.
std::map<HWND, LPARAM> g_setSkin;

// Hears a new skin on a form's path, as the form's objects do.
class SetSkinRecorder : public ui::MessageHook, public SkinTarget {
public:
    explicit SetSkinRecorder(ui::Form& form) : m_form(form) { Attach(form); }
    void SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest) override
    {
        if (change == SkinChange::Set)
            g_setSkin[m_form.Handle()] = reinterpret_cast<LPARAM>(sender);
        rest();
    }

protected:
    bool OnMessage(ui::Message&) override { return false; }

private:
    ui::Form& m_form;
};
std::vector<std::unique_ptr<SetSkinRecorder>> g_recorders;

// Puts a recorder on each form as soon as its window is created.
LRESULT CALLBACK RecordSetSkin(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_CREATE)
        if (auto* form = dynamic_cast<ui::Form*>(ui::Window::FromHandle(message->hwnd)))
            g_recorders.push_back(std::make_unique<SetSkinRecorder>(*form));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct SkinnedControl {
    std::u16string section;
    const TsCommonData* link;
};

void CollectSkinnedControls(HWND parent, std::vector<SkinnedControl>& found)
{
    if (const ui::Window* owner = ui::Window::FromHandle(parent)) {
        for (const ui::GraphicControl* control : owner->GraphicControls())
            if (const TsCommonData* link = TsCommonData::Of(*control))
                found.push_back({link->SkinSection(), link});
    }
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (const ui::Window* window = ui::Window::FromHandle(child))
            if (const TsCommonData* link = TsCommonData::Of(*window))
                found.push_back({link->SkinSection(), link});
        CollectSkinnedControls(child, found);
    }
}

TEST(InternalSkinAtStart, EveryFormAndSkinnedControlReceivesTheInternalSkin)
{
    g_setSkin.clear();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, RecordSetSkin, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    auto application = std::make_unique<ui::Application>();
    CreateKorvaneWindows(*application);
    UnhookWindowsHookEx(hook);

    const TsSkinManager& manager = *ChooseStyleMenu->sSkinManager1;
    EXPECT_EQ(TsSkinManager::DefaultManager(), &manager);
    EXPECT_EQ(manager.SkinName(), kInternalSkinName);
    EXPECT_TRUE(manager.FromPackage());
    EXPECT_TRUE(manager.Tables().SkinData.Active);
    EXPECT_TRUE(manager.Tables().SkinData.SkinPath.empty());
    EXPECT_TRUE(manager.Hooked());

    // The same package loaded on its own gives the same tables.
    PortableSkinPlatform platform;
    SkinManagerCore reference(platform);
    reference.LoadSkinFromPackageData(InternalSkinPackage(), kInternalSkinName);
    ASSERT_GT(reference.Tables().Sections.size(), 0u);
    EXPECT_EQ(manager.Tables().Sections.size(), reference.Tables().Sections.size());
    EXPECT_EQ(manager.Tables().Masks.size(), reference.Tables().Masks.size());

    const LPARAM self = reinterpret_cast<LPARAM>(static_cast<const SkinManagerCore*>(&manager));
    std::vector<SkinnedControl> controls;
    for (const ui::Form* form : application->Forms()) {
        ASSERT_TRUE(g_setSkin.count(form->Handle())) << "a form did not hear of the skin";
        EXPECT_EQ(g_setSkin[form->Handle()], self);
        CollectSkinnedControls(form->Handle(), controls);
    }
    // The chooser's radio group and its three item buttons, the eight speed buttons, the four
    // colour buttons and the menu edit of the old-style editor, and the SourceMod editor's flag
    // list, item list and button.
    EXPECT_EQ(controls.size(), 20u);
    for (const SkinnedControl& control : controls) {
        EXPECT_EQ(control.link->Manager(), &manager);
        EXPECT_GE(control.link->SectionIndex, 0) << std::string(control.section.begin(), control.section.end());
        EXPECT_EQ(control.link->SectionIndex, manager.Tables().FindSection(control.section));
    }
    application.reset();
    g_recorders.clear();
}

} // namespace
} // namespace korvane
