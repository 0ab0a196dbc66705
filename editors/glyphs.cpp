#include "editors/glyphs.h"

#include "editors/glyph_ids.h"

namespace korvane {

win32::OwnedBitmap LoadGlyph(Glyph glyph)
{
    int id = IDB_GLYPH_ADD;
    switch (glyph) {
    case Glyph::Add:
        id = IDB_GLYPH_ADD;
        break;
    case Glyph::Remove:
        id = IDB_GLYPH_REMOVE;
        break;
    case Glyph::Up:
        id = IDB_GLYPH_UP;
        break;
    case Glyph::Down:
        id = IDB_GLYPH_DOWN;
        break;
    }
    return win32::OwnedBitmap(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

} // namespace korvane
