#pragma once

#include "controls/skin_target_win32.h"
#include "ui/graphic_control.h"
#include "ui/label.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

class TsBoundLabel;

// A windowless text that takes its colour from the skin: the font colour of the section its
// parent gives its font with (or the skin's global font colour), or, with a SkinSection, that
// section's colour over that section's face. Disabled under an active skin its text is mixed
// with the colour its parent gives its children. Created see-through, sized to its text.
class TsCustomLabel : public ui::GraphicControl, public SkinTarget {
public:
    TsCustomLabel(ui::Window& parent, int left, int top, std::wstring_view caption);
    std::wstring_view ClassName() const override { return L"TsCustomLabel"; }
    // The skin's colours are taken again, or the system's given back.
    void SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest) override;

    const std::wstring& Caption() const { return m_caption; }
    void SetCaption(std::wstring_view caption);
    HFONT Font() const { return m_font; }
    void SetFont(HFONT font);
    COLORREF FontColor() const { return m_fontColor; }
    void SetFontColor(COLORREF color);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    void SetWordWrap(bool wrap);
    void SetAlignment(ui::TextAlignment alignment);
    bool Transparent = true;
    bool ShowAccelChar = true;
    // A section whose colour the text takes and whose face (for any section but the first)
    // lies under it; empty: none.
    const std::u16string& SkinSection() const { return m_skinSection; }
    void SetSkinSection(std::u16string_view section);

    std::function<void()> on_mouse_enter;
    std::function<void()> on_mouse_leave;

    // The text colour the skin gives the label, or none.
    virtual std::optional<COLORREF> SkinFontColour() const;
    // The colour the text is drawn in now: its font colour, mixed for a disabled label.
    COLORREF TextColour() const;
    void Paint(HDC dc) override;
    // Fits the bounds to the text while AutoSize.
    void AdjustBounds();

protected:
    void HandleMessage(ui::Message& message) override;
    void OnMouseEnter() override;
    void OnMouseLeave() override;
    void OnEnabledChanged(bool enabled) override;
    virtual bool TakesSkinColour() const { return true; }

private:
    UINT TextFlags() const;
    void PaintSectionFace(HDC dc, int sectionIndex);

    std::wstring m_caption;
    HFONT m_font = nullptr;
    COLORREF m_fontColor;
    bool m_autoSize = true;
    bool m_wordWrap = false;
    ui::TextAlignment m_alignment = ui::TextAlignment::Left;
    std::u16string m_skinSection;
    bool m_painting = false;
};

// The skinned label of the forms: takes the skin's colour only while UseSkinColor.
class TsLabel : public TsCustomLabel {
public:
    using TsCustomLabel::TsCustomLabel;
    std::wstring_view ClassName() const override { return L"TsLabel"; }
    bool UseSkinColor = true;

protected:
    bool TakesSkinColour() const override { return UseSkinColor; }
};

// The label a bound label makes beside its control; it tells the bound label when it goes.
class TsEditLabel : public TsLabel {
public:
    TsEditLabel(ui::Window& parent, TsBoundLabel& boundLabel, std::wstring_view caption);
    ~TsEditLabel() override;
    std::wstring_view ClassName() const override { return L"TsEditLabel"; }
    TsBoundLabel* BoundLabel() const { return m_boundLabel; }
    // The bound label goes first: the label forgets it.
    void ForgetBoundLabel() { m_boundLabel = nullptr; }

private:
    TsBoundLabel* m_boundLabel;
};

} // namespace korvane
