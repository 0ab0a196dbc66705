// The adapters of the platform's plain controls on the real program under Wine with the internal
// skin: message-box buttons and text, the default look following the focus, wrapped captions,
// literal ampersands, the combo box's dropped state and list, check pictures, the group box's
// caption strip, and the save dialog without the platform's button face.
#include "app/choose_style_menu.h"
#include "app/form_generated.h"
#include "app/korvane_windows_fixture.h"
#include "gfx/colors.h"
#include "support/in_modal_loop_win32.h"
#include "support/pump_messages.h"
#include "support/screenshot.h"
#include "ui/combo_box.h"
#include "ui/push_button.h"
#include "win32/dib_section.h"
#include "windows/adapter_factory_win32.h"
#include "windows/button_wnd_win32.h"
#include "windows/check_box_wnd_win32.h"
#include "windows/combo_box_wnd_win32.h"
#include "windows/skin_manager_win32.h"
#include "windows/static_wnd_win32.h"
#include "controls/radio_button_geometry.h"
#include "controls/skin_target_win32.h"
#include "skin/engine_commands.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <commdlg.h>
#include <windows.h>

#include <functional>
#include <string>

namespace korvane {
namespace {

using test::InModalLoop;

void Pump()
{
    test::PumpMessages(3, 20);
}

// The pixels in which two caches of the same size differ, as columns and rows spanned.
struct Difference {
    int Count = 0;
    PixelRect Span{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
};
Difference Compare(const win32::DibSection& a, const win32::DibSection& b)
{
    Difference result;
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return result;
    const BitmapView va = a.View();
    const BitmapView vb = b.View();
    for (int y = 0; y < va.Height; ++y)
        for (int x = 0; x < va.Width; ++x)
            if ((va.At(x, y) & 0xFFFFFF) != (vb.At(x, y) & 0xFFFFFF)) {
                ++result.Count;
                result.Span = {std::min(result.Span.Left, x), std::min(result.Span.Top, y),
                               std::max(result.Span.Right, x + 1), std::max(result.Span.Bottom, y + 1)};
            }
    return result;
}

// A copy of a cache, to compare with what it holds later.
void CopyInto(win32::DibSection& copy, const win32::DibSection& cache)
{
    copy.Resize(cache.Width(), cache.Height());
    BitBlt(copy.Dc(), 0, 0, cache.Width(), cache.Height(), cache.Dc(), 0, 0, SRCCOPY);
}

class StandardAdapters : public test::KorvaneWindowsTest {
protected:
    void SetUp() override
    {
        KorvaneWindowsTest::SetUp();
        ChooseStyleMenu->Show();
        Pump();
    }
    // A platform window on the chooser with the adapter of the kind.
    template <class Adapter>
    Adapter& Adapted(const wchar_t* className, const wchar_t* text, DWORD style, const PixelRect& bounds,
                     AdapterKind kind, std::u16string_view section)
    {
        HWND window =
            CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, bounds.Left, bounds.Top, bounds.Width(),
                            bounds.Height(), ChooseStyleMenu->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(window, WM_SETFONT, SendMessageW(ChooseStyleMenu->Handle(), WM_GETFONT, 0, 0), 0);
        m_windows.push_back(window);
        m_adapters.push_back(MakeAdapter(kind, window, section, TsSkinManager::DefaultManager()));
        auto* adapter = dynamic_cast<Adapter*>(m_adapters.back().get());
        EXPECT_NE(adapter, nullptr);
        return *adapter;
    }
    void TearDown() override
    {
        m_adapters.clear();
        for (HWND window : m_windows)
            DestroyWindow(window);
        KorvaneWindowsTest::TearDown();
    }
    std::vector<AdapterPtr<>> m_adapters;
    std::vector<HWND> m_windows;
};

TEST_F(StandardAdapters, AMessageBoxsButtonsAndTextAreTheSkinsAndTheDefaultLookFollowsTheFocus)
{
    bool adapted = false;
    int yesBefore = -1, noBefore = -1, yesAfter = -1, noAfter = -1;
    bool noIsDefault = false;
    int differenceBefore = -1;
    int differenceAfter = -1;
    int textPixels = 0;
    InModalLoop([&] {
        HWND box = FindWindowW(L"#32770", L"Question");
        HWND yes = box ? GetDlgItem(box, IDYES) : nullptr;
        HWND no = box ? GetDlgItem(box, IDNO) : nullptr;
        auto* yesAdapter = dynamic_cast<TacBtnWnd*>(TacMainWnd::FromWindow(yes));
        auto* noAdapter = dynamic_cast<TacBtnWnd*>(TacMainWnd::FromWindow(no));
        TacStaticWnd* text = nullptr;
        for (HWND child = box ? GetWindow(box, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT))
            if (auto* found = dynamic_cast<TacStaticWnd*>(TacMainWnd::FromWindow(child));
                found && found->PaintsWindow())
                text = found;
        adapted = yesAdapter && noAdapter && text;
        if (adapted) {
            RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            yesBefore = yesAdapter->ButtonState();
            noBefore = noAdapter->ButtonState();
            win32::DibSection yesFace;
            win32::DibSection noFace;
            CopyInto(yesFace, yesAdapter->Cache());
            CopyInto(noFace, noAdapter->Cache());
            differenceBefore = Compare(yesFace, noFace).Count;
            // The dialog manager moves the focus and the default style to the other button.
            SendMessageW(box, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(no), TRUE);
            test::PumpMessages(2, 20);
            RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            yesAfter = yesAdapter->ButtonState();
            noAfter = noAdapter->ButtonState();
            noIsDefault = (GetWindowLongW(no, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
            // The looks swapped: each face is now what the other's was, but for the captions.
            differenceAfter = Compare(noAdapter->Cache(), yesFace).Count + Compare(yesAdapter->Cache(), noFace).Count;
            const TsSkinManager* manager = TsSkinManager::DefaultManager();
            const auto colour =
                static_cast<std::uint32_t>(
                    manager->Tables().Sections[static_cast<std::size_t>(text->SectionIndex())].Props[0].FontColor[1]) &
                0xFFFFFF;
            const BitmapView view = text->Cache().View();
            for (int y = 0; y < view.Height; ++y)
                for (int x = 0; x < view.Width; ++x)
                    textPixels += PixelToColor(view.At(x, y)) == colour;
        }
        test::SaveScreenshot("adapters_message_box");
        if (box)
            PostMessageW(box, WM_COMMAND, IDNO, 0);
    });
    MessageBoxW(ChooseStyleMenu->Handle(), L"Сохранить изменения?", L"Question", MB_YESNO | MB_ICONQUESTION);
    ASSERT_TRUE(adapted) << "both buttons and the text have their adapters";
    EXPECT_EQ(yesBefore, 1) << "the default button has the focus";
    EXPECT_EQ(noBefore, 0);
    EXPECT_TRUE(noIsDefault);
    EXPECT_EQ(yesAfter, 0);
    EXPECT_EQ(noAfter, 1);
    EXPECT_GT(differenceBefore, 0);
    EXPECT_LT(differenceAfter, differenceBefore) << "the hot face moved with the focus";
    EXPECT_GT(textPixels, 20) << "the text is drawn in the skin's font colour";
}

TEST_F(StandardAdapters, APushButtonCaptionThatDoesNotFitWrapsWithinTheButton)
{
    auto& wide = Adapted<TacBtnWnd>(L"BUTTON", L"Сохранить как", BS_PUSHBUTTON, BoundsRect(10, 10, 150, 40),
                                    AdapterKind::Button, u"BUTTON");
    auto& narrow = Adapted<TacBtnWnd>(L"BUTTON", L"Сохранить как", BS_PUSHBUTTON, BoundsRect(10, 60, 40, 40),
                                      AdapterKind::Button, u"BUTTON");
    Pump();
    // The caption is centred by its measured height: two lines start higher than one.
    const PixelRect one = wide.CaptionRect();
    const PixelRect two = narrow.CaptionRect();
    EXPECT_LE(two.Top, one.Top - 5) << "two lines";
    EXPECT_GE(two.Top, 0);
    EXPECT_LE(two.Bottom, 40);
}

TEST_F(StandardAdapters, AStaticWithNoPrefixShowsItsAmpersand)
{
    const DWORD plain = SS_LEFT;
    auto& literal = Adapted<TacStaticWnd>(L"STATIC", L"R&D", plain | SS_NOPREFIX, BoundsRect(10, 10, 80, 16),
                                          AdapterKind::Static, u"CHECKBOX");
    auto& prefixed =
        Adapted<TacStaticWnd>(L"STATIC", L"R&D", plain, BoundsRect(10, 30, 80, 16), AdapterKind::Static, u"CHECKBOX");
    auto& empty =
        Adapted<TacStaticWnd>(L"STATIC", L"", plain, BoundsRect(10, 50, 80, 16), AdapterKind::Static, u"CHECKBOX");
    Pump();
    literal.PaintFace(nullptr);
    prefixed.PaintFace(nullptr);
    empty.PaintFace(nullptr);
    // The three statics stand on the same face; what differs from the empty one is ink.
    const Difference withAmpersand = Compare(literal.Cache(), empty.Cache());
    const Difference withUnderline = Compare(prefixed.Cache(), empty.Cache());
    ASSERT_GT(withAmpersand.Count, 0);
    ASSERT_GT(withUnderline.Count, 0);
    EXPECT_GT(withAmpersand.Span.Right, withUnderline.Span.Right + 3) << "three letters are wider than two";
    EXPECT_GT(withUnderline.Span.Bottom, withAmpersand.Span.Bottom) << "the D is underlined below the text";
}

TEST_F(StandardAdapters, OpeningTheListOfAComboBoxPressesItsButtonAndAdaptsTheList)
{
    ui::ComboBox combo(*ChooseStyleMenu, BoundsRect(10, 10, 121, 21), 13);
    for (int i = 0; i < 21; ++i)
        combo.Add(L"Item " + std::to_wstring(i));
    Pump();
    auto* adapter = dynamic_cast<TacComboBoxWnd*>(TacMainWnd::FromWindow(combo.Handle()));
    ASSERT_NE(adapter, nullptr) << "the form's walk adapted the combo box";
    EXPECT_EQ(adapter->ButtonRect(), (PixelRect{121 - GetSystemMetrics(SM_CXVSCROLL) - 2, 2, 119, 19}));
    EXPECT_NE(adapter->ButtonState(), 2);
    SendMessageW(combo.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    Pump();
    EXPECT_EQ(adapter->ButtonState(), 2);
    ASSERT_NE(adapter->ListWindow(), nullptr) << "the list asked for its colours";
    EXPECT_NE(dynamic_cast<TacComboListWnd*>(TacMainWnd::FromWindow(adapter->ListWindow())), nullptr);
    test::SaveScreenshot("adapters_combo_dropped");
    SendMessageW(combo.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    Pump();
    EXPECT_NE(adapter->ButtonState(), 2);
    EXPECT_TRUE(IsWindow(adapter->ListWindow()));
}

TEST_F(StandardAdapters, AComboBoxsListIsAdaptedAgainWhenTheSkinComesBack)
{
    ui::ComboBox combo(*ChooseStyleMenu, BoundsRect(10, 10, 121, 21), 13);
    for (int i = 0; i < 21; ++i)
        combo.Add(L"Item " + std::to_wstring(i));
    Pump();
    auto* adapter = dynamic_cast<TacComboBoxWnd*>(TacMainWnd::FromWindow(combo.Handle()));
    ASSERT_NE(adapter, nullptr);
    const auto dropAndClose = [&] {
        SendMessageW(combo.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
        Pump();
        const bool adapted = adapter->ListAdapter() != nullptr &&
                             TacMainWnd::FromWindow(adapter->ListWindow()) == adapter->ListAdapter();
        SendMessageW(combo.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
        Pump();
        return adapted;
    };
    ASSERT_TRUE(dropAndClose());
    TsSkinManager& manager = *TsSkinManager::DefaultManager();
    manager.SetActive(false);
    Pump();
    EXPECT_EQ(adapter->ListAdapter(), nullptr) << "the list keeps its adapter without a skin";
    manager.SetActive(true);
    Pump();
    EXPECT_TRUE(dropAndClose()) << "the list released once is never adapted again";
}

TEST_F(StandardAdapters, CheckingACheckBoxChangesOnlyItsPicture)
{
    auto& box = Adapted<TacCheckBoxWnd>(L"BUTTON", L"Права", BS_AUTOCHECKBOX, BoundsRect(10, 10, 120, 20),
                                        AdapterKind::CheckBox, u"CHECKBOX");
    Pump();
    box.BuildCache();
    win32::DibSection unchecked;
    CopyInto(unchecked, box.Cache());
    SendMessageW(box.Window(), BM_SETCHECK, BST_CHECKED, 0);
    Pump();
    EXPECT_EQ(box.Mark(), CheckMark::Checked);
    box.BuildCache();
    const Difference changed = Compare(box.Cache(), unchecked);
    ASSERT_GT(changed.Count, 0);
    const TsMaskData* picture = box.CheckImage();
    ASSERT_NE(picture, nullptr);
    const PixelSize size = SkinCheckFrameSize(*picture);
    EXPECT_GE(changed.Span.Left, 2);
    EXPECT_LE(changed.Span.Right, 2 + size.Width) << "only the picture at the left edge changed";
}

TEST_F(StandardAdapters, AGroupBoxAnswersItsCaptionHeight)
{
    HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    HWND window = CreateWindowExW(0, L"BUTTON", L"Группа", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 10, 10, 200, 100,
                                  ChooseStyleMenu->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    m_windows.push_back(window);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    m_adapters.push_back(MakeAdapter(AdapterKind::GroupBox, window, u"GROUPBOX", TsSkinManager::DefaultManager()));
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    EXPECT_EQ(SendMessageW(window, SKM_COMMAND, EngineCommandWParam(SKC_GETCAPTIONHEIGHT), 0),
              std::max<LONG>(4, metrics.tmHeight) + 2);
    if (metrics.tmHeight == 13) {
        EXPECT_EQ(SendMessageW(window, SKM_COMMAND, EngineCommandWParam(SKC_GETCAPTIONHEIGHT), 0), 15);
    }
    m_adapters.clear();
    DestroyWindow(window);
    m_windows.clear();
    DeleteObject(font);
}

TEST_F(StandardAdapters, TheSaveDialogShowsNoPlatformButtonFace)
{
    Form_Generated->Show();
    Pump();
    int platformFace = -1;
    int unadapted = -1;
    std::wstring unadaptedNames;
    PixelRect faceSpan{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    InModalLoop([&] {
        HWND dialog = GetActiveWindow();
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        test::PumpMessages(3, 30);
        unadapted = 0;
        std::function<void(HWND)> walk = [&](HWND parent) {
            for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                wchar_t className[64] = {};
                GetClassNameW(child, className, 64);
                const std::u16string served(className, className + wcslen(className));
                const bool tableServes =
                    ChooseDialogChildAdapter(served, static_cast<std::uint32_t>(GetWindowLongW(child, GWL_STYLE)),
                                             static_cast<std::uint32_t>(GetWindowLongW(child, GWL_EXSTYLE)), true)
                        .Kind != AdapterKind::None;
                if (IsWindowVisible(child) && tableServes && !TacMainWnd::FromWindow(child)) {
                    ++unadapted;
                    wchar_t name[64] = {};
                    GetClassNameW(child, name, 64);
                    unadaptedNames += std::wstring(name) + L" ";
                }
                walk(child);
            }
        };
        walk(dialog);
        RECT rect{};
        GetWindowRect(dialog, &rect);
        win32::DibSection shot(rect.right - rect.left, rect.bottom - rect.top);
        HDC screen = GetDC(nullptr);
        BitBlt(shot.Dc(), 0, 0, shot.Width(), shot.Height(), screen, rect.left, rect.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
        const BitmapView view = shot.View();
        const std::uint32_t face = GetSysColor(COLOR_BTNFACE) & 0xFFFFFF;
        platformFace = 0;
        for (int y = 0; y < view.Height; ++y)
            for (int x = 0; x < view.Width; ++x)
                if (PixelToColor(view.At(x, y)) == face) {
                    ++platformFace;
                    faceSpan = {std::min(faceSpan.Left, x), std::min(faceSpan.Top, y), std::max(faceSpan.Right, x + 1),
                                std::max(faceSpan.Bottom, y + 1)};
                }
        test::SaveScreenshot("adapters_save_dialog");
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    RunSaveDialog(Form_Generated->Handle());
    EXPECT_EQ(unadapted, 0) << "every visible child the table serves has its adapter; not: "
                            << std::string(unadaptedNames.begin(), unadaptedNames.end());
    EXPECT_EQ(platformFace, 0) << "no pixel of the platform's button face; found within (" << faceSpan.Left << ", "
                               << faceSpan.Top << ") - (" << faceSpan.Right << ", " << faceSpan.Bottom << ")";
}

TEST_F(StandardAdapters, TheMouseOverAnAdaptedButtonIsTheManagersUntilItLeaves)
{
    auto& button =
        Adapted<TacBtnWnd>(L"BUTTON", L"Да", BS_PUSHBUTTON, BoundsRect(10, 10, 90, 26), AdapterKind::Button, u"BUTTON");
    auto& box = Adapted<TacCheckBoxWnd>(L"BUTTON", L"Права", BS_AUTOCHECKBOX, BoundsRect(10, 50, 120, 20),
                                        AdapterKind::CheckBox, u"CHECKBOX");
    Pump();
    TsSkinManager& manager = *TsSkinManager::DefaultManager();
    ASSERT_EQ(button.ButtonState(), 0);

    // The mouse comes over the button (the platform tracks a window only while the cursor is
    // over it).
    POINT inside{5, 5};
    ClientToScreen(button.Window(), &inside);
    SetCursorPos(inside.x, inside.y);
    SendMessageW(button.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(manager.HotWindow(), button.Window());
    EXPECT_EQ(button.ButtonState(), 1);
    RECT pending{};
    EXPECT_TRUE(GetUpdateRect(button.Window(), &pending, FALSE)) << "the hot face waits for the next paint";
    TRACKMOUSEEVENT query{sizeof query, TME_QUERY, nullptr, 0};
    ASSERT_TRUE(TrackMouseEvent(&query));
    EXPECT_EQ(query.hwndTrack, button.Window()) << "the button hears when the mouse leaves it";
    Pump();
    EXPECT_FALSE(GetUpdateRect(button.Window(), &pending, FALSE));

    // The mouse goes: the platform's leave, on a timer of its own, ends the hover.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    for (int round = 0; round < 40 && manager.HotWindow(); ++round)
        test::PumpMessages(1, 50);
    EXPECT_EQ(manager.HotWindow(), nullptr) << "neither the button nor what the cursor crossed stays hot";
    EXPECT_EQ(button.ButtonState(), 0);

    // Over the check box the button is no longer hot; a leave heard late by a window that is no
    // longer hot changes nothing.
    SendMessageW(button.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(box.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(manager.HotWindow(), box.Window());
    EXPECT_EQ(button.ButtonState(), 0);
    SendMessageW(button.Window(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(manager.HotWindow(), box.Window());
    SendMessageW(box.Window(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(manager.HotWindow(), nullptr);
}

// The engine commands sent as messages on this thread while a hook records them.
std::vector<SkinCommand> g_sentCommands;
LRESULT CALLBACK RecordSentCommands(int code, WPARAM wParam, LPARAM lParam)
{
    if (const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        code == HC_ACTION && sent->message == SKM_COMMAND)
        g_sentCommands.push_back(EngineCommandOf(sent->wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(StandardAdapters, FacesAskAndTellTheProgramsOwnWindowsWithoutAMessage)
{
    auto& button =
        Adapted<TacBtnWnd>(L"BUTTON", L"Да", BS_PUSHBUTTON, BoundsRect(10, 10, 90, 26), AdapterKind::Button, u"BUTTON");
    Pump();
    const HWND form = ChooseStyleMenu->Handle();

    g_sentCommands.clear();
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordSentCommands, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    button.PaintFace(nullptr);
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(g_sentCommands.empty()) << "the first command sent: "
                                        << (g_sentCommands.empty() ? 0 : g_sentCommands[0]);
    g_sentCommands.clear();

    // Nor does a repaint of the whole chooser, its skinned controls and their faces, which ask
    // what lies behind them and tell their child windows when they are ready.
    const HHOOK again = SetWindowsHookExW(WH_CALLWNDPROC, RecordSentCommands, nullptr, GetCurrentThreadId());
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASE);
    UnhookWindowsHookEx(again);
    std::string commands;
    for (SkinCommand command : g_sentCommands)
        commands += std::to_string(command) + " ";
    EXPECT_TRUE(g_sentCommands.empty()) << "asked: " << commands;

    // The answers are the ones the form gives to the engine's messages, its frame's client face.
    BackgroundRequest asked;
    AskWindowBackground(form, asked);
    BackgroundRequest sent;
    SendMessageW(form, SKM_COMMAND, EngineCommandWParam(SKC_GETBACKGROUND), reinterpret_cast<LPARAM>(&sent));
    EXPECT_EQ(asked.AnswerKind, kAnswerBitmap);
    EXPECT_EQ(asked.AnswerKind, sent.AnswerKind);
    EXPECT_TRUE(asked.Bitmap.SameAs(sent.Bitmap));
    EXPECT_EQ(asked.OffsetX, sent.OffsetX);
    EXPECT_EQ(asked.OffsetY, sent.OffsetY);
    EXPECT_EQ(WindowIsUpdating(form), SendMessageW(form, SKM_COMMAND, EngineCommandWParam(SKC_ISUPDATING), 0) != 0);
}

TEST_F(StandardAdapters, ASkinChangeReachesTheProgramsOwnWindowsWithoutAMessage)
{
    const auto& button =
        Adapted<TacBtnWnd>(L"BUTTON", L"Да", BS_PUSHBUTTON, BoundsRect(10, 10, 90, 26), AdapterKind::Button, u"BUTTON");
    Pump();
    TsSkinManager& manager = *TsSkinManager::DefaultManager();
    const auto changesSent = [] {
        return std::count_if(g_sentCommands.begin(), g_sentCommands.end(),
                             [](SkinCommand command) { return SkinChangeOf(command).has_value(); });
    };

    // A refresh, then the skin taken off and put on again: every form, control and adapter of the
    // program hears by call.
    g_sentCommands.clear();
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordSentCommands, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    manager.SetHueOffset(60);
    manager.SetActive(false);
    manager.SetActive(true);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(changesSent(), 0);
    EXPECT_GE(button.SectionIndex(), 0);
    Pump();
}

TEST_F(StandardAdapters, AHiddenAdaptedWindowStaysHiddenWhenItsTextOrCheckChanges)
{
    auto& box = Adapted<TacCheckBoxWnd>(L"BUTTON", L"Права", BS_AUTOCHECKBOX, BoundsRect(10, 10, 120, 20),
                                        AdapterKind::CheckBox, u"CHECKBOX");
    auto& button =
        Adapted<TacBtnWnd>(L"BUTTON", L"Да", BS_PUSHBUTTON, BoundsRect(10, 40, 90, 26), AdapterKind::Button, u"BUTTON");
    Pump();
    for (HWND window : {box.Window(), button.Window()}) {
        ShowWindow(window, SW_HIDE);
        SetWindowTextW(window, L"Другой текст");
        SendMessageW(window, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageW(window, BM_SETSTATE, TRUE, 0);
        EnableWindow(window, FALSE);
        EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE, 0) << "switching redrawing back on showed it";
    }
    EXPECT_EQ(box.Mark(), CheckMark::Checked);
    EXPECT_EQ(button.WindowCaption(), L"Другой текст");
}

} // namespace
} // namespace korvane
