#pragma once

#include <string>
#include <vector>

#include "tools/skinart/canvas.h"
#include "tools/skinart/raster.h"

namespace korvane {

// The three forms a picture takes in the master bitmap, named by the first character of the
// options value that points at it.
enum class PictureForm {
    Glyph,       // "@": state pictures side by side, a mask row below
    BordersMask, // "^": nine-slice state pictures side by side, a mask row below
    Texture,     // "~": one opaque tile
};

// One picture of the master bitmap: its pixels (mask row included) and, once placed, its position.
struct SkinPicture {
    std::string name;
    PictureForm form = PictureForm::Glyph;
    int frameWidth = 0;
    int frameHeight = 0;
    int imageCount = 1;
    int maskType = 1;
    // Borders masks: the four border widths and the draw-mode flags (1 stretch, 2 nothing in
    // state 0, 4 paint the centre). Textures: the fill mode.
    int leftWidth = 0;
    int topWidth = 0;
    int rightWidth = 0;
    int bottomWidth = 0;
    int drawMode = 0;
    Raster pixels;
    int x = 0;
    int y = 0;

    int Width() const { return pixels.width; }
    int Height() const { return pixels.height; }
    // The options value that names this picture at its place in the master bitmap.
    std::string OptionValue() const;
};

// The colour of transparent skin pixels.
inline constexpr uint8_t kKeyR = 255;
inline constexpr uint8_t kKeyG = 0;
inline constexpr uint8_t kKeyB = 255;

// Glyph pictures: each frame is painted over what lies below it through a grey mask, so its
// anti-aliased edges blend with the real background. Fully clear pixels become the key colour.
SkinPicture EncodeGlyph(const std::string& name, const std::vector<ArtCanvas>& frames);

// Borders-mask pictures. `layers` holds what each frame paints over the section's face; `shapes`
// (alpha = coverage) the control's outline: pixels outside it become the key colour (the window
// region and the parent show there), partly covered ones are blended toward `parent`, the colour
// expected behind the control. `faceHint` is the colour written where the face shows through
// unchanged. A frame list without shapes means "no transparent corners".
SkinPicture EncodeBordersMask(const std::string& name, const std::vector<ArtCanvas>& layers,
                              const std::vector<ArtCanvas>& shapes, ArtColor parent, ArtColor faceHint, float keyBelow,
                              int left, int top, int right, int bottom, int drawMode);

// An opaque texture tile.
SkinPicture EncodeTexture(const std::string& name, const ArtCanvas& tile, int fillMode);

} // namespace korvane
