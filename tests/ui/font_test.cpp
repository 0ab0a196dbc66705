// The program's font asks for "MS Sans Serif" at height -11 with the Cyrillic character set, so
// Russian text has glyphs even under a Western code page (Wine's default is 1252).
#include "support/screenshot.h"
#include "win32/dc_guards.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/label.h"

#include <gtest/gtest.h>

namespace korvane::ui {
namespace {

TEST(Font, AsksForMsSansSerifElevenPixelsHighInTheCyrillicSet)
{
    LOGFONTW logFont{};
    ASSERT_TRUE(GetObjectW(DefaultFont(), sizeof logFont, &logFont));
    EXPECT_STREQ(logFont.lfFaceName, L"MS Sans Serif");
    EXPECT_EQ(logFont.lfHeight, -11);
    EXPECT_EQ(logFont.lfCharSet, RUSSIAN_CHARSET);
}

TEST(Font, RussianLettersHaveGlyphsUnderTheSystemCodePage)
{
    win32::WindowDC screen(nullptr);
    win32::SelectObjectGuard select(screen.get(), DefaultFont());
    const std::wstring russian = L"Продолжить Сгенерировать ЁЖЩЯ";
    std::vector<WORD> glyphs(russian.size());
    ASSERT_NE(GetGlyphIndicesW(screen.get(), russian.c_str(), static_cast<int>(russian.size()), glyphs.data(),
                               GGI_MARK_NONEXISTING_GLYPHS),
              GDI_ERROR);
    for (std::size_t i = 0; i < russian.size(); ++i)
        EXPECT_NE(glyphs[i], 0xFFFF) << "no glyph for character " << i << " (code page " << GetACP() << ")";
    EXPECT_EQ(GetTextCharset(screen.get()), RUSSIAN_CHARSET);
}

class CyrillicForm : public Form {
public:
    CyrillicForm() : Form({L"TCyrillicTestForm", L"Проверка шрифта — Cyrillic", 40, 40, 300, 60}) {}
    Label Text{*this, 8, 8, L"Съешь же ещё этих мягких французских булок"};
};

TEST(Font, CyrillicCaptionsRenderInAScreenshot)
{
    CyrillicForm form;
    form.Show();
    EXPECT_FALSE(test::SaveScreenshot("cyrillic-font").empty());
    form.Hide();
}

} // namespace
} // namespace korvane::ui
