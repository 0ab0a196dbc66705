#include "tools/skinart/preview.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "tools/skinart/image_files.h"
#include "tools/skinart/palette.h"

namespace korvane {

namespace {

struct Rgb {
    int r, g, b;
};

Rgb ToRgb(const ArtColor& c)
{
    return {static_cast<int>(c.r * 255 + 0.5f), static_cast<int>(c.g * 255 + 0.5f), static_cast<int>(c.b * 255 + 0.5f)};
}

const SkinPicture& Find(const std::vector<SkinPicture>& pictures, const std::string& name)
{
    for (const SkinPicture& p : pictures) {
        if (p.name == name) {
            return p;
        }
    }
    throw std::logic_error("no picture " + name);
}

bool IsKey(const uint8_t* p)
{
    return p[0] == kKeyR && p[1] == kKeyG && p[2] == kKeyB;
}

void FillRect(Raster& d, int l, int t, int r, int b, Rgb c)
{
    for (int y = std::max(t, 0); y < std::min(b, d.height); ++y) {
        for (int x = std::max(l, 0); x < std::min(r, d.width); ++x) {
            d.Set(x, y, static_cast<uint8_t>(c.r), static_cast<uint8_t>(c.g), static_cast<uint8_t>(c.b));
        }
    }
}

void VGradient(Raster& d, int l, int t, int r, int b, Rgb c1, Rgb c2)
{
    for (int y = t; y < b; ++y) {
        const float k = b - t > 1 ? static_cast<float>(y - t) / (b - t - 1) : 0;
        const Rgb c = {static_cast<int>(c1.r + (c2.r - c1.r) * k + 0.5f),
                       static_cast<int>(c1.g + (c2.g - c1.g) * k + 0.5f),
                       static_cast<int>(c1.b + (c2.b - c1.b) * k + 0.5f)};
        FillRect(d, l, y, r, y + 1, c);
    }
}

// One pixel through the mask: d = (d * m + s * (256 - m)) >> 8 per channel.
void MaskPixel(Raster& d, int x, int y, const uint8_t* s, const uint8_t* m, const Raster* parent)
{
    if (x < 0 || y < 0 || x >= d.width || y >= d.height) {
        return;
    }
    uint8_t* p = d.At(x, y);
    if (IsKey(s)) {
        if (parent) {
            const uint8_t* q = parent->At(x, y);
            p[0] = q[0];
            p[1] = q[1];
            p[2] = q[2];
        }
        return;
    }
    for (int c = 0; c < 3; ++c) {
        p[c] = static_cast<uint8_t>(((p[c] - s[c]) * m[c] + s[c] * 256) >> 8);
    }
}

void MaskedPiece(Raster& d, int dx, int dy, int w, int h, const SkinPicture& pic, int sx, int sy, const Raster* parent)
{
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            MaskPixel(d, dx + x, dy + y, pic.pixels.At(sx + x, sy + y), pic.pixels.At(sx + x, sy + y + pic.frameHeight),
                      parent);
        }
    }
}

// Tiles a piece over a span, cutting the last tile.
void TiledPiece(Raster& d, int l, int t, int r, int b, const SkinPicture& pic, int sx, int sy, int tw, int th)
{
    if (tw <= 0 || th <= 0) {
        return;
    }
    for (int y = t; y < b; y += th) {
        for (int x = l; x < r; x += tw) {
            MaskedPiece(d, x, y, std::min(tw, r - x), std::min(th, b - y), pic, sx, sy, nullptr);
        }
    }
}

// Nine-slice painting of a borders mask with a mask row, as the painters do it.
void BordersMask(Raster& d, int l, int t, int r, int b, const SkinPicture& pic, int state, const Raster* parent)
{
    if (state == 0 && (pic.drawMode & 2)) {
        return;
    }
    state = std::min(state, pic.imageCount - 1);
    const int wl = pic.leftWidth, wt = pic.topWidth, wr = pic.rightWidth, wb = pic.bottomWidth;
    const int w = pic.frameWidth, h = pic.frameHeight;
    const int mw = w - wl - wr, mh = h - wt - wb;
    const int sx = w * state;
    MaskedPiece(d, l, t, wl, wt, pic, sx, 0, parent);
    MaskedPiece(d, r - wr, t, wr, wt, pic, sx + wl + mw, 0, parent);
    MaskedPiece(d, l, b - wb, wl, wb, pic, sx, h - wb, parent);
    MaskedPiece(d, r - wr, b - wb, wr, wb, pic, sx + wl + mw, h - wb, parent);
    TiledPiece(d, l + wl, t, r - wr, t + wt, pic, sx + wl, 0, mw, wt);
    TiledPiece(d, l + wl, b - wb, r - wr, b, pic, sx + wl, h - wb, mw, wb);
    TiledPiece(d, l, t + wt, l + wl, b - wb, pic, sx, wt, wl, mh);
    TiledPiece(d, r - wr, t + wt, r, b - wb, pic, sx + wl + mw, wt, wr, mh);
    if (pic.drawMode & 4) {
        TiledPiece(d, l + wl, t + wt, r - wr, b - wb, pic, sx + wl, wt, mw, mh);
    }
}

