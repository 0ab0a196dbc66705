#include "ui/clipboard.h"

#include "win32/unique_handle.h"

#include <cstring>

namespace korvane::ui {

namespace {

// OpenClipboard / CloseClipboard; another program may hold the clipboard for a moment.
class ClipboardLock {
public:
    explicit ClipboardLock(HWND owner)
    {
        for (int attempt = 0; attempt < 10 && !m_open; ++attempt) {
            m_open = OpenClipboard(owner) != FALSE;
            if (!m_open)
                Sleep(10);
        }
    }
    ClipboardLock(const ClipboardLock&) = delete;
    ClipboardLock& operator=(const ClipboardLock&) = delete;
    ~ClipboardLock()
    {
        if (m_open)
            CloseClipboard();
    }
    bool Open() const { return m_open; }

private:
    bool m_open = false;
};

} // namespace

bool SetClipboardText(HWND owner, std::wstring_view text)
{
    win32::OwnedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t)));
    if (!memory)
        return false;
    if (void* bytes = GlobalLock(memory.get())) {
        std::memcpy(bytes, text.data(), text.size() * sizeof(wchar_t));
        static_cast<wchar_t*>(bytes)[text.size()] = L'\0';
        GlobalUnlock(memory.get());
    } else {
        return false;
    }
    ClipboardLock lock(owner);
    if (!lock.Open())
        return false;
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, memory.get()))
        return false;
    memory.release(); // the clipboard owns it now
    return true;
}

std::wstring ClipboardText(HWND owner)
{
    ClipboardLock lock(owner);
    if (!lock.Open())
        return {};
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data)
        return {};
    const auto* chars = static_cast<const wchar_t*>(GlobalLock(data));
    if (!chars)
        return {};
    std::wstring text(chars);
    GlobalUnlock(data);
    return text;
}

} // namespace korvane::ui
