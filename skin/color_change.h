#pragma once

#include <cstdint>

#include "gfx/bitmap32.h"
#include "skin/skin_records.h"

namespace korvane {

class SkinTables;

// The skin manager's colour change of a loaded skin: every colour of the sections, gradients and
// skin information, the master bitmap and every entry's own image are turned by `hueOffset`
// degrees and then saturated by `saturation` (taken modulo 101). 0 changes nothing. With
// BIKeepHue set, the title-bar close icons (BIKeepHue 1: all title-bar icons) keep their hue.
void ApplySkinColorChange(SkinTables& tables, int hueOffset, int saturation);

// Single colours (0x00BBGGRR); -1 and other negative values stay as they are; greys never change.
TsColor ShiftColorHue(TsColor color, int degrees);
// c' = c - (avg - c) * amount / 100 per channel, rounded half to even, clamped to 0..255.
TsColor ShiftColorSaturation(TsColor color, int amount);
// The same on every pixel of a bitmap except greys and the key pixel 0x00FF00FF; alpha kept.
void ShiftBitmapHue(Bitmap32& bitmap, int degrees);
void ShiftBitmapSaturation(Bitmap32& bitmap, int amount);

} // namespace korvane
