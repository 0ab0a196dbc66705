#include "ui/rich_edit.h"

#include <richedit.h>
#include <richole.h>
#include <tom.h>

#include <stdexcept>

namespace korvane::ui {

namespace {

// {8CC497C0-A1DF-11CE-8098-00AA0047BE5D}
constexpr GUID kTextDocumentId = {0x8CC497C0, 0xA1DF, 0x11CE, {0x80, 0x98, 0x00, 0xAA, 0x00, 0x47, 0xBE, 0x5D}};

const wchar_t* RichEditClass()
{
    // riched20.dll registers "RichEdit20W" when loaded; it stays loaded for the process.
    static win32::OwnedModule library(LoadLibraryW(L"riched20.dll"));
    if (!library)
        throw std::runtime_error("Cannot load riched20.dll");
    return RICHEDIT_CLASSW;
}

// Releases a COM interface pointer on leaving.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr()
    {
        if (m_pointer)
            m_pointer->Release();
    }
    T** Out() { return &m_pointer; }
    T* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

private:
    T* m_pointer = nullptr;
};

} // namespace

RichEdit::RichEdit(Window& parent, const PixelRect& bounds)
    : Control(parent, RichEditClass(), WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, WS_EX_CLIENTEDGE,
              bounds)
{
    // Wrap at the window's width.
    Send(EM_SETTARGETDEVICE, 0, 0);
    SetDefaultTextColor(0);
}

void RichEdit::SetBackgroundColor(COLORREF color)
{
    Send(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(color));
    SetColor(color);
}

void RichEdit::SetDefaultTextColor(COLORREF color)
{
    m_defaultTextColor = color;
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.crTextColor = color;
    Send(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SetFontColor(color);
}

void RichEdit::SetSelectionColor(COLORREF color)
{
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.crTextColor = color;
    Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

std::wstring RichEdit::TextRange(long start, long end) const
{
    if (end <= start)
        return {};
    std::wstring text(static_cast<std::size_t>(end - start) + 1, L'\0');
    TEXTRANGEW range{{start, end}, text.data()};
    const LRESULT copied = Send(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

COLORREF RichEdit::SelectionCharColor(long position) const
{
    // Only when the document interface is missing: select the character, read the selection's
    // format, and put the user's selection back without a visible change.
    CHARRANGE saved{};
    Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&saved));
    Send(WM_SETREDRAW, FALSE);
    CHARRANGE one{position, position + 1};
    Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&saved));
    Send(WM_SETREDRAW, TRUE);
    if (format.dwEffects & CFE_AUTOCOLOR)
        return m_defaultTextColor;
    return format.crTextColor;
}

COLORREF RichEdit::CharColor(long position) const
{
    ComPtr<IRichEditOle> ole;
    if (Send(EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(ole.Out())) && ole) {
        ComPtr<ITextDocument> document;
        if (SUCCEEDED(ole->QueryInterface(kTextDocumentId, reinterpret_cast<void**>(document.Out()))) && document) {
            ComPtr<ITextRange> range;
            ComPtr<ITextFont> font;
            long color = 0;
            if (SUCCEEDED(document->Range(position, position + 1, range.Out())) && range &&
                SUCCEEDED(range->GetFont(font.Out())) && font && SUCCEEDED(font->GetForeColor(&color)))
                return color == tomAutoColor ? m_defaultTextColor : static_cast<COLORREF>(color);
        }
    }
    return SelectionCharColor(position);
}

std::vector<RichRow> RichEdit::Rows() const
{
    std::vector<RichRow> rows;
    const long lineCount = static_cast<long>(Send(EM_GETLINECOUNT));
    for (long line = 0; line < lineCount; ++line) {
        const long start = static_cast<long>(Send(EM_LINEINDEX, static_cast<WPARAM>(line)));
        if (start < 0)
            break;
        const long length = static_cast<long>(Send(EM_LINELENGTH, static_cast<WPARAM>(start)));
        RichRow row;
        row.text = TextRange(start, start + length);
        for (long i = 0; i < static_cast<long>(row.text.size()); ++i)
            row.colors.push_back(CharColor(start + i));
        rows.push_back(std::move(row));
    }
    if (!rows.empty() && rows.back().text.empty())
        rows.pop_back();
    return rows;
}

} // namespace korvane::ui
