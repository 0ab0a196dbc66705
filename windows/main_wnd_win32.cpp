#include "windows/main_wnd_win32.h"

#include "controls/common_data_win32.h"
#include "render/glow.h"
#include "skin/engine_commands.h"
#include "ui/window.h"
#include "ui/window_text.h"
#include "win32/redraw_suspension.h"
#include "win32/window_table.h"
#include "windows/skin_manager_win32.h"

namespace korvane {

namespace {

// Published for other code that has the window: the property holds its adapter. This program
// never reads it back; it finds adapters in the table below.
constexpr const wchar_t* kAdapterProperty = L"ACSBSC";

// An adapted window: its adapter, and the procedure the adapter's thunk replaced.
using AdapterSlot = win32::SubclassSlot<TacMainWnd>;

win32::WindowTable<AdapterSlot>& AdapterSlots()
{
    static win32::WindowTable<AdapterSlot> slots;
    return slots;
}

AdapterSlot* AdapterSlotOf(HWND window)
{
    return AdapterSlots().Find(window);
}

// The adapter no longer serves the window: nothing leads to it from the window any more.
void ForgetAdapter(HWND window, const TacMainWnd* adapter)
{
    AdapterSlot* slot = AdapterSlotOf(window);
    if (!slot || slot->Served != adapter)
        return;
    slot->Served = nullptr;
    ForgetWindowTarget(window, adapter);
    if (IsWindow(window))
        RemovePropW(window, kAdapterProperty);
    if (!slot->Previous)
        AdapterSlots().Erase(window);
}

} // namespace

// The adapter on the message path of a class-library window: it sees every message before the
// object does, and the rest of the path is the adapter's "previous" handling.
class TacMainWnd::PathHook : public ui::MessageHook, public SkinTargetOnPath {
public:
    explicit PathHook(TacMainWnd& owner) : m_owner(owner) {}
    LRESULT Next(UINT id, WPARAM wParam, LPARAM lParam)
    {
        ui::Message message{id, wParam, lParam};
        return CallNext(message);
    }

protected:
    bool OnMessage(ui::Message& message) override
    {
        message.Result = m_owner.Dispatch(message.Id, message.WParam, message.LParam);
        return true;
    }
    void OnTargetDestroyed() override
    {
        m_owner.m_subclassed = false;
        m_owner.m_detached = true;
    }
    // The window went: the adapter detaches, as one of a plain window does at WM_NCDESTROY.
    void OnWindowDestroyed() override { m_owner.Detach(); }

