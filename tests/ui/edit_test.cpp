// The single-line edit's key filter: typed characters pass, are replaced or are dropped (code
// 0); pasted text does not pass through it.
#include "ui/clipboard.h"
#include "ui/edit.h"
#include "ui/form.h"

#include <gtest/gtest.h>

namespace korvane::ui {
namespace {

class EditForm : public Form {
public:
    EditForm() : Form({L"TEditTestForm", L"Edit", 100, 100, 200, 60}) {}
    Edit Field{*this, BoundsRect(8, 8, 180, 21)};
};

TEST(Edit, KeyFilterDropsCharactersSetToZeroAndTypesReplacements)
{
    EditForm form;
    std::wstring seen;
    form.Field.on_key_press = [&](wchar_t& key) {
        seen.push_back(key);
        if (key == L'x')
            key = 0;
        else if (key == L'a')
            key = L'b';
    };
    for (wchar_t ch : std::wstring(L"axc"))
        SendMessageW(form.Field.Handle(), WM_CHAR, ch, 1);
    EXPECT_EQ(seen, L"axc");
    EXPECT_EQ(form.Field.Text(), L"bc");
}

TEST(Edit, PastedTextBypassesTheKeyFilter)
{
    EditForm form;
    form.Field.on_key_press = [](wchar_t& key) { key = 0; };
    ASSERT_TRUE(SetClipboardText(form.Handle(), L"pasted ж"));
    SendMessageW(form.Field.Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(form.Field.Text(), L"pasted ж");
}

} // namespace
} // namespace korvane::ui
