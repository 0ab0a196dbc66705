// Control skin data in real windows: a form with a chain of skinned boxes answers the background
// question by SendMessage, a missing section leaves a control unskinned but answering, moves keep
// or drop the cache, the manager's broadcast takes the skin off and puts it back, and the hover
// glow follows the mouse.
#include "gfx/colors.h"
#include "render/glow.h"
#include "support/skinned_form_fixture_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

namespace korvane {
namespace {

using test::SkinnedBox;

// Sections with exactly the values the cases need: an opaque flat face, an opaque gradient, one
// that shows its parent through, one half transparent, and one with a hover glow.
const std::string kOptions =
    "[GLOBALINFO]\r\nVERSION=7.3\r\nCOLOR=5719359\r\n"
    "[FLAT]\r\nCOLOR=255\r\n"
    "[SHADED]\r\nCOLOR=16711680\r\nGRADIENTPERCENT=100\r\nGRADIENTDATA=255;16711680;100;0;0\r\n"
    "[SEE]\r\nCOLOR=65280\r\nTRANSPARENCY=100\r\n"
    "[HALF]\r\nCOLOR=16777215\r\nTRANSPARENCY=50\r\n"
    "[GLOWING]\r\nCOLOR=8421504\r\nGLOW=1\r\nGLOWMARGIN=2\r\nGLOW0=!GLOW.PNG!1!0!3!0008!0008!0008!0008\r\n";

class ControlSkinData : public test::SkinnedFormTest {
protected:
    std::string Options() const override { return kOptions; }
};

TEST_F(ControlSkinData, OpaqueBoxesAnswerWithTheirColourOrTheirCache)
{
    SkinnedBox& flat = Box(*m_form, BoundsRect(10, 10, 60, 40), u"flat");
    SkinnedBox& shaded = Box(*m_form, BoundsRect(80, 10, 60, 40), u"shaded");
    Apply();
    EXPECT_EQ(flat.Data.SkinSection(), u"FLAT") << "stored upper-cased";
    const BackgroundRequest fromFlat = Ask(flat);
    EXPECT_EQ(fromFlat.AnswerKind, kAnswerColour);
    EXPECT_EQ(fromFlat.Color, 0x0000FFu);
    ASSERT_FALSE(shaded.Data.CacheStale) << "the box painted its cache";
    const BackgroundRequest fromShaded = Ask(shaded);
    EXPECT_EQ(fromShaded.AnswerKind, kAnswerBitmap);
    EXPECT_TRUE(fromShaded.Bitmap.SameAs(shaded.Data.CacheBitmap.View()));
    EXPECT_EQ(fromShaded.OffsetX, 0);
    EXPECT_EQ(fromShaded.OffsetY, 0);
    EXPECT_EQ(fromShaded.Color, 5719359u) << "a varying face names the global colour with its bitmap";
}

TEST_F(ControlSkinData, SeeThroughBoxAnswersFromAFreshCacheAndAsksItsParentWithAStaleOne)
{
    SkinnedBox& outer = Box(*m_form, BoundsRect(10, 10, 200, 150), u"SHADED");
    SkinnedBox& middle = Box(outer, BoundsRect(20, 30, 120, 80), u"SEE");
    Apply();
    ASSERT_FALSE(middle.Data.CacheStale);
    const BackgroundRequest fresh = Ask(middle);
    EXPECT_EQ(fresh.AnswerKind, kAnswerBitmap);
    EXPECT_TRUE(fresh.Bitmap.SameAs(middle.Data.CacheBitmap.View()));
    EXPECT_EQ(fresh.OffsetX, 0);

    middle.Data.CacheStale = true;
    const BackgroundRequest stale = Ask(middle);
    EXPECT_EQ(stale.AnswerKind, kAnswerBitmap);
    EXPECT_TRUE(stale.Bitmap.SameAs(outer.Data.CacheBitmap.View())) << "passed on to the parent";
    EXPECT_EQ(stale.OffsetX, 20) << "with the own position in the parent";
    EXPECT_EQ(stale.OffsetY, 30);

    // Its face is the parent's, pixel for pixel.
    const BitmapView inner = middle.Data.CacheBitmap.View();
    const BitmapView behind = outer.Data.CacheBitmap.View();
    EXPECT_EQ(inner.At(5, 7) & 0xFFFFFF, behind.At(25, 37) & 0xFFFFFF);
}

TEST_F(ControlSkinData, HalfTransparentBoxAnswersWithItsCacheOrTheKeyWithoutOne)
{
    SkinnedBox& half = Box(*m_form, BoundsRect(10, 10, 60, 40), u"HALF");
    Apply();
    const BackgroundRequest withCache = Ask(half);
    EXPECT_EQ(withCache.AnswerKind, kAnswerBitmap);
    half.Data.CacheBitmap.Resize(0, 0);
    const BackgroundRequest without = Ask(half);
    EXPECT_EQ(without.AnswerKind, kAnswerColour);
    EXPECT_EQ(without.Color, TransparentKey);
}

TEST_F(ControlSkinData, StateColourMixesWithTheParentByTransparency)
{
    SkinnedBox& outer = Box(*m_form, BoundsRect(10, 10, 200, 150), u"FLAT");
    SkinnedBox& half = Box(outer, BoundsRect(10, 10, 60, 40), u"HALF");
    SkinnedBox& see = Box(outer, BoundsRect(80, 10, 60, 40), u"SEE");
    Apply();
    // Red 255 under white at 50 %: red stays 255, green and blue 127.5 round to 128.
    EXPECT_EQ(half.Data.StateColour(0), 0x8080FFu);
    EXPECT_EQ(see.Data.StateColour(0), 0x0000FFu) << "exactly the parent's colour";
    const LRESULT answer = SendMessageW(half.Handle(), SKM_COMMAND, EngineCommandWParam(SKC_GETBGCOLOR), 0);
    EXPECT_EQ(static_cast<std::uint32_t>(answer), 0x8080FFu);
}

TEST_F(ControlSkinData, AMissingSectionPaintsUnskinnedButStillAnswersAsSkinned)
{
    SkinnedBox& missing = Box(*m_form, BoundsRect(10, 10, 60, 40), u"NO SUCH SECTION");
    SkinnedBox& unnamed = Box(*m_form, BoundsRect(80, 10, 60, 40), u"");
    Apply();
    EXPECT_EQ(missing.Data.SectionIndex, -1);
    EXPECT_FALSE(missing.Data.IsSkinned());
    EXPECT_TRUE(AnswersSkinCommands(missing.Handle()));
    EXPECT_EQ(unnamed.Data.SkinSection(), u"UNKNOWN");
    std::int32_t index = 7;
    SendMessageW(missing.Handle(), SKM_COMMAND, EngineCommandWParam(SKC_GETSECTIONINDEX),
                 reinterpret_cast<LPARAM>(&index));
    EXPECT_EQ(index, -1);
}

TEST_F(ControlSkinData, MovingAnOpaquePlainBoxKeepsItsCacheAndADisabledOneLosesIt)
{
    SkinnedBox& flat = Box(*m_form, BoundsRect(10, 10, 60, 40), u"FLAT");
    SkinnedBox& disabled = Box(*m_form, BoundsRect(10, 80, 60, 40), u"FLAT");
    Apply();
    ASSERT_FALSE(flat.Data.CacheStale);
    flat.SetBounds(BoundsRect(20, 10, 60, 40));
    EXPECT_FALSE(flat.Data.CacheStale);
    disabled.SetEnabled(false);
    RedrawWindow(m_form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    disabled.Data.CacheStale = false;
    disabled.SetBounds(BoundsRect(20, 80, 60, 40));
    EXPECT_TRUE(disabled.Data.CacheStale);
}

TEST_F(ControlSkinData, TheManagersBroadcastTakesTheSkinOffAndPutsItBack)
{
    SkinnedBox& box = Box(*m_form, BoundsRect(10, 10, 60, 40), u"SHADED");
    Apply();
    const int index = box.Data.SectionIndex;
    ASSERT_GE(index, 0);
    ASSERT_GT(box.Data.CacheBitmap.Width(), 0);
    m_manager->SetActive(false);
    EXPECT_EQ(box.Data.SectionIndex, -1);
    EXPECT_TRUE(box.Data.PaintSuspended);
    EXPECT_EQ(box.Data.CacheBitmap.Width(), 0) << "no skin, no cache memory";
    m_manager->SetActive(true);
    EXPECT_EQ(box.Data.SectionIndex, index);
    EXPECT_FALSE(box.Data.PaintSuspended);
    EXPECT_TRUE(box.Data.IsSkinned(true));
}

TEST_F(ControlSkinData, AControlForgetsANamedManagerThatIsDestroyed)
{
    SkinnedBox& box = Box(*m_form, BoundsRect(10, 10, 60, 40), u"FLAT");
    Apply();
    auto named = std::make_unique<TsSkinManager>(m_platform);
    box.Data.SetSkinManager(named.get());
    ASSERT_EQ(box.Data.SkinManager(), named.get());
    named.reset();
    EXPECT_EQ(box.Data.SkinManager(), nullptr) << "the control still points at the destroyed manager";
    EXPECT_EQ(box.Data.Manager(), m_manager.get());
}

TEST_F(ControlSkinData, TheHoverGlowAppearsUnderTheMouseAndGoesWhenItLeaves)
{
    if (!GlowsAvailable())
        GTEST_SKIP() << "no layered windows";
    SkinnedBox& box = Box(*m_form, BoundsRect(40, 40, 75, 25), u"GLOWING");
    Apply();
    SendMessageW(box.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    ASSERT_TRUE(box.Data.MouseInside);
    ASSERT_GE(box.Data.GlowHandle, 0);
    const HWND glow = static_cast<HWND>(GlowWindow(box.Data.GlowHandle));
    ASSERT_NE(glow, nullptr);
    EXPECT_TRUE(IsWindowVisible(glow));
    RECT r{};
    GetWindowRect(glow, &r);
    RECT boxRect{};
    GetWindowRect(box.Handle(), &boxRect);
    // 75 x 25 with glow widths of 8 and a margin of 2: 87 x 37, 6 pixels out on each side.
    EXPECT_EQ(r.right - r.left, 87);
    EXPECT_EQ(r.bottom - r.top, 37);
    EXPECT_EQ(r.left, boxRect.left - 6);
    EXPECT_EQ(r.top, boxRect.top - 6);
    SendMessageW(box.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(box.Data.MouseInside);
    EXPECT_FALSE(IsWindow(glow)) << "every glow goes when the mouse leaves";
}

} // namespace
} // namespace korvane
