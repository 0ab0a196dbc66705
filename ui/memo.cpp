#include "ui/memo.h"

namespace korvane::ui {

Memo::Memo(Window& parent, const PixelRect& bounds)
    : Edit(parent, bounds, {}, ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL)
{
    // EM_LIMITTEXT 0: as much text as the system allows.
    Send(EM_LIMITTEXT, 0);
}

void Memo::AppendText(std::wstring_view text)
{
    const std::wstring copy(text);
    const LRESULT length = GetWindowTextLengthW(Handle());
    Send(EM_SETSEL, static_cast<WPARAM>(length), length);
    Send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(copy.c_str()));
}

void Memo::SelectAll()
{
    Send(EM_SETSEL, 0, -1);
}

std::wstring Memo::SelectedText() const
{
    DWORD start = 0;
    DWORD end = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring all = Text();
    if (start >= end || start >= all.size())
        return {};
    return all.substr(start, end - start);
}

} // namespace korvane::ui
