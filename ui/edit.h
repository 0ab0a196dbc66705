#pragma once

#include "ui/control.h"

#include <functional>

namespace korvane::ui {

// A single-line edit. on_key_press sees every typed character (WM_CHAR) before the edit does and
// may replace it; a character replaced by code 0 is dropped. Pasted text is not filtered.
class Edit : public Control {
public:
    Edit(Window& parent, const PixelRect& bounds, std::wstring_view text = {});

    std::wstring_view ClassName() const override { return L"TEdit"; }

    std::function<void(wchar_t& key)> on_key_press;
    // The text changed, by typing, pasting or SetText.
    std::function<void()> on_change;

protected:
    Edit(Window& parent, const PixelRect& bounds, std::wstring_view text, DWORD style);
    std::optional<LRESULT> OnSetText(const wchar_t* text) override;
    void OnChar(wchar_t& key) override;
    bool OnReflectedCommand(WORD code) override;

private:
    bool m_settingText = false;
};

} // namespace korvane::ui
