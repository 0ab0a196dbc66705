#include "windows/skin_manager_win32.h"

#include "render/fade_timer.h"
#include "render/glow.h"
#include "ui/application.h"
#include "ui/graphic_control.h"
#include "ui/program_resource.h"
#include "ui/text.h"
#include "ui/window.h"
#include "win32/scope_guard.h"
#include "windows/skin_provider_win32.h"

#include <algorithm>
#include <functional>
#include <utility>

#include <commctrl.h>
#include <dwmapi.h>

#include <span>

namespace korvane {

namespace {

WPARAM CommandWParam(SkinCommand command)
{
    return static_cast<WPARAM>(EngineCommandWParam(command));
}

// How a broadcast command reaches one window, and one windowless control.
struct Delivery {
    std::function<void(HWND)> ToWindow;
    std::function<void(ui::Component&)> ToControl;
};

// Skin changes go to this program's windows by call; any other command, or a window that is not
// the program's, gets the message.
Delivery DeliveryOf(SkinCommand command, LPARAM lParam)
{
    const WPARAM wParam = CommandWParam(command);
    if (const std::optional<SkinChange> change = SkinChangeOf(command)) {
        const auto* sender = reinterpret_cast<const SkinManagerCore*>(lParam);
        return {[=](HWND window) { TellSkinChanged(window, *change, sender); },
                [=](ui::Component& control) { TellSkinChanged(control, *change, sender); }};
    }
    return {[=](HWND window) { SendMessageW(window, SKM_COMMAND, wParam, lParam); },
            [=](ui::Component& control) { control.Perform(SKM_COMMAND, wParam, lParam); }};
}

// A windowed control that handles the engine's commands gets the command; any other passes it
// on to its own children. Windowless controls drawn by a window get it along their own message
// path, as a window gets it through its window procedure.
void DeliverToChildren(HWND parent, const Delivery& delivery)
{
    if (ui::Window* owner = ui::Window::FromHandle(parent)) {
        for (ui::GraphicControl* control : owner->GraphicControls())
            delivery.ToControl(*control);
    }
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (AnswersSkinCommands(child))
            delivery.ToWindow(child);
        else
            DeliverToChildren(child, delivery);
    }
}

void DeliverToFormAndControls(HWND form, const Delivery& delivery)
{
    delivery.ToWindow(form);
    DeliverToChildren(form, delivery);
}

bool LayeredWindowsAvailable()
{
    return GetProcAddress(GetModuleHandleW(L"user32.dll"), "UpdateLayeredWindow") != nullptr;
}

bool DesktopCompositionOn()
{
    using IsEnabled = HRESULT(WINAPI*)(BOOL*);
    HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
    if (!dwm)
        return false;
    BOOL on = FALSE;
    if (auto isEnabled =
            reinterpret_cast<IsEnabled>(reinterpret_cast<void*>(GetProcAddress(dwm, "DwmIsCompositionEnabled"))))
        isEnabled(&on);
    FreeLibrary(dwm);
    return on != FALSE;
}

} // namespace

TsSkinManager::TsSkinManager(SkinPlatform& platform) : SkinManagerCore(platform), m_paintSource(Tables())
{
    if (!SkinManagerCore::DefaultManager()) {
        SetDefaultManager(this);
        // Painters given no manager read the default one; fades tick on this thread's loop.
        SetDefaultSkinPaintSource(&m_paintSource);
        SetUiTimerFactory(MakeWin32UiTimer);
        Animation().AllowGlowing = AllowGlowing();
        AttachApplicationWindow();
    }
}

TsSkinManager::~TsSkinManager()
{
    // Takes the skin off every window before the tables go; controls that name this manager hear
    // it go even when no skin was on.
    BeginDestroying();
    if (Active())
        SetActive(false);
    else
        BroadcastCommand(SKC_REMOVESKIN, Self());
    RemoveHook();
    // The forms' providers outlive the hook but not the manager they paint with, default or not.
    ReleaseProviders(*this, true);
    if (SkinManagerCore::DefaultManager() == this) {
        DetachApplicationWindow();
        SetDefaultSkinPaintSource(nullptr);
        SetUiTimerFactory(nullptr);
        SetDefaultManager(nullptr);
    }
}

