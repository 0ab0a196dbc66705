// Forms: exact client size and position, the modal run with the other windows disabled, and
// the notifications a skin layer hooks.
#include "support/modal_driver.h"
#include "ui/application.h"
#include "ui/edit.h"

#include <gtest/gtest.h>

namespace korvane::ui {
namespace {

int g_destroyedForms = 0;

class PlainForm : public Form {
public:
    PlainForm() : Form({L"TPlainForm", L"Plain", 120, 130, 321, 123}) {}
    int shows = 0;
    int created = 0;
    int destroyed = 0;

protected:
    void OnCreate() override { ++created; }
    void OnShow() override { ++shows; }
    void OnDestroy() override
    {
        ++destroyed;
        ++g_destroyedForms;
    }
};

class NotifiedEdit : public Edit {
public:
    using Edit::Edit;
    std::vector<std::string> events;

protected:
    void OnFocusChanged(bool focused) override { events.push_back(focused ? "focus" : "blur"); }
    void OnEnabledChanged(bool enabled) override { events.push_back(enabled ? "enabled" : "disabled"); }
    void OnVisibilityChanged(bool visible) override { events.push_back(visible ? "shown" : "hidden"); }
    void OnTextChanged() override { events.push_back("text"); }
    void OnFontChanged() override { events.push_back("font"); }
    void OnColorChanged() override { events.push_back("colour"); }
    void OnMouseEnter() override { events.push_back("enter"); }
};

TEST(Form, OpensHiddenAtItsPlaceWithItsClientSize)
{
    PlainForm form;
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(r.top, 130);
    EXPECT_EQ(form.ClientBounds().Width(), 321);
    EXPECT_EQ(form.ClientBounds().Height(), 123);
}

TEST(Form, ShowModalDisablesTheOtherWindowsUntilItCloses)
{
    Application application;
    auto& owner = application.CreateForm<PlainForm>();
    auto& dialog = application.CreateForm<PlainForm>();
    EXPECT_EQ(owner.created, 1);
    owner.Show();
    bool ownerEnabledMeanwhile = true;
    {
        test::ModalDriver driver;
        driver.WhenShown(
            dialog.Handle(),
            [&] {
                ownerEnabledMeanwhile = IsWindowEnabled(owner.Handle()) != FALSE;
                PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
            },
            "the dialog");
        EXPECT_EQ(dialog.ShowModal(), kModalCancel);
    }
    EXPECT_FALSE(ownerEnabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(dialog.shows, 1);
    EXPECT_FALSE(application.Terminated());
}

TEST(Form, DestroyingTheApplicationRunsEveryFormsOnDestroy)
{
    g_destroyedForms = 0;
    {
        Application application;
        application.CreateForm<PlainForm>();
        application.CreateForm<PlainForm>();
        EXPECT_EQ(application.Forms().size(), 2u);
    }
    EXPECT_EQ(g_destroyedForms, 2);
}

TEST(Form, ControlsReportFocusEnabledVisibilityTextFontColourAndMouseChanges)
{
    PlainForm form;
    NotifiedEdit edit(form, BoundsRect(8, 8, 100, 21));
    NotifiedEdit other(form, BoundsRect(8, 40, 100, 21));
    form.Show();
    SetFocus(other.Handle());
    edit.events.clear();
    SetFocus(edit.Handle());
    SetFocus(other.Handle());
    edit.SetEnabled(false);
    edit.SetEnabled(true);
    edit.SetVisible(false);
    edit.SetVisible(true);
    edit.SetText(L"x");
    edit.SetFont(reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    edit.SetColor(RGB(1, 2, 3));
    SendMessageW(edit.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    const std::vector<std::string> expected = {"focus", "blur", "disabled", "enabled", "hidden",
                                               "shown", "text", "font",     "colour",  "enter"};
    EXPECT_EQ(edit.events, expected);
    form.Hide();
}

} // namespace
} // namespace korvane::ui