void Glyph(Raster& d, int x, int y, const SkinPicture& pic, int state)
{
    state = std::min(state, pic.imageCount - 1);
    for (int j = 0; j < pic.frameHeight; ++j) {
        for (int i = 0; i < pic.frameWidth; ++i) {
            const uint8_t* s = pic.pixels.At(pic.frameWidth * state + i, j);
            const uint8_t* m = pic.pixels.At(pic.frameWidth * state + i, j + pic.frameHeight);
            if (!IsKey(s) && m[0] != 255) {
                MaskPixel(d, x + i, y + j, s, m, nullptr);
            }
        }
    }
}

// Mixes the grain tile into a rectangle at the given share (percent), as the textured gradient does.
void Grain(Raster& d, int l, int t, int r, int b, const SkinPicture& tile, int percent)
{
    const int w = percent * 255 / 100;
    for (int y = t; y < b; ++y) {
        for (int x = l; x < r; ++x) {
            uint8_t* p = d.At(x, y);
            const uint8_t* s = tile.pixels.At(x % tile.Width(), y % tile.Height());
            for (int c = 0; c < 3; ++c) {
                p[c] = static_cast<uint8_t>(p[c] + (((s[c] - p[c]) * w) >> 8));
            }
        }
    }
}

Raster Enlarge(const Raster& s, int k)
{
    Raster out(s.width * k, s.height * k);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            const uint8_t* p = s.At(x / k, y / k);
            out.Set(x, y, p[0], p[1], p[2], p[3]);
        }
    }
    return out;
}

Raster MasterView(const Raster& master)
{
    Raster v = master;
    for (int y = 0; y < v.height; ++y) {
        for (int x = 0; x < v.width; ++x) {
            if (IsKey(v.At(x, y))) {
                const uint8_t c = ((x / 4 + y / 4) & 1) ? 44 : 30;
                v.Set(x, y, c, c, c);
            }
        }
    }
    return Enlarge(v, 3);
}

// Every glyph picture's states over the window colour and over an edit's colour.
Raster GlyphSheet(const std::vector<SkinPicture>& pictures)
{
    const int rowHeight = 26;
    int rows = 0;
    for (const SkinPicture& p : pictures) {
        rows += p.form == PictureForm::Glyph ? 1 : 0;
    }
    Raster sheet(2 * 3 * 40 + 20, rows * rowHeight);
    FillRect(sheet, 0, 0, sheet.width / 2, sheet.height, ToRgb(graphite::kWindow));
    FillRect(sheet, sheet.width / 2, 0, sheet.width, sheet.height, ToRgb(graphite::kField));
    int row = 0;
    for (const SkinPicture& p : pictures) {
        if (p.form != PictureForm::Glyph) {
            continue;
        }
        for (int half = 0; half < 2; ++half) {
            for (int s = 0; s < p.imageCount; ++s) {
                const int x = half * sheet.width / 2 + 6 + s * 40;
                Glyph(sheet, x, row * rowHeight + (rowHeight - p.frameHeight) / 2, p, s);
            }
        }
        ++row;
    }
    return Enlarge(sheet, 3);
}

Raster GlowSheet(const std::vector<graphite::SkinImageFile>& glows)
{
    Raster sheet(240, 80);
    FillRect(sheet, 0, 0, sheet.width, sheet.height, ToRgb(graphite::kWindow));
    int x = 10;
    for (const auto& g : glows) {
        // Premultiplied source over: d = s + d * (1 - a).
        for (int j = 0; j < g.pixels.height; ++j) {
            for (int i = 0; i < g.pixels.width; ++i) {
                const uint8_t* s = g.pixels.At(i, j);
                uint8_t* p = sheet.At(x + i, 10 + j);
                for (int c = 0; c < 3; ++c) {
                    p[c] = static_cast<uint8_t>(std::min(255, s[c] + p[c] * (255 - s[3]) / 255));
                }
            }
        }
        x += g.pixels.width + 20;
    }
    return Enlarge(sheet, 3);
}