TsSkinManager* TsSkinManager::DefaultManager()
{
    // Every manager of the program is a TsSkinManager.
    return static_cast<TsSkinManager*>(SkinManagerCore::DefaultManager());
}

void TsSkinManager::SetIsDefault(bool isDefault)
{
    TsSkinManager* current = DefaultManager();
    if (!isDefault && current)
        return;
    if (current != this) {
        if (current)
            current->DetachApplicationWindow();
        SetDefaultManager(this);
        SetDefaultSkinPaintSource(&m_paintSource);
        AttachApplicationWindow();
    }
    if (Active())
        SendNewSkin(true);
    else
        SendRemoveSkin();
}

void TsSkinManager::SetHotWindow(HWND window)
{
    if (window == m_hotWindow)
        return;
    const HWND previous = m_hotWindow;
    m_hotWindow = window;
    if (previous && IsWindow(previous))
        TellHotChanged(previous, *this, false);
    if (window)
        TellHotChanged(window, *this, true);
}

void TsSkinManager::Broadcast(SkinBroadcast command)
{
    BroadcastCommand(static_cast<SkinCommand>(command), Self());
}

void TsSkinManager::BroadcastCommand(SkinCommand command, LPARAM lParam)
{
    const Delivery delivery = DeliveryOf(command, lParam);
    // 1. The application's forms, last created first. Forms that handle the engine's commands
    //    themselves carry a skinned frame: they are set aside for the second step.
    std::vector<HWND> framedElsewhere;
    if (ui::Application* application = ui::Application::Current()) {
        const std::vector<ui::Form*> forms = application->Forms();
        for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
            const HWND form = (*it)->Handle();
            if (!form || !IsWindow(form))
                continue;
            if (AnswersSkinCommands(form))
                framedElsewhere.insert(framedElsewhere.begin(), form);
            else
                DeliverToFormAndControls(form, delivery);
        }
    }
    // 2. Forms with a frame of this manager, then the application's forms framed by another one
    //    (their controls may name this manager). 3. Visible dialogs adapted by the hook. A window
    //    may leave the lists while it handles the command, so each list is walked over a copy.
    std::vector<HWND> skinnedForms = m_skinnedForms;
    for (HWND form : framedElsewhere)
        if (std::ranges::find(skinnedForms, form) == skinnedForms.end())
            skinnedForms.push_back(form);
    for (HWND form : skinnedForms) {
        if (IsWindow(form))
            DeliverToFormAndControls(form, delivery);
    }
    const std::vector<HWND> dialogs = m_adaptedDialogs;
    for (HWND dialog : dialogs) {
        if (IsWindow(dialog) && IsWindowVisible(dialog))
            delivery.ToWindow(dialog);
    }
}

void TsSkinManager::LockForms()
{
    // Only visible forms framed by this manager: switching redrawing off and on again marks a
    // window visible, so a hidden one is never touched.
    for (HWND form : m_skinnedForms) {
        const TacMainWnd* provider = TacMainWnd::FromWindow(form);
        if (!IsWindow(form) || !IsWindowVisible(form) || !provider || provider->Manager() != this ||
            std::find(m_lockedForms.begin(), m_lockedForms.end(), form) != m_lockedForms.end())
            continue;
        SendMessageW(form, WM_SETREDRAW, FALSE, 0);
        m_lockedForms.push_back(form);
    }
}

