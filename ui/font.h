#pragma once

#include <windows.h>

namespace korvane::ui {

// The font of every window and control: "MS Sans Serif", height -11 (8 points at 96 dpi).
// It asks for the Cyrillic character set: under a Western ANSI code page (1252, Wine's default)
// the mapper would otherwise take the Western bitmap face, which has no Cyrillic glyphs, and
// Russian captions would show as bars. With RUSSIAN_CHARSET it picks the Cyrillic member of the
// same family, whose Latin letters are the same.
HFONT DefaultFont();

// A font of the same face with another height or weight, owned by the caller.
HFONT CreateUiFont(int height, int weight = FW_NORMAL);

} // namespace korvane::ui
