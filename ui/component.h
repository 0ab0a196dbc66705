#pragma once

#include "ui/message.h"

#include <memory>
#include <string_view>
#include <vector>

namespace korvane::ui {

class MessageHook;

// What windows and windowless controls of the class library have in common: a class name as
// the class library names its classes ("TEdit", "TLabel", ...), a Tag, and one message path.
// Every message passes the hooks first, in the order they were attached, then the component's
// own handling; a hook that handles a message ends its path.
class Component {
public:
    Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    virtual ~Component();

    // The class library's name of the component's class, compared by the skin engine's lists.
    virtual std::wstring_view ClassName() const = 0;
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    // Runs a message along the component's path at once, as the window procedure would, and
    // returns its result.
    LRESULT Perform(UINT id, WPARAM wParam = 0, LPARAM lParam = 0);
    // The same with the whole message, so the caller sees whether anyone handled it.
    void Perform(Message& message) { Dispatch(message); }

    // Attaches a hook that the component keeps and destroys with itself.
    MessageHook& AddOwnedHook(std::unique_ptr<MessageHook> hook);
    const std::vector<MessageHook*>& Hooks() const { return m_hooks; }
    // The first attached hook of type T, or null.
    template <typename T>
    T* FindHook() const
    {
        for (MessageHook* hook : m_hooks)
            if (auto* found = dynamic_cast<T*>(hook))
                return found;
        return nullptr;
    }

protected:
    // The component's own handling of a message no hook handled.
    virtual void HandleMessage(Message& message) = 0;
    // The message path: the hooks from `first` on, then HandleMessage.
    void Dispatch(Message& message, std::size_t first = 0);
    // Tells every hook that the component is going away and empties the chain.
    void ReleaseHooks();
    // Tells every hook that the component's window was destroyed (the component lives on).
    void NotifyWindowDestroyed();

private:
    friend class MessageHook;
    std::vector<MessageHook*> m_hooks;
    std::vector<std::unique_ptr<MessageHook>> m_ownedHooks;
    int m_tag = 0;
};

// A behaviour attached to one component's message path: it sees each message before the
// component does. The hook does not own the component nor the component the hook; whichever goes
// first leaves the other alone.
class MessageHook {
public:
    MessageHook() = default;
    MessageHook(const MessageHook&) = delete;
    MessageHook& operator=(const MessageHook&) = delete;
    virtual ~MessageHook();

    // Appends the hook to the component's chain, leaving the chain it was in.
    void Attach(Component& target);
    void Detach();
    Component* Target() const { return m_target; }

protected:
    // True when the message is handled: its Result is the answer and it goes no further.
    virtual bool OnMessage(Message& message) = 0;
    // Runs the rest of the message's path (the later hooks and the component's own handling) and
    // returns its result, for a hook that acts after the component has handled the message. The
    // path then ends with this hook, whatever OnMessage returns.
    LRESULT CallNext(Message& message);
    // The component goes away while the hook is attached.
    virtual void OnTargetDestroyed() {}
    // The component's window was destroyed (WM_NCDESTROY, which does not travel the path).
    virtual void OnWindowDestroyed() {}

private:
    friend class Component;
    Component* m_target = nullptr;
};

} // namespace korvane::ui
