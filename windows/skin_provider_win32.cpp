#include "windows/skin_provider_win32.h"

#include "skin/skin_text.h"

#include "skin/engine_commands.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/text.h"
#include "windows/adapter_factory_win32.h"
#include "windows/attach_rules.h"
#include "windows/skin_manager_win32.h"
#include "win32/scope_guard.h"

#include <algorithm>

namespace korvane {

namespace {

std::u16string ClassNameOf(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return ui::ToU16(name);
}

bool HasToolBarDescendant(HWND window)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (SameTextAnsi(ClassNameOf(child), u"ToolbarWindow32") || HasToolBarDescendant(child))
            return true;
    }
    return false;
}

// The section a form control's adapter paints with, by the list its class stands in.
std::u16string_view DefaultSectionOf(AdapterKind kind)
{
    switch (kind) {
    case AdapterKind::Button:
        return u"BUTTON";
    case AdapterKind::CheckBox:
        return u"CHECKBOX";
    case AdapterKind::GroupBox:
        return u"GROUPBOX";
    case AdapterKind::Panel:
        return u"PANEL";
    default:
        return u"EDIT";
    }
}

} // namespace

// --- TacFramedWnd --------------------------------------------------------------------------------

TacFramedWnd::TacFramedWnd(HWND window, std::u16string_view section, TsSkinManager* manager)
    : TacMainWnd(window, section, manager)
    , m_frame(window, std::u16string(section), manager,
              [this](UINT m, WPARAM w, LPARAM l) { return CallPrevious(m, w, l); })
{
}

LRESULT TacFramedWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (m_frame.Handle(message, wParam, lParam, result))
        return result;
    return TacMainWnd::WndProc(message, wParam, lParam);
}

void TacFramedWnd::FrameSkinChanged(SkinChange change, bool own)
{
    if (own && change == SkinChange::Remove)
        m_frame.Release();
    else if (own)
        m_frame.Prepare();
}

// --- TsSkinProvider ------------------------------------------------------------------------------

TsSkinProvider::TsSkinProvider(ui::Form& form, TsSkinManager* manager)
    : TacFramedWnd(form.Handle(), u"FORM", manager)
    , m_form(form)
{
    Manager()->SkinnedForms().push_back(form.Handle());
}

TsSkinProvider::~TsSkinProvider()
{
    std::erase(Manager()->SkinnedForms(), Window());
    m_items.clear();
}

void TsSkinProvider::Restore()
{
    TacFramedWnd::Restore();
    RestoreLabels();
}

void TsSkinProvider::RestoreLabels()
{
    for (HWND label : m_labels) {
        if (ui::Window* control = IsWindow(label) ? ui::Window::FromHandle(label) : nullptr) {
            control->SetColor(CLR_INVALID);
            control->SetFontColor(CLR_INVALID);
        }
    }
    m_labels.clear();
}

void TsSkinProvider::RemoveStaleItems()
{
    std::erase_if(m_items, [](const AdapterPtr<>& item) { return !item || item->Detached(); });
}

void TsSkinProvider::AdaptControls(HWND container)
{
    const TsSkinManager* manager = Manager();
    if (!manager || (manager->SkinningRules & srThirdParty) == 0 || m_adapting)
        return;
    const win32::FlagScope adapting(m_adapting);
    RemoveStaleItems();
    AdaptWalk(container ? container : Window());
}