void TsSkinManager::RepaintForms(bool lockForms)
{
    BroadcastCommand(SKC_STOPFADE, Self());
    if (Restoring()) {
        BroadcastCommand(SKC_REFRESH, Self());
        return;
    }
    if (lockForms)
        LockForms();
    BroadcastCommand(SKC_REFRESH, Self());
    constexpr UINT kEverything = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;
    // The locked forms draw again, frame and all, in one go each.
    const std::vector<HWND> locked = std::exchange(m_lockedForms, {});
    for (HWND form : locked) {
        if (!IsWindow(form))
            continue;
        SendMessageW(form, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(form, nullptr, nullptr, kEverything);
    }
    if (ui::Application* application = ui::Application::Current()) {
        for (ui::Form* form : application->Forms()) {
            const HWND window = form->Handle();
            if (window && IsWindowVisible(window) && std::find(locked.begin(), locked.end(), window) == locked.end())
                RedrawWindow(window, nullptr, nullptr, kEverything);
        }
    }
    const std::vector<HWND> dialogs = m_adaptedDialogs;
    for (HWND dialog : dialogs) {
        if (IsWindow(dialog) && IsWindowVisible(dialog))
            RedrawWindow(dialog, nullptr, nullptr, kEverything);
    }
}

void TsSkinManager::ShowLoadError(const std::u16string& message)
{
    const ui::Application* application = ui::Application::Current();
    MessageBoxW(application ? application->Handle() : nullptr, ui::ToWide(message).c_str(), L"Error",
                MB_OK | MB_ICONERROR);
}

bool TsSkinManager::AllowGlowing() const
{
    return Effects.AllowGlowing && GlowsAvailable();
}

bool TsSkinManager::ExtendedBorders() const
{
    return m_extendedBorders && LayeredWindowsAvailable();
}

void TsSkinManager::SetExtendedBorders(bool extended)
{
    if (extended == m_extendedBorders)
        return;
    m_extendedBorders = extended;
    if (Tables().SkinData.Active) {
        PrepareShadows();
        if (!Restoring())
            RepaintForms(true);
    }
}

void TsSkinManager::PrepareShadows()
{
    Bitmap32 active;
    Bitmap32 inactive;
    const bool extended = Active() && ExtendedBorders();
    if (extended) {
        // The program's own soft shadows, for skins without an EXBORDER image.
        active = DecodeBuiltinShadow(ui::ProgramResource(L"acSHDA"), "acSHDA");
        inactive = DecodeBuiltinShadow(ui::ProgramResource(L"acSHDI"), "acSHDI");
        if (active.Empty() || inactive.Empty()) {
            active = Bitmap32();
            inactive = Bitmap32();
        }
    }
    m_shadows =
        PrepareShadowImages(Tables(), IndexCache.ExBorderMask, extended, active, inactive, DesktopCompositionOn());
}

void TsSkinManager::ReleaseGlows()
{
    ClearGlows();
}

void TsSkinManager::InstallHook()
{
    if (!IsDefault() || m_hook)
        return;
    m_hook = SetWindowsHookExW(WH_CBT, CbtHookProc, nullptr, GetCurrentThreadId());
    // Windows that appeared while no hook watched (a dialog open while the skin was off) are
    // skinned now, not at their next activation.
    if (m_hook)
        AttachExistingWindows(*this);
}

void TsSkinManager::RemoveHook()
{
    if (!m_hook)
        return;
    UnhookWindowsHookEx(m_hook);
    m_hook = nullptr;
    ReleaseProviders(*this);
}

LRESULT CALLBACK TsSkinManager::CbtHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    // The next hook comes first and its answer is ours; the adapters for new windows attach to
    // what it let through.
    const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
    ui::HandleReportingErrors([&] {
        HandleCbtHook(code, wParam, lParam);
        return LRESULT{0};
    });
    return result;
}

void TsSkinManager::AttachApplicationWindow()
{
    ui::Application* application = ui::Application::Current();
    if (!application || !application->Handle())
        return;
    if (SetWindowSubclass(application->Handle(), ApplicationWindowProc, 1, reinterpret_cast<DWORD_PTR>(this)))
        m_applicationWindow = application->Handle();
}

void TsSkinManager::DetachApplicationWindow()
{
    if (m_applicationWindow && IsWindow(m_applicationWindow))
        RemoveWindowSubclass(m_applicationWindow, ApplicationWindowProc, 1);
    m_applicationWindow = nullptr;
}