// Straight alpha over: d = d + (s - d) * a.
void Over(Raster& d, int x, int y, const uint8_t* s)
{
    if (x < 0 || y < 0 || x >= d.width || y >= d.height) {
        return;
    }
    uint8_t* p = d.At(x, y);
    for (int c = 0; c < 3; ++c) {
        p[c] = static_cast<uint8_t>(p[c] + (s[c] - p[c]) * s[3] / 255);
    }
}

// The shadow nine-slice (borders 11, 10, 11, 12) stretched around a window rectangle.
void ShadowAround(Raster& d, int l, int t, int r, int b, const Raster& shadow)
{
    const int ml = 11, mt = 10, mr = 11, mb = 12;
    const int sw = shadow.width, sh = shadow.height;
    for (int y = t - mt; y < b + mb; ++y) {
        for (int x = l - ml; x < r + mr; ++x) {
            const int sx = x < l ? x - (l - ml) : x >= r ? sw - mr + (x - r) : ml + (x - l) * (sw - ml - mr) / (r - l);
            const int sy = y < t ? y - (t - mt) : y >= b ? sh - mb + (y - b) : mt + (y - t) * (sh - mt - mb) / (b - t);
            Over(d, x, y, shadow.At(sx, sy));
        }
    }
}

Raster ShadowSheet(const std::vector<graphite::SkinImageFile>& shadows)
{
    Raster sheet(360, 150);
    FillRect(sheet, 0, 0, sheet.width, sheet.height, {214, 219, 226});
    int x = 30;
    for (const auto& s : shadows) {
        ShadowAround(sheet, x, 30, x + 130, 120, s.pixels);
        FillRect(sheet, x, 30, x + 130, 120, ToRgb(graphite::kWindow));
        x += 170;
    }
    return Enlarge(sheet, 2);
}

