#include "skin/manager_settings.h"
#include "skin/skin_manager_core.h"
#include "skin/skin_platform.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(ManagerSettings, NewManagerHasTheDefaultEffectsAndAnimations)
{
    PortableSkinPlatform platform;
    SkinManagerCore manager(platform);
    EXPECT_TRUE(manager.Effects.AllowGlowing);
    EXPECT_TRUE(manager.SkinnedPopups);
    EXPECT_EQ(manager.SkinningRules, srStdForms | srStdDialogs | srThirdParty);
    const TacAnimEffects& anim = manager.AnimEffects;
    for (TacBtnEvent event : {beMouseEnter, beMouseLeave, beMouseDown, beMouseUp})
        EXPECT_TRUE(anim.Buttons.Has(event));
    EXPECT_EQ(anim.Minimizing.Time, 200);
    EXPECT_EQ(anim.SkinChanging.Time, 100);
    EXPECT_EQ(anim.SkinChanging.Mode, TacAnimType::atFading);
    EXPECT_EQ(anim.FormShow.Mode, TacAnimType::atAero);
    EXPECT_EQ(anim.FormShow.Time, 0);
    EXPECT_FALSE(anim.BlendOnMoving.Active);
    EXPECT_EQ(anim.BlendOnMoving.BlendValue, 170);
    EXPECT_EQ(anim.BlendOnMoving.Time, 1000);
    EXPECT_EQ(manager.MenuSupport.IcoLineSkin, u"ICOLINE");
    EXPECT_EQ(manager.MenuSupport.ExtraLineWidth, 32);
}

TEST(ManagerSettings, EmptyThirdPartyTextsTakeTheirDefaults)
{
    ThirdPartyList lists;
    EXPECT_EQ(lists.Text(ThirdPartyList::ThirdButtons), u"TButton");
    EXPECT_EQ(lists.Names(ThirdPartyList::ThirdButtons), std::vector<std::u16string>{u"TButton"});
    EXPECT_EQ(lists.Text(ThirdPartyList::ThirdEdits), u" ");
    EXPECT_TRUE(lists.Contains(ThirdPartyList::ThirdButtons, u"TButton"));
    EXPECT_FALSE(lists.Contains(ThirdPartyList::ThirdEdits, u"TEdit"));
}

TEST(ManagerSettings, ThirdPartyTextsSplitIntoOneNamePerLineWhenRestored)
{
    PortableSkinPlatform platform;
    SkinManagerCore manager(platform);
    manager.BeginRestore();
    manager.ThirdParty.SetText(ThirdPartyList::ThirdEdits, u"TEdit\r\nTMemo\nTMaskEdit\r\n");
    manager.ThirdParty.SetText(ThirdPartyList::ThirdButtons, u"");
    manager.MenuSupport.IcoLineSkin.clear();
    manager.EndRestore();
    EXPECT_EQ(manager.ThirdParty.Names(ThirdPartyList::ThirdEdits),
              (std::vector<std::u16string>{u"TEdit", u"TMemo", u"TMaskEdit"}));
    EXPECT_TRUE(manager.ThirdParty.Contains(ThirdPartyList::ThirdEdits, u"TMemo"));
    EXPECT_EQ(manager.ThirdParty.Text(ThirdPartyList::ThirdButtons), u"TButton");
    EXPECT_EQ(manager.MenuSupport.IcoLineSkin, u"ICOLINE");
}

} // namespace
} // namespace korvane
