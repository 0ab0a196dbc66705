#pragma once

#include "win32/unique_handle.h"

namespace korvane {

// The speed-button pictures (resource numbers of editors/glyph_ids.h), loaded from the executable.
enum class Glyph { Add, Remove, Up, Down };

// A new 16 x 16 bitmap of the picture; empty when the executable does not carry it.
win32::OwnedBitmap LoadGlyph(Glyph glyph);

} // namespace korvane