    // The adapter answers where the hook stands on the path.
    SkinTarget& PathTarget() override { return m_owner; }

private:
    TacMainWnd& m_owner;
};

TacMainWnd::TacMainWnd(HWND window, std::u16string_view section, TsSkinManager* manager)
    : m_window(window)
    , m_section(section)
    , m_manager(manager)
{
}

TacMainWnd::~TacMainWnd()
{
    if (!m_detached && m_subclassed)
        UnsubclassOrStrand();
    ForgetAdapter(m_window, this);
}

void TacMainWnd::Release(TacMainWnd* adapter) noexcept
{
    if (!adapter || adapter->m_released)
        return;
    adapter->m_released = true;
    if (!adapter->m_detached) {
        if (adapter->m_subclassed)
            adapter->UnsubclassOrStrand();
        adapter->m_detached = true;
        try {
            adapter->Restore();
        } catch (...) {
            // The window keeps whatever Restore could not give back; the adapter goes anyway.
        }
        // The platform paints the window again in its own look.
        if (const HWND window = adapter->m_window; window && IsWindow(window) && IsWindowVisible(window))
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
    if (adapter->m_messageDepth == 0)
        delete adapter;
}

// Keeps the adapter alive until the outermost of its messages or notices returns, however it ends.
class TacMainWnd::KeepAlive {
public:
    explicit KeepAlive(TacMainWnd& adapter) : m_adapter(adapter) { ++m_adapter.m_messageDepth; }
    ~KeepAlive()
    {
        if (--m_adapter.m_messageDepth == 0 && m_adapter.m_released)
            delete &m_adapter;
    }
    KeepAlive(const KeepAlive&) = delete;
    KeepAlive& operator=(const KeepAlive&) = delete;

private:
    TacMainWnd& m_adapter;
};

LRESULT TacMainWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    const KeepAlive alive(*this);
    // The engine's questions are answered by the adapter's own answers, whatever its class.
    if (message == SKM_COMMAND && !m_detached) {
        if (const std::optional<LRESULT> answered =
                AnswerEngineCommand(*this, wParam, lParam, [&] { return CallPrevious(message, wParam, lParam); }))
            return *answered;
    }
    return WndProc(message, wParam, lParam);
}

TsSkinManager* TacMainWnd::Manager() const
{
    return m_manager ? m_manager : TsSkinManager::DefaultManager();
}

bool TacMainWnd::Hot() const
{
    const TsSkinManager* manager = Manager();
    return manager && manager->HotWindow() == m_window;
}

TacMainWnd* TacMainWnd::FromWindow(HWND window)
{
    const AdapterSlot* slot = window ? AdapterSlotOf(window) : nullptr;
    return slot ? slot->Served : nullptr;
}

void TacMainWnd::Create(bool frameChange)
{
    ResolveSection();
    Initialize();
    m_coloursApplied = false;
    ReadCaption();
    AdapterSlot& slot = AdapterSlots().At(m_window);
    slot.Served = this;
    SetPropW(m_window, kAdapterProperty, this);
    if (ui::Window* object = ui::Window::FromHandle(m_window)) {
        m_hook = std::make_unique<PathHook>(*this);
        m_hook->Attach(*object);
    } else {
        // Questions asked in the process find the adapter of a window no object of ours owns here.
        SetWindowTarget(m_window, this);
        // An earlier adapter's thunk left under another subclasser reaches whoever the table names.
        m_savedProc = win32::SubclassWith(slot, m_window, &TacMainWnd::ProcThunk);
    }
    m_subclassed = true;
    m_detached = false;
    if (frameChange)
        SetWindowPos(m_window, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TacMainWnd::ResolveSection()
{
    const TsSkinManager* manager = Manager();
    m_sectionIndex = manager && manager->Active() ? manager->Tables().FindSection(m_section) : -1;
    CacheStale = true;
}

void TacMainWnd::ReadCaption()
{
    m_caption = ui::WindowText(m_window);
}

bool TacMainWnd::Unsubclass()
{
    if (m_hook) {
        // The hook object stays until the adapter goes: it may be the one handling a message now.
        m_hook->Detach();
    } else if (m_window && IsWindow(m_window)) {
        if (GetWindowLongPtrW(m_window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&TacMainWnd::ProcThunk))
            return false;
        SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_savedProc));
        if (AdapterSlot* slot = AdapterSlotOf(m_window))
            slot->Previous = nullptr;
    }
    ForgetAdapter(m_window, this);
    m_subclassed = false;
    return true;
}

void TacMainWnd::UnsubclassOrStrand()
{
    if (Unsubclass())
        return;
    // Another subclasser sits on the thunk: the thunk stays and, finding no adapter, passes every
    // message to the procedure it replaced (kept in the table for it).
    ForgetAdapter(m_window, this);
    m_subclassed = false;
}

bool TacMainWnd::Detach(bool redrawByFrameChange)
{
    if (m_detached)
        return true;
    if (m_subclassed && !Unsubclass())
        return false;
    m_detached = true;
    Restore();
    if (m_window && IsWindow(m_window) && IsWindowVisible(m_window)) {
        if (redrawByFrameChange)
            SetWindowPos(m_window, nullptr, 0, 0, 0, 0,
                         SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        else
            SendMessageW(m_window, WM_NCPAINT, 1, 0);
    }
    return true;
}

LRESULT TacMainWnd::CallPrevious(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_hook)
        return m_hook->Next(message, wParam, lParam);
    if (m_savedProc)
        return CallWindowProcW(m_savedProc, m_window, message, wParam, lParam);
    return 0;
}

LRESULT CALLBACK TacMainWnd::ProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const AdapterSlot* slot = AdapterSlotOf(window);
    if (TacMainWnd* adapter = slot ? slot->Served : nullptr; adapter && !adapter->m_detached && !adapter->m_hook)
        return ui::HandleReportingErrors([&] { return adapter->Dispatch(message, wParam, lParam); });
    return win32::PassOn(AdapterSlots(), window, message, wParam, lParam);
}

