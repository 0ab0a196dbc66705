// The application object: the text of its box for uncaught errors, that box appearing when a
// handler throws (the program going on), and the end of the program with its main form.
#include "support/modal_driver.h"
#include "ui/application.h"
#include "ui/push_button.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace korvane::ui {
namespace {

class ThrowingForm : public Form {
public:
    ThrowingForm() : Form({L"TThrowingForm", L"Throwing", 100, 100, 200, 100})
    {
        Button.on_click = [] { throw std::runtime_error("Cannot create file C:\\x\\menu.sma"); };
    }
    PushButton Button{*this, BoundsRect(10, 10, 75, 25), L"Go"};
};

TEST(Application, ErrorBoxAppendsAPeriodOnlyAfterACharacterAboveThePeriod)
{
    EXPECT_EQ(Application::ErrorBoxText(std::runtime_error("Cannot create file a.sma")), L"Cannot create file a.sma.");
    EXPECT_EQ(Application::ErrorBoxText(std::runtime_error("Done.")), L"Done.");
    EXPECT_EQ(Application::ErrorBoxText(std::runtime_error("Stop!")), L"Stop!") << "'!' comes before '.'";
    EXPECT_EQ(Application::ErrorBoxText(std::runtime_error("a-")), L"a-") << "'-' comes before '.'";
    EXPECT_EQ(Application::ErrorBoxText(std::runtime_error("x/")), L"x/.") << "'/' comes after '.'";
    EXPECT_EQ(Application::ErrorBoxText(std::runtime_error("Ошибка")), L"Ошибка.");
    EXPECT_EQ(Application::ErrorBoxText(std::runtime_error("")), L"");
}

TEST(Application, AnErrorNoHandlerCaughtShowsTheTitledBoxAndTheProgramGoesOn)
{
    Application application;
    application.SetTitle(L"Simple Korvane v1.0.1");
    auto& form = application.CreateForm<ThrowingForm>();
    bool openAfterwards = false;
    {
        test::ModalDriver driver;
        driver
            .WhenShown(
                form.Handle(),
                [&] {
                    SendMessageW(form.Button.Handle(), BM_CLICK, 0, 0);
                    openAfterwards = IsWindowVisible(form.Handle()) != FALSE;
                    form.Close();
                },
                "the form")
            .AnswerMessageBox();
        form.ShowModal();
        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_EQ(driver.MessageBoxes()[0].caption, L"Simple Korvane v1.0.1");
        EXPECT_EQ(driver.MessageBoxes()[0].text, L"Cannot create file C:\\x\\menu.sma.");
        EXPECT_TRUE(driver.MessageBoxes()[0].errorIcon);
    }
    EXPECT_TRUE(openAfterwards);
    EXPECT_FALSE(application.Terminated());
}

TEST(Application, FirstFormIsTheMainFormAndClosingItEndsTheProgram)
{
    Application application;
    auto& first = application.CreateForm<ThrowingForm>();
    auto& second = application.CreateForm<ThrowingForm>();
    EXPECT_EQ(application.MainForm(), &first);
    second.Show();
    second.Close();
    EXPECT_FALSE(application.Terminated()) << "closing another form only hides it";
    EXPECT_FALSE(IsWindowVisible(second.Handle()));
    first.Show();
    SendMessageW(first.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(application.Terminated());
}

} // namespace
} // namespace korvane::ui
