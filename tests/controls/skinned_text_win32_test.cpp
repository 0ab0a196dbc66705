// Captions in the skin's look drawn by GDI into a control's cache: the section's font colour with
// its contours, the disabled mix, the text glow around the letters, the platform's look without a
// skin; glyph bitmaps read for the glyph painting; window regions with cut corners.
#include "controls/glyph_bitmap_win32.h"
#include "controls/skinned_text_win32.h"
#include "controls/window_region_win32.h"
#include "win32/dc_guards.h"
#include "support/skinned_form_fixture_win32.h"

#include <set>

namespace korvane {
namespace {

using test::SkinnedBox;

// Red text with a blue left contour on black; the same with a white glow; a dark section for
// the disabled mix (0.4 of 0x0000FF and 0.6 of GLOBALINFO's 0x00FF00 = 0x009966).
const std::string kOptions = "[GLOBALINFO]\r\nVERSION=7.3\r\nCOLOR=65280\r\n"
                             "[CONTOURED]\r\nCOLOR=0\r\nFONTCOLOR=255\r\nTCLEFT=16711680\r\n"
                             "[GLOWING]\r\nCOLOR=0\r\nFONTCOLOR=255\r\nGSIZE=3\r\nGCOL=16777215\r\n";

class SkinnedText : public test::SkinnedFormTest {
protected:
    std::string Options() const override { return kOptions; }

    // The box's cache painted plain (its face) with the caption drawn in a sharp font.
    std::set<std::uint32_t> DrawCaption(SkinnedBox& box, bool enabled)
    {
        box.Data.PaintFaceToCache(0);
        HDC dc = box.Data.CacheBitmap.Dc();
        LOGFONTW font{};
        font.lfHeight = -16;
        font.lfWeight = FW_BOLD;
        font.lfQuality = NONANTIALIASED_QUALITY;
        wcscpy(font.lfFaceName, L"Tahoma");
        win32::OwnedFont owned(CreateFontIndirectW(&font));
        const HGDIOBJ previous = SelectObject(dc, owned.get());
        DrawSkinnedText(dc, L"WWW", enabled, false, box.Data, DT_LEFT | DT_TOP | DT_SINGLELINE,
                        BoundsRect(10, 8, 80, 24), &m_work);
        SelectObject(dc, previous);
        std::set<std::uint32_t> colours;
        const BitmapView view = box.Data.CacheBitmap.View();
        for (int y = 0; y < view.Height; ++y)
            for (int x = 0; x < view.Width; ++x)
                colours.insert(view.At(x, y) & 0xFFFFFF);
        return colours;
    }

