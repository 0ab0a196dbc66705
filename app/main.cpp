// Korvane's entry point: names the application, creates its eight windows and runs the chooser.
#include "app/korvane_windows.h"
#include "ui/application.h"
#include "ui/message_box.h"
#include "ui/text.h"

#include <windows.h>

#include <exception>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    try {
        korvane::ui::Application application;
        korvane::CreateKorvaneWindows(application);
        application.Run();
    } catch (const std::exception& error) {
        korvane::ui::ShowErrorBox(nullptr, korvane::ui::WideFromUtf8(error.what()));
        return 1;
    }
    return 0;
}