// A window put together from the pictures.
Raster Mockup(const std::vector<SkinPicture>& pics)
{
    using namespace graphite;
    const int W = 460, H = 330;
    Raster d(W + 40, H + 40);
    VGradient(d, 0, 0, d.width, d.height, {70, 96, 122}, {150, 120, 110}); // a desktop behind
    const Raster desktop = d;
    const int L = 20, T = 20, R = L + W, B = T + H;
    const int border = 4, caption = 22;
    // Frame face and window outline (active).
    FillRect(d, L, T, R, B, ToRgb(kWindow));
    BordersMask(d, L, T, R, B, Find(pics, "FORMBORDER"), 1, &desktop);
    // Title bar: gradient with a little grain.
    VGradient(d, L + border, T + border, R - border, T + border + caption, {36, 37, 42}, {32, 33, 37});
    Grain(d, L + border, T + border, R - border, T + border + caption, Find(pics, "GRAIN"), 10);
    int bx = R - border - 4;
    const char* buttons[] = {"BICONCLOSE", "BICONMAX", "BICONMIN"};
    int states[] = {0, 1, 0};
    for (int i = 0; i < 3; ++i) {
        const SkinPicture& p = Find(pics, buttons[i]);
        bx -= p.frameWidth;
        Glyph(d, bx, T + (border + caption - p.frameHeight) / 2 + 1, p, states[i]);
        bx -= 2;
    }
    const int cx = L + border, cy = T + border + caption;
    // Push buttons in three states.
    const SkinPicture& btn = Find(pics, "BUTTONBORDER");
    const Rgb faces[3][2] = {{{60, 63, 70}, {53, 56, 62}}, {{68, 72, 80}, {60, 64, 71}}, {{68, 72, 80}, {60, 64, 71}}};
    for (int s = 0; s < 3; ++s) {
        const int x = cx + 16 + s * 96, y = cy + 16;
        const Raster behind = d;
        VGradient(d, x, y, x + 86, y + 26, faces[s][0], faces[s][1]);
        BordersMask(d, x, y, x + 86, y + 26, btn, s, &behind);
    }
    // Edits: normal and focused; a combo box.
    const SkinPicture& edit = Find(pics, "EDITBORDER");
    for (int s = 0; s < 2; ++s) {
        const int x = cx + 16 + s * 150, y = cy + 58;
        const Raster behind = d;
        FillRect(d, x, y, x + 140, y + 22, ToRgb(kField));
        BordersMask(d, x, y, x + 140, y + 22, edit, s, &behind);
    }
    {
        const int x = cx + 316, y = cy + 58;
        const Raster behind = d;
        FillRect(d, x, y, x + 110, y + 22, ToRgb(kField));
        BordersMask(d, x, y, x + 110, y + 22, edit, 0, &behind);
        BordersMask(d, x + 110 - 19, y + 2, x + 110 - 2, y + 20, Find(pics, "HOVERPLATE"), 1, nullptr);
        const SkinPicture& arrow = Find(pics, "COMBOARROW");
        Glyph(d, x + 110 - 19 + (17 - arrow.frameWidth) / 2, y + (22 - arrow.frameHeight) / 2, arrow, 1);
    }
    // Check boxes and radio buttons.
    const char* checks[] = {"BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED", "RADIOCHECKED", "RADIOUNCHECKED"};
    for (int i = 0; i < 5; ++i) {
        Glyph(d, cx + 16 + (i % 3) * 110, cy + 96 + (i / 3) * 24, Find(pics, checks[i]), i == 1 ? 1 : 0);
    }
    // Group box around a list with a selection and a scroll bar.
    {
        const int x = cx + 8, y = cy + 150, w = 300, h = 140;
        const Raster behind = d;
        BordersMask(d, x, y, x + w, y + h, Find(pics, "GROUPBORDER"), 0, &behind);
        const int lx = x + 10, ly = y + 14, lw = 200, lh = 114;
        const Raster behind2 = d;
        FillRect(d, lx, ly, lx + lw, ly + lh, ToRgb(kField));
        BordersMask(d, lx, ly, lx + lw, ly + lh, edit, 0, &behind2);
        BordersMask(d, lx + 4, ly + 22, lx + lw - 20, ly + 40, Find(pics, "SELECTIONPLATE"), 1, nullptr);
        BordersMask(d, lx + 4, ly + 58, lx + lw - 20, ly + 76, Find(pics, "SELECTIONPLATE"), 0, nullptr);
        const int sx = lx + lw - 18, sy = ly + 2, sh = lh - 4;
        const SkinPicture& up = Find(pics, "ARROWUP");
        const SkinPicture& down = Find(pics, "ARROWDOWN");
        Glyph(d, sx + (16 - up.frameWidth) / 2, sy + (16 - up.frameHeight) / 2, up, 0);
        BordersMask(d, sx, sy + sh - 16, sx + 16, sy + sh, Find(pics, "HOVERPLATE"), 1, nullptr);
        Glyph(d, sx + (16 - down.frameWidth) / 2, sy + sh - 16 + (16 - down.frameHeight) / 2, down, 1);
        BordersMask(d, sx, sy + 24, sx + 16, sy + 64, Find(pics, "SCROLLTHUMB"), 0, nullptr);
        // Flat tool buttons: one under the mouse.
        BordersMask(d, x + w + 16, y + 10, x + w + 40, y + 34, Find(pics, "HOVERPLATE"), 1, nullptr);
        BordersMask(d, x + w + 44, y + 10, x + w + 68, y + 34, Find(pics, "HOVERPLATE"), 2, nullptr);
        BordersMask(d, x + w + 76, y + 10, x + w + 79, y + 34, Find(pics, "DIVIDERLINE"), 0, nullptr);
    }
    const SkinPicture& grip = Find(pics, "GRIPIMAGE");
    Glyph(d, R - border - grip.frameWidth - 1, B - border - grip.frameHeight - 1, grip, 0);
    return Enlarge(d, 2);
}

} // namespace

void WritePreviews(const std::string& dir, const std::vector<SkinPicture>& pictures, const Raster& master,
                   const std::vector<graphite::SkinImageFile>& glows,
                   const std::vector<graphite::SkinImageFile>& shadows)
{
    const std::filesystem::path out(dir);
    WritePngRgba((out / "master.png").string(), MasterView(master));
    WritePngRgba((out / "glyphs.png").string(), GlyphSheet(pictures));
    WritePngRgba((out / "glows.png").string(), GlowSheet(glows));
    WritePngRgba((out / "shadows.png").string(), ShadowSheet(shadows));
    WritePngRgba((out / "mockup.png").string(), Mockup(pictures));
}

} // namespace korvane
