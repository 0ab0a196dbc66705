#pragma once

#include "gfx/pixel_rect.h"

#include <array>
#include <string>

namespace korvane {

// The border a framed window has, as its form names it.
enum class FrameBorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

// Hit codes of the title buttons, as the platform numbers them.
inline constexpr int kHitMinimize = 8;
inline constexpr int kHitMaximize = 9;
inline constexpr int kHitClose = 20;
inline constexpr int kHitHelp = 21;

// One title button: its state (0 normal, 1 hot, 2 pressed), its picture (an image entry of
// GLOBALINFO, -1 none), its place in window coordinates, whether a state animation runs (the
// normal picture is drawn meanwhile), its hit code and whether it uses the big pictures.
struct TitleButtonData {
    int State = 0;
    int ImageIndex = -1;
    PixelRect Rect;
    bool Animating = false;
    int HitCode = 0;
    bool Big = true;
};

// What the title buttons of a window depend on.
struct TitleFacts {
    FrameBorderStyle BorderStyle = FrameBorderStyle::Single;
    bool Minimized = false;
    bool Maximized = false;
    // The system menu offers these (the window has the boxes and a border that allows them).
    bool OffersMinimize = false;
    bool OffersMaximize = false;
    // The form asks for the help icon.
    bool HelpIcon = false;
};

// Whether the form is a tool window whose title bar is small.
bool IsToolWindowStyle(FrameBorderStyle style);

// The GLOBALINFO keys of the pictures the title buttons show, and whether they are big.
struct TitleButtonKeys {
    std::u16string Minimize;
    std::u16string Maximize;
    std::u16string Close;
    std::u16string Help;
    bool Big = true;
};

// Chooses the pictures: a normal title bar takes the big pictures (restore in the maximise place
// of a maximised form, the close-alone picture when neither minimise nor maximise is offered and
// the skin has it); a tool window takes the small ones unless the skin has no SICONCLOSE, and
// the big help picture when it has no small one. `hasImage` answers whether GLOBALINFO has an
// image entry of that key.
template <typename HasImage>
TitleButtonKeys ChooseTitleButtonKeys(const TitleFacts& facts, HasImage&& hasImage);

// Where the buttons go, right to left.
struct TitleLayoutInput {
    int WindowWidth = 0;
    int BorderWidth = 0;   // the platform's border width of the window
    int CaptionHeight = 0; // the platform's caption height (small for tool windows)
    int TopInset = 0;      // the top border inset the centred placement adds
    bool Maximized = false;
    bool Big = true;
    int BIRight = 0;
    int BISpace = 0;
    int BIVAlign = 0;
    // Shown buttons: close always; the others when offered.
    bool ShowMaximize = false;
    bool ShowMinimize = false;
    bool ShowHelp = false;
    // Size of one state picture of each button (width 0: the picture is missing).
    struct Size {
        int Width = 0;
        int Height = 0;
    };
    Size Close, Maximize, Minimize, Help;
};

// The button rectangles, in the order close, maximise, minimise, help; a button not shown has an
// empty rectangle. `Left` is the left edge of the leftmost shown button (the right end of the
// caption area), the window's right border edge when no button has a picture.
struct TitleLayout {
    PixelRect Close, Maximize, Minimize, Help;
    int Left = 0;
};

TitleLayout LayOutTitleButtons(const TitleLayoutInput& input);

// The top of a button of the given height: 0 (3 when maximised) for big buttons with BIVALIGN 1,
// else centred in the caption, 2 lower for big buttons less than 16 pixels high.
int TitleButtonTop(const TitleLayoutInput& input, int buttonHeight);

// --- Template definition -------------------------------------------------------------------------

template <typename HasImage>
TitleButtonKeys ChooseTitleButtonKeys(const TitleFacts& facts, HasImage&& hasImage)
{
    TitleButtonKeys keys;
    const auto big = [&] {
        keys.Minimize = u"BICONMIN";
        keys.Maximize = facts.Maximized ? u"BICONNORM" : u"BICONMAX";
        const bool alone = !facts.OffersMinimize && !facts.OffersMaximize && hasImage(u"BICLOSEALONE");
        keys.Close = alone ? u"BICLOSEALONE" : u"BICONCLOSE";
        keys.Help = u"BICONHELP";
        keys.Big = true;
    };
    if (IsToolWindowStyle(facts.BorderStyle) && hasImage(u"SICONCLOSE")) {
        keys.Close = u"SICONCLOSE";
        keys.Minimize = u"SICONMIN";
        keys.Maximize = u"SICONMAX";
        keys.Help = hasImage(u"SICONHELP") ? u"SICONHELP" : u"BICONHELP";
        keys.Big = false;
        return keys;
    }
    big();
    return keys;
}

} // namespace korvane