void TsSkinProvider::AdaptWalk(HWND container)
{
    TsSkinManager* manager = Manager();
    for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ui::Window* control = ui::Window::FromHandle(child);
        if (control && control->ClassName() == L"TLabel" && control->Tag() != 98 && Frame().Skinned() &&
            !AnswersSkinCommands(child)) {
            // A plain label shows the face behind it in the skin's global font colour.
            control->SetColor(Frame().FaceColour());
            control->SetFontColor(static_cast<COLORREF>(manager->GlobalFontColor()) & 0xFFFFFF);
            if (std::find(m_labels.begin(), m_labels.end(), child) == m_labels.end())
                m_labels.push_back(child);
            continue;
        }
        if (control && control->Tag() != kLeaveAloneTag && !TacMainWnd::FromWindow(child) &&
            !AnswersSkinCommands(child)) {
            const std::u16string className = ui::ToU16(control->ClassName());
            for (int list = 0; list < ThirdPartyList::kCount; ++list) {
                const auto kind = static_cast<ThirdPartyList::Kind>(list);
                if (!manager->ThirdParty.Contains(kind, className))
                    continue;
                if (AdapterKindOfList(kind) != AdapterKind::None) {
                    m_items.push_back(MakeAdapter(AdapterKindOfList(kind), child,
                                                  DefaultSectionOf(AdapterKindOfList(kind)), manager));
                }
                break;
            }
        }
        AdaptWalk(child);
    }
}

void TsSkinProvider::OnSkinChanged(SkinChange change, bool own, const std::function<void()>& rest)
{
    FrameSkinChanged(change, own);
    if (own && change == SkinChange::Remove)
        RestoreLabels();
    else if (own)
        AdaptControls();
    // The manager's broadcast reaches the form's controls itself.
    rest();
}

LRESULT TsSkinProvider::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SKM_COMMAND && EngineCommandOf(wParam) == SKC_ADAPTCHILD) {
        AdaptControls();
        return 0;
    }
    if (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_CREATE) {
        // The new control's object takes its window only once the creation has returned: the walk
        // runs when that is done.
        PostMessageW(Window(), SKM_COMMAND, EngineCommandWParam(SKC_ADAPTCHILD), 0);
        return CallPrevious(message, wParam, lParam);
    }
    return TacFramedWnd::WndProc(message, wParam, lParam);
}

// --- TacDialogWnd --------------------------------------------------------------------------------

TacDialogWnd::TacDialogWnd(HWND window, TsSkinManager* manager, TacProvider& provider)
    : TacFramedWnd(window, u"DIALOG", manager)
    , m_provider(provider)
{
    Manager()->AdaptedDialogs().push_back(window);
}

TacDialogWnd::~TacDialogWnd()
{
    std::erase(Manager()->AdaptedDialogs(), Window());
}

void TacDialogWnd::OnSkinChanged(SkinChange change, bool own, const std::function<void()>& rest)
{
    if (own && change != SkinChange::Remove)
        m_brush.reset();
    FrameSkinChanged(change, own);
    TacMainWnd::OnSkinChanged(change, own, rest);
}

LRESULT TacDialogWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        const LRESULT result = CallPrevious(message, wParam, lParam);
        m_provider.AdaptChildWindows(Window());
        Frame().Prepare();
        return result;
    }
    case WM_SHOWWINDOW:
        if (wParam)
            Frame().UpdateTitleButtons();
        break;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        // Children that no adapter paints keep to the face the frame continues.
        if (Frame().Skinned()) {
            const COLORREF face = Frame().FaceColour();
            if (!m_brush)
                m_brush.reset(CreateSolidBrush(face));
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetBkColor(dc, face);
            SetTextColor(dc, Frame().FontColour());
            return reinterpret_cast<LRESULT>(m_brush.get());
        }
        break;
    case SKM_COMMAND: {
        const EngineCommand command = EngineCommand::FromWParam(wParam);
        if (command.Code == SKC_ADAPTCHILD && command.Argument == 1) {
            const auto child = reinterpret_cast<HWND>(lParam);
            if (IsWindow(child) && GetAncestor(child, GA_ROOT) == Window())
                m_provider.AdaptChildWindow(child);
            return 0;
        }
        break;
    }
    default:
        break;
    }
    return TacFramedWnd::WndProc(message, wParam, lParam);
}

// --- TacProvider ---------------------------------------------------------------------------------

TacProvider::~TacProvider()
{
    ChildAdapters.clear();
    DialogAdapter.reset();
    FormProvider.reset();
}