    GdiGlowWorkImage m_work;
};

TEST_F(SkinnedText, TheCaptionTakesTheSectionsColourOverItsContour)
{
    SkinnedBox& box = Box(*m_form, BoundsRect(10, 10, 100, 40), u"CONTOURED");
    Apply();
    const std::set<std::uint32_t> colours = DrawCaption(box, true);
    EXPECT_TRUE(colours.count(0xFF0000)) << "red text (pixel bytes read as 0x00RRGGBB)";
    EXPECT_TRUE(colours.count(0x0000FF)) << "the blue contour shows left of the strokes";
    EXPECT_TRUE(colours.count(0x000000)) << "the face";
}

TEST_F(SkinnedText, ADisabledCaptionMixesTheFontColourWithTheGlobalColour)
{
    SkinnedBox& box = Box(*m_form, BoundsRect(10, 10, 100, 40), u"CONTOURED");
    Apply();
    const std::set<std::uint32_t> colours = DrawCaption(box, false);
    // Red 0.4 * 255 = 102, green 0.6 * 255 = 153: as a pixel 0x00RRGGBB = 0x669900.
    EXPECT_TRUE(colours.count(0x669900));
    EXPECT_FALSE(colours.count(0xFF0000)) << "no enabled text colour";
    EXPECT_FALSE(colours.count(0x0000FF)) << "no contour on a disabled caption";
}

TEST_F(SkinnedText, AGlowLightsThePixelsAroundTheLetters)
{
    SkinnedBox& plain = Box(*m_form, BoundsRect(10, 10, 100, 40), u"CONTOURED");
    SkinnedBox& glowing = Box(*m_form, BoundsRect(10, 60, 100, 40), u"GLOWING");
    Apply();
    const std::set<std::uint32_t> without = DrawCaption(plain, true);
    const std::set<std::uint32_t> with = DrawCaption(glowing, true);
    // Without a glow the face keeps its black, the text its red and the contour its blue only.
    EXPECT_EQ(without.size(), 3u);
    // Greys between black and white appear where the halo fades out.
    int greys = 0;
    for (std::uint32_t c : with)
        if (c != 0 && (c & 0xFF) == ((c >> 8) & 0xFF) && c != 0xFFFFFF)
            ++greys;
    EXPECT_GT(greys, 3);
    // The face far from the text stays black.
    EXPECT_EQ(glowing.Data.CacheBitmap.View().At(99, 39) & 0xFFFFFF, 0u);
}

TEST_F(SkinnedText, AnUnskinnedDisabledCaptionIsEmbossed)
{
    SkinnedBox& box = Box(*m_form, BoundsRect(10, 10, 100, 40), u"NO SUCH SECTION");
    Apply();
    box.Data.PrepareCache();
    HDC dc = box.Data.CacheBitmap.Dc();
    RECT all{0, 0, 100, 40};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    DrawSkinnedText(dc, L"WWW", false, false, box.Data, DT_LEFT | DT_TOP | DT_SINGLELINE, BoundsRect(10, 8, 80, 24));
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    bool sawHighlight = false;
    bool sawShadow = false;
    const BitmapView view = box.Data.CacheBitmap.View();
    for (int y = 0; y < view.Height; ++y)
        for (int x = 0; x < view.Width; ++x) {
            const COLORREF c = PixelToColor(view.At(x, y));
            sawHighlight = sawHighlight || c == highlight;
            sawShadow = sawShadow || c == shadow;
        }
    EXPECT_TRUE(sawHighlight);
    EXPECT_TRUE(sawShadow);
}

TEST(RadioCaption, RightToLeftAlignsOnlyAnUnwrappedCaptionRightOfThePictureAndAWrappedOneIsCentred)
{
    win32::MemoryDC dc(nullptr);
    RadioCaptionFacts facts;
    facts.Width = 120;
    facts.Height = 20;
    facts.GlyphWidth = 13;
    facts.RightToLeft = true;
    const PlacedCaption right = PlaceRadioCaption(dc.get(), L"Caption", facts);
    EXPECT_EQ(right.Flags, static_cast<UINT>(DT_SINGLELINE | DT_RIGHT | DT_RTLREADING));
    EXPECT_EQ(right.Rect, RadioCaptionRect(facts, MeasureText(dc.get(), L"Caption", DT_SINGLELINE, 0)));
    facts.CaptionRight = false;
    EXPECT_EQ(PlaceRadioCaption(dc.get(), L"Caption", facts).Flags, static_cast<UINT>(DT_SINGLELINE | DT_RTLREADING));
    facts.WordWrap = true;
    facts.RightToLeft = false;
    EXPECT_EQ(PlaceRadioCaption(dc.get(), L"Caption", facts).Flags, static_cast<UINT>(DT_CENTER | DT_WORDBREAK));
}

TEST(GlyphBitmap, ReadsTheBitsAndTheDepthOfAGlyph)
{
    const std::uint32_t pixels[4] = {0x00FF00FF, 0x00112233, 0x00445566, 0x00FFFFFF};
    win32::OwnedBitmap bitmap(CreateBitmap(2, 2, 1, 32, pixels));
    const GlyphBitmap glyph = ReadGlyphBitmap(bitmap.get());
    ASSERT_EQ(glyph.Pixels.Width(), 2);
    EXPECT_EQ(glyph.BitsPerPixel, 32);
    EXPECT_EQ(glyph.Pixels.Pixel(1, 0) & 0xFFFFFF, 0x112233u);
    EXPECT_EQ(glyph.Pixels.Pixel(0, 1) & 0xFFFFFF, 0x445566u);
    EXPECT_TRUE(ReadGlyphBitmap(nullptr).Pixels.Empty());
}

TEST(WindowRegion, CutCornersLetTheParentShowOnAChildWindow)
{
    test::BoxForm form;
    form.Show();
    HWND child = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 20, 20, 40, 30, form.Handle(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(child, nullptr);
    // The top-left corner: two pixels of row 0 and one of row 1 are cut.
    win32::OwnedRegion region = RegionWithout(40, 30, {{0, 0, 2, 1}, {0, 1, 1, 2}});
    ASSERT_NE(SetWindowRgn(child, region.release(), TRUE), 0);
    win32::OwnedRegion kept(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(child, kept.get()), ERROR);
    EXPECT_FALSE(PtInRegion(kept.get(), 0, 0));
    EXPECT_FALSE(PtInRegion(kept.get(), 1, 0));
    EXPECT_FALSE(PtInRegion(kept.get(), 0, 1));
    EXPECT_TRUE(PtInRegion(kept.get(), 2, 0));
    EXPECT_TRUE(PtInRegion(kept.get(), 1, 1));
    EXPECT_TRUE(PtInRegion(kept.get(), 39, 29));
    // The mouse over a cut corner is over the parent, not the child (an edit: a static control
    // would let every hit test through).
    POINT corner{20, 20};
    POINT inside{25, 25};
    ClientToScreen(form.Handle(), &corner);
    ClientToScreen(form.Handle(), &inside);
    EXPECT_EQ(WindowFromPoint(corner), form.Handle());
    EXPECT_EQ(WindowFromPoint(inside), child);
    DestroyWindow(child);
    form.Hide();
}

} // namespace
} // namespace korvane
