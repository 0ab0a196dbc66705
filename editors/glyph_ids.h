#pragma once

// Resource numbers of the pictures compiled into korvane.exe (editors/glyphs.rc).
#define IDB_GLYPH_ADD 101
#define IDB_GLYPH_REMOVE 102
#define IDB_GLYPH_UP 103
#define IDB_GLYPH_DOWN 104
