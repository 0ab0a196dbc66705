#pragma once

#include "controls/bound_label_win32.h"
#include "controls/common_data_win32.h"
#include "controls/skin_target_win32.h"
#include "controls/disabled_look.h"
#include "controls/owned_adapter_win32.h"
#include "ui/rich_edit.h"

#include <memory>

namespace korvane {

// A rich edit in the skin's colours: its background and text colour from its section (unless
// its skin data keeps its own), the text sunk halfway into the background while disabled, and
// the edit-frame adapter attached to its own window for the border and bars. Printed into a
// foreign context (WM_PRINT) it renders its text there itself and adds the skinned frame.
class TsRichEdit : public ui::RichEdit, public SkinTarget {
public:
    TsRichEdit(ui::Window& parent, const PixelRect& bounds);
    ~TsRichEdit() override;
    std::wstring_view ClassName() const override { return L"TsRichEdit"; }

    TsCtrlSkinData SkinData;
    TsBoundLabel BoundLabel;

    TsDisabledKind DisabledKind() const { return m_disabledKind; }
    void SetDisabledKind(TsDisabledKind kind);
    std::optional<TsDisabledKind> DisabledKindAnswer() override { return m_disabledKind; }
    OwnedAdapter* EditAdapter() const { return m_editAdapter.get(); }
    void AttachEditAdapter();
    // An edit whose painting was held back repaints its frame now.
    bool ParentReady() override;
    void SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool Ready() const;
    bool Skinned() const;
    // The section's colours for the enabled or the disabled look (unless CustomColor).
    void ApplyEnabledColours(bool enabled);
    // The rich text and the skinned frame into a foreign context; answers 2 (printed).
    LRESULT PrintTo(HDC dc);

    TsDisabledKind m_disabledKind;
    COLORREF m_shownBackground = CLR_INVALID;
    // Freed first when the edit goes, before the bound label and the skin data.
    OwnedAdapterPtr m_editAdapter;
};

} // namespace korvane