namespace {

// The taskbar's requests for a thumbnail and a live preview of the program.
constexpr UINT kSendIconicThumbnail = 0x0323;
constexpr UINT kSendIconicLivePreview = 0x0326;
// A skinned popup menu's item (LParam) is to be painted again.
constexpr UINT kRepaintMenuItem = 48307;
constexpr UINT kRepaintMenuItemAlso = 48308;

// Minimises or restores the program through its hidden application window with the system's own
// minimise animation switched off for the moment: it would animate a platform frame the program
// does not show. Minimising keeps the animation where desktop composition draws it.
void MinimizeOrRestoreWithoutSystemAnimation(HWND window, WPARAM wParam, LPARAM lParam, bool composition)
{
    const bool minimizing = (wParam & 0xFFF0) == SC_MINIMIZE;
    ANIMATIONINFO animation{};
    animation.cbSize = sizeof(animation);
    const bool switchOff = SystemParametersInfoW(SPI_GETANIMATION, sizeof(animation), &animation, 0) &&
                           animation.iMinAnimate != 0 && (!minimizing || !composition);
    if (switchOff) {
        ANIMATIONINFO off = animation;
        off.iMinAnimate = 0;
        SystemParametersInfoW(SPI_SETANIMATION, sizeof(off), &off, 0);
    }
    DefSubclassProc(window, WM_SYSCOMMAND, wParam, lParam);
    if (switchOff)
        SystemParametersInfoW(SPI_SETANIMATION, sizeof(animation), &animation, 0);
}

} // namespace

bool TsSkinManager::FramesMainForm() const
{
    const ui::Application* application = ui::Application::Current();
    const ui::Form* main = application ? application->MainForm() : nullptr;
    const TacMainWnd* provider = main && main->Handle() ? TacMainWnd::FromWindow(main->Handle()) : nullptr;
    return provider && provider->Manager() == this;
}

LRESULT CALLBACK TsSkinManager::ApplicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                      UINT_PTR /*id*/, DWORD_PTR data)
{
    return ui::HandleReportingErrors([&] {
        return ApplicationWindowMessage(window, message, wParam, lParam, reinterpret_cast<TsSkinManager*>(data));
    });
}

LRESULT TsSkinManager::ApplicationWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                TsSkinManager* manager)
{
    switch (message) {
    case WM_SYSCOMMAND:
        if (((wParam & 0xFFF0) == SC_MINIMIZE || (wParam & 0xFFF0) == SC_RESTORE) &&
            manager->Tables().SkinData.Active && manager->FramesMainForm()) {
            MinimizeOrRestoreWithoutSystemAnimation(window, wParam, lParam, DesktopCompositionOn());
            return 0;
        }
        return DefSubclassProc(window, message, wParam, lParam);
    case kSendIconicThumbnail:
        if (lParam == 0)
            return DefSubclassProc(window, message, wParam, lParam);
        return 0;
    case kSendIconicLivePreview:
        return 0;
    case kRepaintMenuItem:
    case kRepaintMenuItemAlso:
        // Popup menus keep the platform's look: there is no skinned item to paint again.
        if (manager->SkinnedPopups)
            return 0;
        return DefSubclassProc(window, message, wParam, lParam);
    case WM_THEMECHANGED:
        // The skin draws everything; a change of the system theme changes nothing here.
        return 0;
    case ui::CM_ACTIVATE:
        if (ui::Application* application = ui::Application::Current()) {
            for (ui::Form* form : application->Forms()) {
                if (form->Handle() && IsWindowVisible(form->Handle()))
                    SendMessageW(form->Handle(), SKM_COMMAND, CommandWParam(SKC_REPAINTNOW), 0);
            }
        }
        return 0;
    default:
        return DefSubclassProc(window, message, wParam, lParam);
    }
}

bool TsSkinManager::HandleCopyData(WPARAM wParam, const COPYDATASTRUCT* data)
{
    if (!data || m_inPreview)
        return false;
    const auto* bytes = static_cast<const uint8_t*>(data->lpData);
    const std::span<const uint8_t> block(bytes, bytes ? data->cbData : 0);
    const std::optional<SkinPreviewRequest> request = ParsePreviewMessage(wParam, block);
    if (!request)
        return false;
    // Put back however the preview ends: an error while it applies must not block every later one.
    win32::FlagScope inPreview(m_inPreview);
    ApplyPreview(*request);
    return true;
}

} // namespace korvane
