#pragma once

#include "controls/common_data_win32.h"
#include "controls/control_fader_win32.h"
#include "controls/disabled_look.h"
#include "controls/radio_button_geometry.h"
#include "controls/skinned_text_win32.h"
#include "gfx/bitmap32.h"
#include "render/fade_math.h"
#include "ui/radio_group.h"

#include <functional>
#include <optional>

namespace korvane {

// Which side of the check picture the caption stands on (the property `Alignment`).
enum class TsRadioAlignment { LeftJustify, RightJustify };

// A radio button painted from the skin's "RADIOBUTTON" section: the face of its state, the check
// picture of the skin (GLOBALINFO's RADIOCHECKED or RADIOUNCHECKED) or its own glyphs, the caption
// in the skin's font colours and the dotted focus frame; disabled it takes the disabled look.
// While skinned the button control never paints itself: the mouse and the space key press the
// button, and the button checks itself when they come up. Every change of look goes through
// ShowChange. Unskinned, the platform draws and drives it.
class TsRadioButton : public ui::RadioButton, public SkinTarget {
public:
    TsRadioButton(ui::Window& parent, const PixelRect& bounds, std::wstring_view caption, bool firstOfGroup = false);
    ~TsRadioButton() override;
    std::wstring_view ClassName() const override { return L"TsRadioButton"; }

    TsCtrlSkinData SkinData;
    // A button whose painting was held back, or that was clipped, paints now.
    bool ParentReady() override;
    // The notice ends here.
    void SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest) override;

    bool AutoSize = true;
    int Margin = 2;
    int TextIndent = 0;
    bool ShowFocus = true;
    bool WordWrap = false;
    bool ReadOnly = false;
    TsDisabledKind DisabledKind;
    TsRadioAlignment Alignment = TsRadioAlignment::RightJustify;
    TacAnimatEvents AnimatEvents = kDefaultAnimatEvents;
    // The button's own pictures for the two check states; a picture may hold square frames side
    // by side (normal, hot, pressed). Empty: the skin's pictures.
    Bitmap32 GlyphChecked;
    Bitmap32 GlyphUnChecked;

    // Runs when the button becomes checked by the user or by SetChecked.
    std::function<void()> on_click;

    bool Checked() const;
    // Checks or unchecks the button; checking unchecks the radio buttons beside it and clicks it.
    void SetChecked(bool checked);
    // Whether the user may check the button now; item buttons ask their group.
    virtual bool CanModify() { return true; }
    // The mouse button or the space key went down on the button and has not come up.
    bool Pressing() const { return m_pressing; }

    // The drawing state: pressed, hot (active and changeable) or normal.
    int DrawingState() const;
    PixelRect GlyphRect() const;
    void BuildCache();
    void PaintRadio(HDC dc);
    // Sizes the button to its picture and caption while skinned and AutoSize.
    void AdjustSize();
    // The one place every change of the button's look goes through: hot, pressed, checked,
    // focused. It cross-fades when the event animates (presses and releases in half the steps),
    // else repaints at once.
    void ShowChange(TacAnimatEvent event);
    ControlFader& Fader() { return m_fader; }

protected:
    virtual void Click();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflectedCommand(WORD code) override;
    bool SkinnedNow() const;

private:
    void TurnSiblingsOff();
    bool AskCanModify();
    // Moves the focus, and the check when the next button allows it, to the next or previous
    // radio button of the same parent.
    void MoveToSibling(bool forward);
    bool CaptionRight() const;
    PixelSize GlyphSize() const;
    const Bitmap32& CurrentGlyph() const;
    const TsMaskData* SkinCheckEntry() const;
    void PaintCaption(HDC dc, const BitmapView& face);
    void PaintCheck(const BitmapView& face);
    void RepaintNow();
    template <typename Handling>
    LRESULT WithoutRedraw(Handling handling);

    bool m_pressing = false;
    // Set while the button itself takes the focus: the platform reports that as a click.
    bool m_focusing = false;
    bool m_inClickCommand = false;
    bool m_asking = false; // CanModify is being asked
    // The check state read once for the face being built: every glyph and caption decision asks
    // for it, and each question is a message through the window's whole subclass chain.
    std::optional<bool> m_checkedForFace;

    GdiGlowWorkImage m_glowWork;
    ControlFader m_fader;
};

} // namespace korvane
