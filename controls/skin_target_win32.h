#pragma once

#include "controls/disabled_look.h"
#include "gfx/bitmap_view.h"
#include "skin/engine_commands.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

namespace korvane {

namespace ui {
class Component;
}

class SkinManagerCore;

// What lies behind a child of the answerer: filled in by the answer to "what lies behind me".
struct BackgroundRequest {
    BitmapView Bitmap;        // answer: the bitmap that holds the background (the answerer's cache)
    std::uint32_t Color = 0;  // answer: the flat colour, for a colour answer
    std::int32_t OffsetX = 0; // answer: where the answerer's own origin lies in Bitmap
    std::int32_t OffsetY = 0;
    std::uint8_t AnswerKind = 0; // 0 no answer yet, 1 flat colour, 2 bitmap
};
inline constexpr std::uint8_t kAnswerNone = 0;
inline constexpr std::uint8_t kAnswerColour = 1;
inline constexpr std::uint8_t kAnswerBitmap = 2;

// The questions the skinned windows ask one another while they paint, and the notices of skin
// changes, of hover and of a parent's face being ready, as calls between this program's own
// objects. A window may be served by several of them (its adapter, its control's skin data, a
// hook in front of that); they are asked in the order the window's messages meet them, and each
// answers or, with no answer, leaves the question to the next, as a message handler passes a
// message on. Windows that are not this program's are asked with the engine's SKM_COMMAND message
// instead.
class SkinTarget {
public:
    // SKC_ISUPDATING: the object is rebuilding its face; its children hold their painting back.
    virtual std::optional<bool> UpdatingAnswer() { return std::nullopt; }
    // SKC_GETBACKGROUND: fills the request with what lies behind the object's children; false
    // leaves it to the next.
    virtual bool BackgroundAnswer(BackgroundRequest&) { return false; }
    // SKC_GETCAPTIONHEIGHT: the height of a group box's caption strip.
    virtual std::optional<int> CaptionHeightAnswer() { return std::nullopt; }
    // SKC_GETSECTIONINDEX: the index of the skin section the object paints with.
    virtual std::optional<std::int32_t> SectionIndexAnswer() { return std::nullopt; }
    // SKC_ISSKINNED: the object handles the engine's commands.
    virtual std::optional<bool> SkinnedAnswer() { return std::nullopt; }
    // SKC_ISCLIPPED: the object's face was cut off by its parent's edge at the last paint.
    virtual std::optional<bool> ClippedAnswer() { return std::nullopt; }
    // SKC_HASCOMPLEXBG: what the object shows changes with the position seen through it.
    virtual std::optional<bool> ComplexBackgroundAnswer() { return std::nullopt; }
    // SKC_PLAINBGSTATE: the object's state flags (kPlainBackground: one flat colour).
    virtual std::optional<std::uint16_t> StateFlagsAnswer() { return std::nullopt; }
    // SKC_GETBGCOLOR: the colour the object gives its children (0x00BBGGRR). `rest` is the answer
    // of the objects after this one on the window (0 when none answers); an object that does not
    // answer returns it.
    virtual std::uint32_t ChildrenColourAnswer(const std::function<std::uint32_t()>& rest) { return rest(); }
    // SKC_GETDISABLEDKIND: how the object's face is greyed while disabled.
    virtual std::optional<TsDisabledKind> DisabledKindAnswer() { return std::nullopt; }
    // SKC_PARENTREADY: the parent's face is ready; an object that held its painting back paints
    // now. True ends the notice at this object.
    virtual bool ParentReady() { return false; }
    // SKC_MOUSEENTER / SKC_MOUSELEAVE: the manager's hot window became this window or stopped
    // being it. Every object on the window hears it.
    virtual void HotChanged(const SkinManagerCore& /*manager*/, bool /*hot*/) {}
    // SKC_SETSKIN / SKC_REMOVESKIN / SKC_REFRESH from the manager `sender`. `rest` tells the objects
    // after this one on the window; an object calls it before, after or amid its own work, or
    // not at all to end the notice here.
    virtual void SkinChanged(SkinChange /*change*/, const SkinManagerCore* /*sender*/,
                             const std::function<void()>& rest)
    {
        rest();
    }

protected:
    ~SkinTarget() = default;
};

// A hook on a class-library window's message path that stands there for a target it is not (an
// adapter of the window): the walk of the window's objects asks that target where the hook stands.
class SkinTargetOnPath {
public:
    virtual SkinTarget& PathTarget() = 0;

protected:
    ~SkinTargetOnPath() = default;
};

// An engine command that asks a question or tells a skin change or a parent's readiness, answered
// or heard by the target: the engine's message protocol for whoever sends one to our windows.
// Every target answers SKC_GETAPPLICATION with the program's application object. No value when
// the command is neither, or the target leaves the question to the objects after it on the
// window; `rest` runs the message along those (the colour for children is answered from what they
// answer, and a skin change goes on to them when the target passes it on).
std::optional<LRESULT> AnswerEngineCommand(SkinTarget& target, WPARAM wParam, LPARAM lParam,
                                           const std::function<LRESULT()>& rest);
// The same for an object that does nothing else with the engine's commands: what it does not
// answer or hear runs along the rest of the path.
LRESULT AnswerOrPassOn(SkinTarget& target, WPARAM wParam, LPARAM lParam, const std::function<LRESULT()>& rest);

// The object that serves a window the class library does not own (a window some adapter
// subclassed); the class library's windows are served along their objects' message path.
void SetWindowTarget(HWND window, SkinTarget* target);
// Forgets the window's target when it is the given one.
void ForgetWindowTarget(HWND window, const SkinTarget* target);

// Calls `ask` on each object of this program that serves the window, in the order the window's
// messages meet them, until it returns true. False when the window is none of this program's.
bool AskTargets(HWND window, const std::function<bool(SkinTarget&)>& ask);

// The questions, asked of a window: of its objects in the process, else with SKM_COMMAND.
// Whether the window handles the engine's commands.
bool AnswersSkinCommands(HWND window);
bool WindowIsUpdating(HWND window);
bool WindowIsClipped(HWND window);
bool WindowHasComplexBackground(HWND window);
// 0 when nobody answers.
std::uint16_t StateFlagsOf(HWND window);
// The colour the window gives its children; 0 when nobody answers.
std::uint32_t ChildrenColourAnswerOf(HWND window);
// Leaves the request unanswered (kAnswerNone) when nobody answers.
void AskWindowBackground(HWND window, BackgroundRequest& request);
// -1 when nobody answers.
std::int32_t SectionIndexOf(HWND window);
// The default look (blended) when nobody answers.
TsDisabledKind DisabledKindOf(HWND window);
// Tells the window's objects that its parent's face is ready.
void TellParentReady(HWND window);
// Tells every object on the window that the manager's hot window became it or stopped being it.
void TellHotChanged(HWND window, const SkinManagerCore& manager, bool hot);
// Tells the window's objects of a skin change, in the order its messages meet them; a window that
// is none of this program's gets SKM_COMMAND.
void TellSkinChanged(HWND window, SkinChange change, const SkinManagerCore* sender);
// The same for a windowless control: its hooks, then the control.
void TellSkinChanged(ui::Component& control, SkinChange change, const SkinManagerCore* sender);
// Tells the windowless controls a window draws, then each of its child windows.
void TellChildrenSkinChanged(HWND parent, SkinChange change, const SkinManagerCore* sender);

} // namespace korvane