bool TacProvider::Gone() const
{
    if (DialogAdapter)
        return DialogAdapter->Detached();
    if (FormProvider)
        return FormProvider->Detached();
    return true;
}

void TacProvider::AttachForm(ui::Form& form)
{
    FormProvider = MakeAdapterPtr<TsSkinProvider>(form, &m_manager);
    FormProvider->Create();
    FormProvider->Frame().Prepare();
    FormProvider->AdaptControls();
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
}

bool TacProvider::AttachDialog(HWND window)
{
    Window = window;
    ChildAdapters.clear();
    if (DialogAdapter || !m_manager.Active())
        return true;
    LeftScrollBar = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    DialogAdapter = MakeAdapterPtr<TacDialogWnd>(window, &m_manager, *this);
    DialogAdapter->Create();
    if (!AdaptChildWindows(window))
        return false;
    // A dialog met when it already has its controls (activated, not created, under the hook) is
    // framed at once; a new one when its controls exist (WM_INITDIALOG).
    if (GetWindow(window, GW_CHILD))
        DialogAdapter->Frame().Prepare();
    return true;
}

bool TacProvider::AdaptChildWindows(HWND window)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    for (HWND child : children) {
        if (!AdaptChildWindows(child))
            return false;
        if ((GetWindowLongW(child, GWL_STYLE) & WS_CHILD) && !AdaptChildWindow(child))
            return false;
    }
    return true;
}

bool TacProvider::AdaptChildWindow(HWND window)
{
    if (!window || TacMainWnd::FromWindow(window) || AnswersSkinCommands(window))
        return true;
    const auto style = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE));
    const auto exStyle = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_EXSTYLE));
    const DialogChildChoice choice =
        ChooseDialogChildAdapter(ClassNameOf(window), style, exStyle, IsWindowVisible(window) != FALSE);
    if (choice.Kind != AdapterKind::None) {
        ChildAdapters.push_back(MakeAdapter(choice.Kind, window, choice.Section, &m_manager, true));
    }
    return true;
}

// --- The hook's lists and rules ------------------------------------------------------------------

namespace {

// Moves the providers the rule picks out of the list, then frees them: a provider's going sends
// messages, and the hook may reach the list again meanwhile.
template <typename Rule>
void ReleaseProvidersWhere(TsSkinManager& manager, Rule rule)
{
    std::vector<std::unique_ptr<TacProvider>> going;
    for (std::unique_ptr<TacProvider>& provider : manager.Providers())
        if (provider && rule(*provider))
            going.push_back(std::move(provider));
    std::erase(manager.Providers(), nullptr);
    going.clear();
}

} // namespace

void ReleaseProviders(TsSkinManager& manager, bool formsToo)
{
    ReleaseProvidersWhere(manager, [formsToo](const TacProvider& provider) {
        return formsToo || !provider.FormProvider || provider.Gone();
    });
}

void ReleaseGoneProviders(TsSkinManager& manager)
{
    ReleaseProvidersWhere(manager, [](const TacProvider& provider) { return provider.Gone(); });
}

void AttachExistingWindows(TsSkinManager& manager)
{
    std::vector<HWND> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            if (IsWindowVisible(window))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows)
        if (IsWindow(window))
            AttachToWindow(manager, window);
}

TacProvider* ProviderOf(HWND window)
{
    TsSkinManager* manager = TsSkinManager::DefaultManager();
    if (!manager)
        return nullptr;
    for (const std::unique_ptr<TacProvider>& provider : manager->Providers()) {
        if (!provider || provider->Gone())
            continue;
        if ((provider->DialogAdapter && provider->Window == window) ||
            (provider->FormProvider && provider->FormProvider->Window() == window))
            return provider.get();
    }
    return nullptr;
}

bool AttachToWindow(HWND window, std::u16string_view className)
{
    TsSkinManager* manager = TsSkinManager::DefaultManager();
    return manager && AttachToWindow(*manager, window, className);
}

