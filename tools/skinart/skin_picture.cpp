#include "tools/skinart/skin_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace korvane {

namespace {

uint8_t ToByte(float v)
{
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

// Mask value for a share m (0..1) of the destination kept: the painter computes
// (D * M + S * (256 - M)) / 256, so M = 256 * m, at most 255.
uint8_t MaskByte(float keep)
{
    return static_cast<uint8_t>(std::clamp<long>(std::lround(keep * 256.0f), 0, 255));
}

// A colour as written into the master: never exactly the key colour by accident.
void PutColor(Raster& out, int x, int y, float r, float g, float b)
{
    uint8_t rb = ToByte(r);
    const uint8_t gb = ToByte(g);
    const uint8_t bb = ToByte(b);
    if (rb == kKeyR && gb == kKeyG && bb == kKeyB) {
        rb = 254;
    }
    out.Set(x, y, rb, gb, bb);
}

void CheckFrames(const std::string& name, const std::vector<ArtCanvas>& frames)
{
    if (frames.empty()) {
        throw std::logic_error(name + ": no frames");
    }
    for (const ArtCanvas& f : frames) {
        if (f.Width() != frames[0].Width() || f.Height() != frames[0].Height()) {
            throw std::logic_error(name + ": frames differ in size");
        }
    }
}

} // namespace

std::string SkinPicture::OptionValue() const
{
    char text[64];
    const int right = x + Width();
    const int bottom = y + Height();
    switch (form) {
    case PictureForm::Glyph:
        std::snprintf(text, sizeof text, "@%04d@%04d@%04d@%04d@%d@%d", x, y, right, bottom, imageCount, maskType);
        break;
    case PictureForm::BordersMask:
        std::snprintf(text, sizeof text, "^%04d^%04d^%04d^%04d^%04d^%04d^%04d^%04d^%d^%d^%d^0", x, y, right, bottom,
                      leftWidth, topWidth, rightWidth, bottomWidth, imageCount, maskType, drawMode);
        break;
    case PictureForm::Texture:
        std::snprintf(text, sizeof text, "~%04d~%04d~%04d~%04d~%02d~%d", x, y, right, bottom, drawMode, maskType);
        break;
    }
    return text;
}

SkinPicture EncodeGlyph(const std::string& name, const std::vector<ArtCanvas>& frames)
{
    CheckFrames(name, frames);
    SkinPicture picture;
    picture.name = name;
    picture.form = PictureForm::Glyph;
    picture.frameWidth = frames[0].Width();
    picture.frameHeight = frames[0].Height();
    picture.imageCount = static_cast<int>(frames.size());
    picture.maskType = 1;
    picture.pixels = Raster(picture.frameWidth * picture.imageCount, picture.frameHeight * 2);
    for (int f = 0; f < picture.imageCount; ++f) {
        for (int y = 0; y < picture.frameHeight; ++y) {
            for (int x = 0; x < picture.frameWidth; ++x) {
                const int px = f * picture.frameWidth + x;
                const ArtColor c = frames[static_cast<size_t>(f)].Straight(x, y);
                const uint8_t m = MaskByte(1.0f - c.a);
                if (m == 255) {
                    picture.pixels.Set(px, y, kKeyR, kKeyG, kKeyB);
                } else {
                    PutColor(picture.pixels, px, y, c.r, c.g, c.b);
                }
                picture.pixels.Set(px, y + picture.frameHeight, m, m, m);
            }
        }
    }
    return picture;
}

SkinPicture EncodeBordersMask(const std::string& name, const std::vector<ArtCanvas>& layers,
                              const std::vector<ArtCanvas>& shapes, ArtColor parent, ArtColor faceHint, float keyBelow,
                              int left, int top, int right, int bottom, int drawMode)
{
    CheckFrames(name, layers);
    if (!shapes.empty() && shapes.size() != layers.size()) {
        throw std::logic_error(name + ": one shape per frame needed");
    }
    SkinPicture picture;
    picture.name = name;
    picture.form = PictureForm::BordersMask;
    picture.frameWidth = layers[0].Width();
    picture.frameHeight = layers[0].Height();
    picture.imageCount = static_cast<int>(layers.size());
    picture.maskType = 1;
    picture.leftWidth = left;
    picture.topWidth = top;
    picture.rightWidth = right;
    picture.bottomWidth = bottom;
    picture.drawMode = drawMode;
    picture.pixels = Raster(picture.frameWidth * picture.imageCount, picture.frameHeight * 2);
    for (int f = 0; f < picture.imageCount; ++f) {
        const ArtCanvas& layer = layers[static_cast<size_t>(f)];
        for (int y = 0; y < picture.frameHeight; ++y) {
            for (int x = 0; x < picture.frameWidth; ++x) {
                const int px = f * picture.frameWidth + x;
                const float o = shapes.empty() ? 1.0f : shapes[static_cast<size_t>(f)].At(x, y).a;
                if (o <= keyBelow) {
                    picture.pixels.Set(px, y, kKeyR, kKeyG, kKeyB);
                    picture.pixels.Set(px, y + picture.frameHeight, 255, 255, 255);
                    continue;
                }
                // Wanted: O * (layer over D) + (1 - O) * parent
                //       = D * O * (1 - La) + [O * La * Lc + (1 - O) * parent],
                // and the painter gives D * m + S * (1 - m).
                const ArtColor& l = layer.At(x, y); // premultiplied
                const float keep = o * (1.0f - l.a);
                const float give = 1.0f - keep;
                float r = faceHint.r;
                float g = faceHint.g;
                float b = faceHint.b;
                if (give > 1e-4f) {
                    r = (o * l.r + (1.0f - o) * parent.r) / give;
                    g = (o * l.g + (1.0f - o) * parent.g) / give;
                    b = (o * l.b + (1.0f - o) * parent.b) / give;
                }
                PutColor(picture.pixels, px, y, r, g, b);
                const uint8_t m = MaskByte(keep);
                picture.pixels.Set(px, y + picture.frameHeight, m, m, m);
            }
        }
    }
    return picture;
}

SkinPicture EncodeTexture(const std::string& name, const ArtCanvas& tile, int fillMode)
{
    SkinPicture picture;
    picture.name = name;
    picture.form = PictureForm::Texture;
    picture.frameWidth = tile.Width();
    picture.frameHeight = tile.Height();
    picture.imageCount = 1;
    picture.maskType = 0;
    picture.drawMode = fillMode;
    picture.pixels = Raster(tile.Width(), tile.Height());
    for (int y = 0; y < tile.Height(); ++y) {
        for (int x = 0; x < tile.Width(); ++x) {
            const ArtColor c = tile.Straight(x, y);
            PutColor(picture.pixels, x, y, c.r, c.g, c.b);
        }
    }
    return picture;
}

} // namespace korvane
