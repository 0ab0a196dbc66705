#pragma once

#include "ui/window.h"

#include <windows.h>

namespace korvane {

// Paints the windowless children of a skinned container over what it already put into `dc`:
// all children that need painting are composed in one off-screen picture as large as the
// container (each on what lies behind it: the colour the container gives its children, its flat
// colour, or its background picture) and each child's rectangle is then copied once to `dc` at
// the child's place plus `offset` (a child whose top-left pixel stayed the transparent key is
// left out). An empty clip box only marks the container clipped. Runs for a visible container,
// or for any when `unconditional`; a call made while one runs does nothing.
void PaintWindowlessChildren(HDC dc, ui::Window& container, POINT offset, bool unconditional = false);

// Tells the container's showing windowed children (SKC_PARENTREADY) that its face is ready, so
// those that skipped a paint while it was stale paint now. Nothing while windows are captured
// for an animation.
void NotifyParentReady(ui::Window& container);

} // namespace korvane
