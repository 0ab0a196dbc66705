#pragma once

namespace korvane {

// The drawing states of a button's face.
inline constexpr int StateNormal = 0;
inline constexpr int StateHot = 1;
inline constexpr int StatePressed = 2;

// What decides the state of a windowed push button.
struct WindowedButtonFacts {
    bool Pushed = false;           // the button control reports itself pushed (BST_PUSHED)
    bool PressedLookFlush = false; // the synchronous repaint at mouse up is running
    bool MouseInside = false;
    bool LeftButtonHeld = false; // the left mouse button is down on the control
    bool Down = false;
    bool ActiveDefault = false; // the form's active default button
    bool DefaultStyle = false;  // its window has the default-push-button style
    bool Active = false;        // the skin data's normal/hot decision
};
// Pressed while pushed (and the mouse is over it or the button is not held), or while Down;
// hot as the default button or when active; normal otherwise.
int WindowedButtonState(const WindowedButtonFacts& facts);

// Pressed while the speed button is down (or exclusively down), hot when active.
int SpeedButtonState(bool down, bool active);

// A release may come before the face of the press has faded in: the pressed face is then shown
// at once and stays this long, so every press is seen.
inline constexpr int kPressedFaceMinimumMs = 30;

// What the release of a windowed button does before it shows its new state.
struct ReleaseSteps {
    bool ShowPressedFace = false; // stop the fade and repaint the pressed face synchronously
    int PauseMs = 0;              // then keep it on the screen this long
    bool ShowChange = false;      // then show the released state (fade when animated)
};
// A release while pressing: a running (unfinished) press fade is cut short by the pressed face.
// A release without a press changes nothing.
ReleaseSteps PlanRelease(bool pressing, bool fadeRunning);

} // namespace korvane
