#pragma once

#include "controls/skin_data_rules.h"
#include "ui/control.h"

#include <windows.h>

#include <memory>
#include <string>

namespace korvane {

class TsCommonData;
class TsEditLabel;

// An optional caption label glued to one side of an edit-like control: made when activated,
// placed beside the control whenever a property changes or the control moves or resizes.
class TsBoundLabel {
public:
    TsBoundLabel(ui::Control& control, TsCommonData& skinData);
    ~TsBoundLabel();
    TsBoundLabel(const TsBoundLabel&) = delete;
    TsBoundLabel& operator=(const TsBoundLabel&) = delete;

    bool Active() const { return m_label != nullptr; }
    // On: makes the label beside the control (with the control's parent, its enabled state and
    // its visibility); off: frees it.
    void SetActive(bool active);
    const std::wstring& Caption() const { return m_caption; }
    void SetCaption(std::wstring caption);
    int Indent() const { return m_indent; }
    void SetIndent(int indent);
    HFONT Font() const { return m_font; }
    void SetFont(HFONT font);
    TsCaptionLayout Layout() const { return m_layout; }
    void SetLayout(TsCaptionLayout layout);
    int MaxWidth() const { return m_maxWidth; }
    void SetMaxWidth(int width);
    bool UseSkinColor() const { return m_useSkinColor; }
    void SetUseSkinColor(bool use);

    // The label (windowless, on the control's parent), or null while inactive.
    TsEditLabel* Label() const { return m_label.get(); }
    // The label goes: the bound label forgets it.
    void LabelDestroyed(const TsEditLabel& label);
    // Places a visible label beside the control; the control calls it when it moves or resizes.
    void PlaceLabel();
    // Follows the control after its own handling of a message: a move or resize places the
    // label again; a visibility change shows or hides it with the control; an enabled change
    // enables it when the control is enabled or the control's disabled look is not blended
    // (`blendedDisabled` false). The label is placed again after each.
    void ControlChanged(UINT message, WPARAM wParam, bool blendedDisabled);

private:
    void ApplyAlignment();

    ui::Control& m_control;
    TsCommonData& m_skinData;
    std::unique_ptr<TsEditLabel> m_label;
    std::wstring m_caption;
    int m_indent = 0;
    HFONT m_font = nullptr;
    TsCaptionLayout m_layout = TsCaptionLayout::sclLeft;
    int m_maxWidth = 0;
    bool m_useSkinColor = true;
};

} // namespace korvane
