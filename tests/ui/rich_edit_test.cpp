// The rich edit under Wine: rows as displayed (wrapped paragraphs give one row each) and each
// character's colour read from the document without disturbing the user's selection.
#include "ui/form.h"
#include "ui/rich_edit.h"

#include <gtest/gtest.h>

#include <richedit.h>

namespace korvane::ui {
namespace {

class RichEditForm : public Form {
public:
    RichEditForm() : Form({L"TRichEditTestForm", L"Rich edit", 100, 100, 450, 305}) {}
    RichEdit Edit{*this, BoundsRect(8, 48, 433, 217)};
};

// Types as the keyboard does: Enter arrives as a key press (rich edits break lines on it)
// followed by its character.
void Type(HWND window, std::wstring_view text)
{
    for (wchar_t ch : text) {
        if (ch == L'\r')
            SendMessageW(window, WM_KEYDOWN, VK_RETURN, 1);
        SendMessageW(window, WM_CHAR, ch, 1);
        if (ch == L'\r')
            SendMessageW(window, WM_KEYUP, VK_RETURN, 0xC0000001);
    }
}

std::vector<std::wstring> Texts(const std::vector<RichRow>& rows)
{
    std::vector<std::wstring> texts;
    for (const RichRow& row : rows)
        texts.push_back(row.text);
    return texts;
}

TEST(RichEdit, EmptyTextHasNoRowsAndAClosingLineBreakAddsNone)
{
    RichEditForm form;
    EXPECT_TRUE(form.Edit.Rows().empty());
    Type(form.Edit.Handle(), L"one\rtwo\r");
    EXPECT_EQ(Texts(form.Edit.Rows()), (std::vector<std::wstring>{L"one", L"two"}));
    Type(form.Edit.Handle(), L"\rthree");
    EXPECT_EQ(Texts(form.Edit.Rows()), (std::vector<std::wstring>{L"one", L"two", L"", L"three"}));
}

TEST(RichEdit, TypedCharactersTakeTheCaretColourAndKeepIt)
{
    RichEditForm form;
    form.Show();
    form.Edit.SetSelectionColor(RGB(255, 255, 0));
    Type(form.Edit.Handle(), L"ab");
    form.Edit.SetSelectionColor(RGB(255, 0, 0));
    Type(form.Edit.Handle(), L"c\rd");
    const std::vector<RichRow> rows = form.Edit.Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text, L"abc");
    EXPECT_EQ(rows[0].colors, (std::vector<COLORREF>{RGB(255, 255, 0), RGB(255, 255, 0), RGB(255, 0, 0)}));
    EXPECT_EQ(rows[1].colors, (std::vector<COLORREF>{RGB(255, 0, 0)}));
}

TEST(RichEdit, ReadingColoursLeavesTheSelectionWhereItWas)
{
    RichEditForm form;
    form.Show();
    Type(form.Edit.Handle(), L"hello world");
    CHARRANGE selection{2, 5};
    SendMessageW(form.Edit.Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    form.Edit.SetSelectionColor(RGB(128, 128, 128));
    const std::vector<RichRow> rows = form.Edit.Rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].colors[1], RGB(0, 0, 0));
    EXPECT_EQ(rows[0].colors[2], RGB(128, 128, 128));
    EXPECT_EQ(rows[0].colors[5], RGB(0, 0, 0));
    CHARRANGE after{};
    SendMessageW(form.Edit.Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&after));
    EXPECT_EQ(after.cpMin, 2);
    EXPECT_EQ(after.cpMax, 5);
}

TEST(RichEdit, AParagraphWiderThanTheEditGivesOneRowPerDisplayedLine)
{
    RichEditForm form;
    form.Show();
    std::wstring paragraph;
    for (int i = 0; i < 30; ++i)
        paragraph += L"word" + std::to_wstring(i) + L" ";
    Type(form.Edit.Handle(), paragraph);
    const std::vector<RichRow> rows = form.Edit.Rows();
    ASSERT_GE(rows.size(), 2u);
    std::wstring joined;
    for (const RichRow& row : rows) {
        EXPECT_EQ(row.text.size(), row.colors.size());
        joined += row.text;
    }
    EXPECT_EQ(joined, paragraph);
}

} // namespace
} // namespace korvane::ui
