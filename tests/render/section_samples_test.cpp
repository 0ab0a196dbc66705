#include "render/section_samples.h"

#include <gtest/gtest.h>

#include <vector>

#include "gfx/blend_bitmap.h"
#include "render/fade_math.h"
#include "render/fake_skin.h"

namespace korvane {
namespace {

using namespace korvane::testing;

TsGeneralData PlainSection(const char16_t* name, int states, std::int32_t color, std::int32_t hotColor)
{
    TsGeneralData section;
    section.SectionName = name;
    section.States = states;
    section.Props[0].Color = color;
    section.Props[1].Color = hotColor;
    section.FadingIterations = 20;
    return section;
}

std::vector<SectionSample> Samples(const FakeSkin& skin, const SampleRequest& request)
{
    std::vector<SectionSample> samples;
    PaintEverySection(skin, request, [&](SectionSample&& sample) { samples.push_back(std::move(sample)); });
    return samples;
}

TEST(SectionSamples, EachStateUpToTheLimitThenAFadeFrameHalfway)
{
    FakeSkin skin;
    skin.Sections.push_back(PlainSection(u"BUTTON", 9, 0x000000FF, 0x0000FF00));
    SampleRequest request;
    request.Width = 5;
    request.Height = 3;
    const std::vector<SectionSample> samples = Samples(skin, request);
    ASSERT_EQ(samples.size(), static_cast<std::size_t>(kMaxSampledStates + 1));
    for (int state = 0; state < kMaxSampledStates; ++state) {
        EXPECT_EQ(samples[static_cast<std::size_t>(state)].Label, "state " + std::to_string(state));
        EXPECT_EQ(samples[static_cast<std::size_t>(state)].Picture.Pixel(4, 2), state == 0 ? 0xFFFF0000u : 0xFF00FF00u);
    }
    const SectionSample& fade = samples.back();
    EXPECT_EQ(fade.Label, "fade 0-1");
    // Frame 10 of 20 keeps the old picture with weight 255 - 10 * 256 / 20 = 127.
    EXPECT_EQ(FadeAlpha(10, 20), 127);
    Bitmap32 expected(5, 3);
    PaintFadeFrame(expected.View(), samples[0].Picture.ReadView(), samples[1].Picture.ReadView(), 127);
    EXPECT_TRUE(fade.Picture.SamePixels(expected));
}

TEST(SectionSamples, OneSectionInOneStateAndEmptySizesPaintNothingElse)
{
    FakeSkin skin;
    skin.Sections.push_back(PlainSection(u"EDIT", 1, 0x00000010, 0x00000010));
    skin.Sections.push_back(PlainSection(u"BUTTON", 3, 0x000000FF, 0x0000FF00));
    SampleRequest request;
    request.Section = 1;
    request.State = 2;
    request.Width = 2;
    request.Height = 2;
    std::vector<SectionSample> samples = Samples(skin, request);
    ASSERT_EQ(samples.size(), 1u);
    EXPECT_EQ(samples[0].SectionIndex, 1);
    EXPECT_EQ(samples[0].State, 2);
    EXPECT_EQ(samples[0].Picture.Pixel(1, 1), 0xFF00FF00u);

    for (auto [w, h] : {std::pair{0, 0}, std::pair{0, 7}, std::pair{1, 1}}) {
        SampleRequest tiny;
        tiny.Width = w;
        tiny.Height = h;
        tiny.EveryPainter = true;
        for (const SectionSample& sample : Samples(skin, tiny)) {
            EXPECT_LE(sample.Picture.Width(), 1);
            EXPECT_LE(sample.Picture.Height(), 1);
        }
    }
}

// Counts how often a section is asked for.
class CountingSkin : public FakeSkin {
public:
    const TsGeneralData* Section(int index) const override
    {
        ++Asked;
        return FakeSkin::Section(index);
    }
    mutable int Asked = 0;
};

TEST(SectionSamples, ARequestedSectionIsPaintedWithoutPassingTheSectionsBeforeIt)
{
    CountingSkin skin;
    for (int i = 0; i < 1000; ++i) {
        skin.Sections.push_back(PlainSection(u"PANEL", 1, i, i));
    }
    SampleRequest request;
    request.Width = 2;
    request.Height = 2;
    request.Section = 999;
    const std::vector<SectionSample> samples = Samples(skin, request);
    ASSERT_EQ(samples.size(), 1u);
    EXPECT_EQ(samples[0].SectionIndex, 999);
    EXPECT_EQ(samples[0].Picture.Pixel(0, 0), 0xFFE70300u) << "section 999's colour, 0x0003E7";
    EXPECT_LT(skin.Asked, 5);
    // Sections that do not exist paint nothing.
    for (const int missing : {1000, 5000, -2}) {
        request.Section = missing;
        EXPECT_TRUE(Samples(skin, request).empty()) << missing;
    }
}

} // namespace
} // namespace korvane