LRESULT TacMainWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
    case WM_NCDESTROY: {
        const LRESULT result = CallPrevious(message, wParam, lParam);
        if (message == WM_NCDESTROY && result == 0)
            Detach();
        return result;
    }
    case WM_UPDATEUISTATE:
        return 0;
    case WM_SIZE:
        CacheStale = true;
        break;
    case WM_SETTEXT: {
        const LRESULT result = CallPrevious(message, wParam, lParam);
        ReadCaption();
        return result;
    }
    case WM_MOUSEMOVE:
        // The window becomes the hot one, and asks to hear when the mouse leaves it.
        if (TsSkinManager* manager = Manager(); manager && IsWindowEnabled(m_window) && !Hot()) {
            manager->SetHotWindow(m_window);
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_window, 0};
            TrackMouseEvent(&track);
        }
        break;
    case WM_MOUSELEAVE:
        if (Hot())
            Manager()->SetHotWindow(nullptr);
        break;
    case WM_PRINT:
        return SendMessageW(m_window, WM_PAINT, wParam, lParam);
    default:
        break;
    }
    // Skin changes have gone to OnSkinChanged; the other commands are heard while the skin is on.
    if (const TsSkinManager* manager = Manager(); message == SKM_COMMAND && manager && manager->Active())
        return HandleCommand(message, wParam, lParam);
    return CallPrevious(message, wParam, lParam);
}

LRESULT TacMainWnd::CallPreviousWithoutRedraw(UINT message, WPARAM wParam, LPARAM lParam)
{
    const win32::RedrawSuspension suspension(m_window);
    return CallPrevious(message, wParam, lParam);
}

bool TacMainWnd::Answering() const
{
    const TsSkinManager* manager = Manager();
    return manager && manager->Active() && !m_detached && !m_released;
}

std::optional<bool> TacMainWnd::UpdatingAnswer()
{
    if (!Answering())
        return std::nullopt;
    return PaintSuspended;
}

std::optional<bool> TacMainWnd::SkinnedAnswer()
{
    if (!Manager() || m_detached || m_released)
        return std::nullopt;
    return true;
}

std::uint32_t TacMainWnd::ChildrenColourAnswer(const std::function<std::uint32_t()>& rest)
{
    // The window's own handling answers first; the section's colour stands in for no answer.
    const std::uint32_t previous = rest();
    if (previous != 0 || !Answering())
        return previous;
    const SkinTables& tables = Manager()->Tables();
    return tables.IsValidSection(m_sectionIndex)
               ? static_cast<std::uint32_t>(tables.Sections[static_cast<std::size_t>(m_sectionIndex)].Color) & 0xFFFFFF
               : 0;
}

bool TacMainWnd::ParentReady()
{
    if (!Answering() || !PaintSuspended)
        return false;
    const KeepAlive alive(*this);
    PaintSuspended = false;
    RedrawWindow(m_window, nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_INVALIDATE);
    return true;
}

void TacMainWnd::HotChanged(const SkinManagerCore& manager, bool /*hot*/)
{
    if (Answering() && &manager == static_cast<const SkinManagerCore*>(Manager())) {
        const KeepAlive alive(*this);
        HoverChanged();
    }
}

void TacMainWnd::SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest)
{
    const KeepAlive alive(*this);
    if (m_detached)
        rest();
    else
        OnSkinChanged(change, sender == static_cast<const SkinManagerCore*>(Manager()), rest);
}

void TacMainWnd::OnSkinChanged(SkinChange change, bool own, const std::function<void()>& rest)
{
    const TsSkinManager* manager = Manager();
    // The skin's removal is heard when the manager is off already: that is when it is sent.
    if (!manager || (!manager->Active() && change != SkinChange::Remove)) {
        rest();
        return;
    }
    switch (change) {
    case SkinChange::Set:
        if (own) {
            ResolveSection();
            TellChildrenSkinChanged(m_window, change, Manager());
        }
        rest();
        break;
    case SkinChange::Remove:
        if (own)
            Restore();
        rest();
        break;
    case SkinChange::Refresh:
        // Ends here: the window's own handling has nothing to read again.
        if (own) {
            ResolveSection();
            PaintSuspended = false;
            if (IsWindowVisible(m_window))
                RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
        }
        break;
    }
}

bool TacMainWnd::SentByOwnManager(LPARAM lParam) const
{
    return reinterpret_cast<const SkinManagerCore*>(lParam) == static_cast<const SkinManagerCore*>(Manager());
}

LRESULT TacMainWnd::HandleCommand(UINT message, WPARAM wParam, LPARAM lParam)
{
    const EngineCommand command = EngineCommand::FromWParam(wParam);
    const bool own = SentByOwnManager(lParam);
    switch (command.Code) {
    case SKC_MOUSEENTER:
    case SKC_MOUSELEAVE:
        if (own)
            HoverChanged();
        return CallPrevious(message, wParam, lParam);
    case SKC_SETSECTION:
        if (lParam) {
            m_section = *reinterpret_cast<const std::u16string*>(lParam);
            ResolveSection();
        }
        return CallPrevious(message, wParam, lParam);
    default:
        return CallPrevious(message, wParam, lParam);
    }
}

} // namespace korvane
