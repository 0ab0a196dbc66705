#pragma once

// A fresh application with the program's eight windows for each test, and small helpers that
// act on them the way a user does: clicks, typed characters, list choices.
#include "app/korvane_windows.h"
#include "support/modal_driver.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/graphic_control.h"
#include "ui/push_button.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace korvane::test {

class KorvaneWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_application = std::make_unique<ui::Application>();
        CreateKorvaneWindows(*m_application);
    }
    void TearDown() override { m_application.reset(); }

    ui::Application& App() { return *m_application; }

    // A folder of its own for the files a test saves, emptied first.
    static std::filesystem::path OutputFolder(const std::string& name)
    {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        const std::filesystem::path folder = std::filesystem::path(temp) / "korvane-gui-tests" / name;
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        std::filesystem::create_directories(folder);
        return folder;
    }

    // Shows the platform's save dialog for a plug-in, owned by the window, as the program does;
    // the test answers it from inside its modal loop.
    static void RunSaveDialog(HWND owner)
    {
        std::vector<wchar_t> file(MAX_PATH, L'\0');
        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = owner;
        ofn.lpstrFilter = L"Pawn\0*.sma\0\0";
        ofn.lpstrFile = file.data();
        ofn.nMaxFile = MAX_PATH;
        ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
        GetSaveFileNameW(&ofn);
    }

    static std::string FileBytes(const std::filesystem::path& path)
    {
        std::string bytes;
        if (FILE* file = _wfopen(path.c_str(), L"rb")) {
            char buffer[4096];
            std::size_t got = 0;
            while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
                bytes.append(buffer, got);
            std::fclose(file);
        }
        return bytes;
    }

private:
    std::unique_ptr<ui::Application> m_application;
};

// Presses a push button as the mouse would (BM_CLICK: button down and up over it).
inline void Press(const ui::PushButton& button)
{
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
}

// Clicks the middle of a windowless control through its parent window.
inline void Press(const ui::GraphicControl& control)
{
    const PixelRect& b = control.ControlBounds();
    ClickAt(control.Parent().Handle(), {b.Left + b.Width() / 2, b.Top + b.Height() / 2});
}

// True when the control has the keyboard focus. Without a window manager, Wine may leave no
// window of the program active for a moment after another one hid (the X server's focus moves
// on its own); the form then holds the control as the one it focuses when activated.
inline bool HoldsFocus(const ui::Form& form, const ui::Control& control)
{
    HWND focused = GetFocus();
    if (focused == control.Handle())
        return true;
    return focused == nullptr && form.ActiveControl() == &control;
}

// Picks an entry of a list box or drop-down list as a click would, with its notification.
inline void PickListEntry(const ui::Window& list, int index, bool comboBox)
{
    SendMessageW(list.Handle(), comboBox ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

} // namespace korvane::test