bool AttachToWindow(TsSkinManager& owner, HWND window, std::u16string_view className)
{
    TsSkinManager* manager = &owner;
    if (!ui::Application::Current() || !window || AnswersSkinCommands(window))
        return false;
    const std::u16string name = className.empty() ? ClassNameOf(window) : std::u16string(className);
    if (!StyleAllowsFrame(static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE))))
        return false;
    if (ProviderOf(window))
        return false;
    auto* form = dynamic_cast<ui::Form*>(ui::Window::FromHandle(window));
    if (!form) {
        const bool parentless = (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0;
        if (name != u"#32770" || !parentless || (manager->SkinningRules & srStdDialogs) == 0)
            return false;
        int visible = 0;
        for (const std::unique_ptr<TacProvider>& provider : manager->Providers())
            if (provider && provider->DialogAdapter && !provider->Gone() && IsWindowVisible(provider->Window))
                ++visible;
        if (!TakesAnotherDialog(visible, HasToolBarDescendant(window)))
            return false;
        auto provider = std::make_unique<TacProvider>(*manager);
        TacProvider& made = *provider;
        manager->Providers().push_back(std::move(provider));
        if (!made.AttachDialog(window)) {
            auto it = std::find_if(manager->Providers().begin(), manager->Providers().end(),
                                   [&](const std::unique_ptr<TacProvider>& p) { return p.get() == &made; });
            if (it != manager->Providers().end())
                it->reset();
        }
        return true;
    }
    if (TagLeavesUnframed(form->Tag()) || IsExcludedFormClass(name) ||
        IsExcludedFormClass(ui::ToU16(form->ClassName())))
        return false;
    if (!RulesAllowForm(manager->SkinningRules, ui::ToU16(form->ClassName())))
        return false;
    auto provider = std::make_unique<TacProvider>(*manager);
    TacProvider& made = *provider;
    manager->Providers().push_back(std::move(provider));
    made.AttachForm(*form);
    return true;
}

void HandleCbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    ui::Application* application = ui::Application::Current();
    if (!application)
        return;
    switch (code) {
    case HCBT_CREATEWND: {
        const auto window = reinterpret_cast<HWND>(wParam);
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (!window || !create || !create->lpcs)
            return;
        const CREATESTRUCTW& cs = *create->lpcs;
        const bool atom = IS_INTRESOURCE(cs.lpszClass);
        const std::u16string name = atom ? std::u16string() : ui::ToU16(cs.lpszClass);
        const bool dialog = (atom && LOWORD(reinterpret_cast<ULONG_PTR>(cs.lpszClass)) == 32770) || name == u"#32770";
        if (cs.style & WS_CHILD) {
            // A child of an adapted dialog gets its adapter once its creation has completed.
            const HWND root = cs.hwndParent ? GetAncestor(cs.hwndParent, GA_ROOT) : nullptr;
            if (root && dynamic_cast<TacDialogWnd*>(TacMainWnd::FromWindow(root)))
                PostMessageW(root, SKM_COMMAND, EngineCommandWParam(SKC_ADAPTCHILD, 1),
                             reinterpret_cast<LPARAM>(window));
            return;
        }
        if (dialog) {
            AttachToWindow(window, u"#32770");
            return;
        }
        if (atom)
            return;
        ui::Form* main = application->MainForm();
        NamedWindowFacts facts;
        facts.ClassName = name;
        facts.Style = cs.style;
        facts.ExStyle = cs.dwExStyle;
        facts.HasParent = false;
        facts.HasMainForm = main != nullptr;
        facts.MainFormWindowExists = main && main->Handle();
        facts.IsMainFormWindow = main && main->Handle() == window;
        if (HookTakesNamedWindow(facts))
            AttachToWindow(window, name);
        return;
    }
    case HCBT_DESTROYWND:
        if (TsSkinManager* manager = TsSkinManager::DefaultManager())
            ReleaseGoneProviders(*manager);
        return;
    case HCBT_ACTIVATE:
        AttachToWindow(reinterpret_cast<HWND>(wParam));
        return;
    default:
        return;
    }
}

} // namespace korvane
