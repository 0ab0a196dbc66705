#pragma once

#include "controls/common_data_win32.h"
#include "controls/control_fader_win32.h"
#include "controls/disabled_look.h"
#include "ui/push_button.h"
#include "win32/unique_handle.h"

#include <windows.h>

namespace korvane {

// What a windowed skinned button draws on its face after the section's background and borders
// mask: its glyph and caption (TsBitBtn) or its caption (TsButton).
class WindowedButtonContent {
public:
    virtual ~WindowedButtonContent() = default;
    virtual void PaintContent(HDC dc, const BitmapView& face, int state) = 0;
};

// The skin behaviour of a windowed push button, on the button's message path after its skin
// data: while skinned the button control is owner-drawn, so it never paints itself, and every
// paint rebuilds the face in the cache (background, borders mask with the window region cut from
// its transparent corners, content, disabled look) and copies it to the screen. Presses,
// releases, the mouse, focus and the keyboard change the drawing state.
class WindowedButtonSkin : public ui::MessageHook, public SkinTarget {
public:
    WindowedButtonSkin(ui::PushButton& button, TsCtrlSkinData& data, WindowedButtonContent& content);
    ~WindowedButtonSkin() override;

    // Pressed permanently.
    bool Down = false;
    TsDisabledKind DisabledKind;
    // Set at creation and by every state change; every paint of a windowed button rebuilds its
    // face and region while it is set.
    bool StateChanged = true;
    bool Pressing = false;

    int CurrentState() const;
    // The drawing state: CurrentState limited to the section's states.
    int DrawingState() const;
    // Rebuilds the face for the drawing state and clears CacheStale.
    void BuildCache();
    // The window's paint: into `given` (WM_PRINTCLIENT) or through BeginPaint.
    void PaintButton(HDC given);
    // The button's cross-fades between its looks.
    ControlFader& Fader() { return m_fader; }

    // A button whose painting was held back is invalidated; the notice goes on.
    bool ParentReady() override;
    void SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest) override;

protected:
    bool OnMessage(ui::Message& message) override;

private:
    bool Skinned() const;
    void SetOwnerDrawn(bool ownerDrawn);
    void ShowChange(TacAnimatEvent event);
    void Repaint();
    void ShowFadeFrame(const Bitmap32& frame);
    bool Release(ui::Message& message);
    // Ends a press that will see no button-up (the capture went): the released face, no glow.
    void CancelPress();
    // BM_SETSTYLE while owner-drawn: the default-button role is remembered, the owner drawing kept.
    void TakeStyle(ui::Message& message);
    // Gives the window the region BuildCache cut: the corner blocks of the new face first (no
    // flash of the old corners), and the parent repaints where corners of a larger region lay.
    void ApplyRegion(HDC dc, bool redraw, const PixelRect& bounds);

    ui::PushButton& m_button;
    TsCtrlSkinData& m_data;
    WindowedButtonContent& m_content;
    win32::OwnedRegion m_newRegion;
    bool m_regionApplied = false; // a region was given to the window once
    PixelRect m_regionBounds;
    bool m_pressedLookFlush = false;
    bool m_ownerDrawn = false;
    // The button's own BS_DEFPUSHBUTTON, kept while the window is owner-drawn.
    bool m_defaultStyle = false;
    ControlFader m_fader;
};

} // namespace korvane
