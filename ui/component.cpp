#include "ui/component.h"

#include <algorithm>

namespace korvane::ui {

Component::~Component()
{
    ReleaseHooks();
}

void Component::ReleaseHooks()
{
    const std::vector<MessageHook*> hooks = std::move(m_hooks);
    m_hooks.clear();
    for (MessageHook* hook : hooks) {
        hook->m_target = nullptr;
        hook->OnTargetDestroyed();
    }
}

void Component::NotifyWindowDestroyed()
{
    // Over a copy: a hook may leave the chain when it hears it.
    const std::vector<MessageHook*> hooks = m_hooks;
    for (MessageHook* hook : hooks)
        if (std::find(m_hooks.begin(), m_hooks.end(), hook) != m_hooks.end())
            hook->OnWindowDestroyed();
}

MessageHook& Component::AddOwnedHook(std::unique_ptr<MessageHook> hook)
{
    MessageHook& attached = *hook;
    attached.Attach(*this);
    m_ownedHooks.push_back(std::move(hook));
    return attached;
}

LRESULT Component::Perform(UINT id, WPARAM wParam, LPARAM lParam)
{
    Message message{id, wParam, lParam};
    Dispatch(message);
    return message.Result;
}

void Component::Dispatch(Message& message, std::size_t first)
{
    for (std::size_t i = first; i < m_hooks.size(); ++i) {
        MessageHook* hook = m_hooks[i];
        if (hook->OnMessage(message)) {
            message.Handled = true;
            return;
        }
        if (message.Completed)
            return;
        // A hook may leave the chain (or attach another) while it handles a message: go on after
        // wherever it stands now.
        if (i >= m_hooks.size() || m_hooks[i] != hook) {
            const auto at = std::find(m_hooks.begin(), m_hooks.end(), hook);
            i = at == m_hooks.end() ? i - 1 : static_cast<std::size_t>(at - m_hooks.begin());
        }
    }
    HandleMessage(message);
    message.Completed = true;
}

MessageHook::~MessageHook()
{
    Detach();
}

void MessageHook::Attach(Component& target)
{
    if (m_target == &target)
        return;
    Detach();
    target.m_hooks.push_back(this);
    m_target = &target;
}

void MessageHook::Detach()
{
    if (!m_target)
        return;
    std::erase(m_target->m_hooks, this);
    m_target = nullptr;
}

LRESULT MessageHook::CallNext(Message& message)
{
    if (!m_target)
        return message.Result;
    const auto& hooks = m_target->m_hooks;
    const auto at = std::find(hooks.begin(), hooks.end(), this);
    m_target->Dispatch(message, at == hooks.end() ? hooks.size() : static_cast<std::size_t>(at - hooks.begin()) + 1);
    message.Completed = true;
    return message.Result;
}

} // namespace korvane::ui
