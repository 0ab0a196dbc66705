#include "ui/save_file_dialog.h"

#include <commdlg.h>

#include <vector>

namespace korvane::ui {

bool SaveFileDialog::Execute(HWND owner)
{
    // "a|b|c|d" becomes "a\0b\0c\0d\0\0".
    std::wstring filter = m_filter;
    for (wchar_t& ch : filter)
        if (ch == L'|')
            ch = L'\0';
    filter.push_back(L'\0');
    filter.push_back(L'\0');

    std::vector<wchar_t> name(32768, L'\0');
    m_fileName.copy(name.data(), name.size() - 1);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&ofn))
        return false;
    m_fileName = name.data();
    return true;
}

} // namespace korvane::ui
