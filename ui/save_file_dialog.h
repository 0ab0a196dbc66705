#pragma once

#include <windows.h>

#include <string>

namespace korvane::ui {

// The system's save-file dialog: no default extension, no question before replacing a file, the
// read-only box hidden.
class SaveFileDialog {
public:
    // Filter as description and pattern pairs joined by vertical bars: "*.sma|*.sma".
    void SetFilter(std::wstring filter) { m_filter = std::move(filter); }
    const std::wstring& Filter() const { return m_filter; }
    void SetFileName(std::wstring name) { m_fileName = std::move(name); }
    const std::wstring& FileName() const { return m_fileName; }
    // Runs the dialog over the owner; true with FileName set when the user confirmed a name.
    bool Execute(HWND owner);

private:
    std::wstring m_filter;
    std::wstring m_fileName;
};

} // namespace korvane::ui
