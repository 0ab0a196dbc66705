#include "tools/skinart/graphite_art.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "tools/skinart/palette.h"

namespace korvane::graphite {

namespace {

// What a title button shows in one state.
struct ButtonLook {
    ArtColor plate; // rounded plate behind the glyph (alpha 0: none)
    ArtColor glyph;
};

using GlyphPainter = void (*)(ArtCanvas& canvas, float cx, float cy, float size, const ArtColor& color);

void PaintCross(ArtCanvas& c, float cx, float cy, float s, const ArtColor& color)
{
    const float h = s / 2;
    c.Fill(Union(Segment(cx - h, cy - h, cx + h, cy + h, 1.25f), Segment(cx - h, cy + h, cx + h, cy - h, 1.25f)),
           color);
}

void PaintMaximise(ArtCanvas& c, float cx, float cy, float s, const ArtColor& color)
{
    const float h = std::round(s / 2);
    c.Fill(Ring(RoundRect(cx - h, cy - h, cx + h, cy + h, 1.5f), 1.0f), color);
}

void PaintMinimise(ArtCanvas& c, float cx, float cy, float s, const ArtColor& color)
{
    const float h = std::round(s / 2);
    c.Fill(RoundRect(cx - h, cy, cx + h, cy + 1, 0.5f), color);
}

void PaintRestore(ArtCanvas& c, float cx, float cy, float s, const ArtColor& color)
{
    const float h = std::round(s / 2);
    const float d = std::max(2.0f, std::round(s / 4.5f));
    const DistanceField front = RoundRect(cx - h, cy - h + d, cx + h - d, cy + h, 1.2f);
    const DistanceField back = RoundRect(cx - h + d, cy - h, cx + h, cy + h - d, 1.5f);
    c.Fill(Union(Ring(front, 1.0f),
                 Subtract(Ring(back, 1.0f), RoundRect(cx - h - 1, cy - h + d - 1, cx + h - d + 1, cy + h + 1, 2.0f))),
           color);
}

void PaintHelp(ArtCanvas& c, float cx, float cy, float s, const ArtColor& color)
{
    const float r = s * 0.3f;
    const float ay = cy - s * 0.2f;
    std::vector<float> points;
    for (int i = 0; i <= 12; ++i) {
        // From the left of the arc over the top to its right and down toward the stem.
        const float angle = 3.6f + i * (2.9f / 12.0f);
        points.push_back(cx + r * std::cos(angle));
        points.push_back(ay + r * std::sin(angle));
    }
    points.push_back(cx);
    points.push_back(cy + s * 0.18f);
    c.Fill(Polyline(points, 1.2f), color);
    c.Fill(Circle(cx, cy + s * 0.45f, 0.8f), color);
}

// A title button: three states (normal, hot, pressed) of a glyph on an optional plate.
SkinPicture TitleButton(const std::string& name, int w, int h, float glyphSize, GlyphPainter glyph,
                        const ButtonLook (&looks)[3])
{
    std::vector<ArtCanvas> frames;
    for (const ButtonLook& look : looks) {
        ArtCanvas c(w, h);
        if (look.plate.a > 0) {
            c.Fill(RoundRect(0, 0, static_cast<float>(w), static_cast<float>(h), h * 0.24f), look.plate);
        }
        glyph(c, w / 2.0f, h / 2.0f, glyphSize, look.glyph);
        frames.push_back(std::move(c));
    }
    return EncodeGlyph(name, frames);
}

const ButtonLook kPlainLooks[3] = {
    {kWhite.WithAlpha(0), kGlyph},
    {kWhite.WithAlpha(0.11f), kWhite},
    {kWhite.WithAlpha(0.06f), kGlyphDim},
};
const ButtonLook kCloseLooks[3] = {
    {kWhite.WithAlpha(0), kGlyph},
    {kCloseHot, kWhite},
    {kClosePressed, kWhite.WithAlpha(0.8f)},
};

// Check box, radio button and their states. Frames: normal, hot, pressed.
enum class Mark { None, Check, Dash, Dot };

SkinPicture CheckPicture(const std::string& name, int size, bool round, Mark mark, bool greyed)
{
    std::vector<ArtCanvas> frames;
    const float s = static_cast<float>(size);
    for (int state = 0; state < 3; ++state) {
        ArtCanvas c(size, size);
        const DistanceField outline =
            round ? Circle(s / 2, s / 2, s / 2 - 0.5f) : RoundRect(0.5f, 0.5f, s - 0.5f, s - 0.5f, s * 0.2f);
        const bool filled = mark != Mark::None && !greyed;
        if (filled) {
            const ArtColor fill = state == 0 ? kAccent : state == 1 ? kAccentHot : kAccentPressed;
            c.Fill(outline, fill);
        } else {
            const ArtColor face = state == 2 ? ArtColor::Rgb(40, 42, 47) : kField;
            const ArtColor line = greyed ? kGlyphDim : state == 0 ? ArtColor::Rgb(118, 123, 132) : kAccent;
            c.Fill(outline, face);
            c.Fill(Ring(outline, 1.2f), line);
        }
        const ArtColor ink = filled ? ArtColor::Rgb(12, 22, 34) : greyed ? kGlyphDim : kGlyph;
        const float k = s / 16.0f;
        switch (mark) {
        case Mark::None:
            break;
        case Mark::Check:
            c.Fill(Polyline({4.2f * k, 8.4f * k, 6.9f * k, 11.0f * k, 11.9f * k, 5.4f * k}, 1.9f * k), ink);
            break;
        case Mark::Dash:
            c.Fill(RoundRect(4.5f * k, 7.1f * k, 11.5f * k, 8.9f * k, 0.9f * k), ink);
            break;
        case Mark::Dot:
            c.Fill(Circle(s / 2, s / 2, (state == 1 ? 3.4f : state == 2 ? 2.6f : 3.0f) * k), ink);
            break;
        }
        frames.push_back(std::move(c));
    }
    return EncodeGlyph(name, frames);
}

// A small filled triangle pointing in a direction, in three states.
SkinPicture ArrowPicture(const std::string& name, int dx, int dy)
{
    const int size = 9;
    std::vector<ArtCanvas> frames;
    const ArtColor colors[3] = {ArtColor::Rgb(140, 145, 154), ArtColor::Rgb(226, 228, 232), kAccent};
    for (const ArtColor& color : colors) {
        ArtCanvas c(size, size);
        const float m = size / 2.0f;
        const float a = 3.9f; // half of the base
        const float t = 2.2f; // half of the height
        std::vector<float> p;
        if (dy != 0) {
            const float tip = m + dy * t;
            const float base = m - dy * t;
            p = {m - a, base, m + a, base, m, tip};
        } else {
            const float tip = m + dx * t;
            const float base = m - dx * t;
            p = {base, m - a, base, m + a, tip, m};
        }
        c.Fill(ConvexPolygon(p), color);
        frames.push_back(std::move(c));
    }
    return EncodeGlyph(name, frames);
}

SkinPicture ComboArrow()
{
    std::vector<ArtCanvas> frames;
    const ArtColor colors[3] = {ArtColor::Rgb(170, 175, 183), ArtColor::Rgb(236, 238, 241), kAccent};
    for (const ArtColor& color : colors) {
        ArtCanvas c(12, 8);
        c.Fill(Polyline({2.5f, 2.5f, 6.0f, 6.0f, 9.5f, 2.5f}, 1.5f), color);
        frames.push_back(std::move(c));
    }
    return EncodeGlyph("COMBOARROW", frames);
}

SkinPicture MenuCheck()
{
    ArtCanvas c(16, 16);
    c.Fill(Polyline({3.8f, 8.4f, 6.8f, 11.3f, 12.4f, 4.9f}, 1.7f), kText);
    return EncodeGlyph("CHECK", {c});
}

SkinPicture SizeGrip()
{
    ArtCanvas c(12, 12);
    const float dots[6][2] = {{10, 10}, {10, 6}, {6, 10}, {10, 2}, {6, 6}, {2, 10}};
    for (const auto& d : dots) {
        c.Fill(Circle(d[0], d[1], 1.05f), ArtColor::Rgb(112, 117, 126));
    }
    return EncodeGlyph("GRIPIMAGE", {c});
}

ArtCanvas Shape(int w, int h, const DistanceField& field)
{
    ArtCanvas c(w, h);
    c.Fill(field, kWhite);
    return c;
}

// Window outline: inactive and active frames, rounded corners of radius 7.
SkinPicture FormBorder()
{
    const int n = 17;
    std::vector<ArtCanvas> layers;
    std::vector<ArtCanvas> shapes;
    for (const ArtColor& line : {kFrameLine, kFrameLineActive}) {
        const DistanceField outline = RoundRect(0, 0, n, n, 7.0f);
        ArtCanvas l(n, n);
        l.Fill(Ring(outline, 1.0f), line);
        layers.push_back(std::move(l));
        shapes.push_back(Shape(n, n, outline));
    }
    // Partly covered corner pixels take the outline's colour: what lies behind a top-level
    // window is unknown, so its edge is kept crisp rather than blended toward a guess.
    return EncodeBordersMask("FORMBORDER", layers, shapes, kFrameLine, kWindow, 0.45f, 8, 8, 8, 8, 0);
}

// Push button: outline, a faint top light, a darker inside while pressed; the centre is painted.
SkinPicture ButtonBorder()
{
    const int n = 18;
    std::vector<ArtCanvas> layers;
    std::vector<ArtCanvas> shapes;
    for (int state = 0; state < 3; ++state) {
        const DistanceField outline = RoundRect(0, 0, n, n, 4.0f);
        ArtCanvas l(n, n);
        if (state == 2) {
            l.Fill(RoundRect(1, 1, n - 1, n - 1, 3.0f), kBlack.WithAlpha(0.22f));
        } else {
            l.Fill(Subtract(RoundRect(1, 1, n - 1, n - 1, 3.0f), RoundRect(1, 2, n - 1, n - 1, 3.0f)),
                   kWhite.WithAlpha(state == 1 ? 0.10f : 0.07f));
        }
        const ArtColor line = state == 0 ? kButtonLine : state == 1 ? kAccent : kAccentPressed;
        l.Fill(Ring(outline, 1.0f), line);
        layers.push_back(std::move(l));
        shapes.push_back(Shape(n, n, outline));
    }
    return EncodeBordersMask("BUTTONBORDER", layers, shapes, kWindow, kButtonFace, 0.02f, 5, 5, 5, 5, 4);
}

// A soft plate that appears under the mouse (flat buttons, scroll and combo buttons): a fifth of
// white over the face when hot, a third when pressed, so a flat button plainly answers the mouse.
SkinPicture HoverPlate()
{
    const int n = 16;
    std::vector<ArtCanvas> layers;
    const float alphas[3] = {0.0f, 0.20f, 0.32f};
    for (float alpha : alphas) {
        ArtCanvas l(n, n);
        if (alpha > 0) {
            l.Fill(RoundRect(1, 1, n - 1, n - 1, 3.0f), kWhite.WithAlpha(alpha));
        }
        layers.push_back(std::move(l));
    }
    return EncodeBordersMask("HOVERPLATE", layers, {}, kWindow, kWindow, 0, 4, 4, 4, 4, 6);
}

SkinPicture EditBorder()
{
    const int n = 10;
    std::vector<ArtCanvas> layers;
    std::vector<ArtCanvas> shapes;
    for (const ArtColor& line : {kFieldLine, kAccent}) {
        const DistanceField outline = RoundRect(0, 0, n, n, 3.0f);
        ArtCanvas l(n, n);
        l.Fill(Ring(outline, 1.0f), line);
        layers.push_back(std::move(l));
        shapes.push_back(Shape(n, n, outline));
    }
    return EncodeBordersMask("EDITBORDER", layers, shapes, kWindow, kField, 0.02f, 3, 3, 3, 3, 0);
}

// Scroll thumb: a pill inset in the track; the centre is painted.
SkinPicture ScrollThumb()
{
    const int n = 14;
    std::vector<ArtCanvas> layers;
    for (const ArtColor& color : {kThumb, kThumbHot, kAccent}) {
        ArtCanvas l(n, n);
        l.Fill(RoundRect(3, 3, n - 3, n - 3, 3.0f), color);
        layers.push_back(std::move(l));
    }
    return EncodeBordersMask("SCROLLTHUMB", layers, {}, kField, kField, 0, 6, 6, 6, 6, 4);
}

SkinPicture GroupBorder()
{
    const int n = 16;
    const DistanceField outline = RoundRect(0, 0, n, n, 5.0f);
    ArtCanvas l(n, n);
    l.Fill(Ring(outline, 1.0f), kGroupLine);
    return EncodeBordersMask("GROUPBORDER", {l}, {Shape(n, n, outline)}, kWindow, kWindow, 0.02f, 6, 6, 6, 6, 0);
}

// A one-pixel vertical line, fading out at both ends.
SkinPicture DividerLine()
{
    ArtCanvas l(3, 6);
    for (int y = 0; y < 6; ++y) {
        const float fade = y == 0 || y == 5 ? 0.35f : y == 1 || y == 4 ? 0.75f : 1.0f;
        l.Blend(1, y, kDivider, fade);
    }
    return EncodeBordersMask("DIVIDERLINE", {l}, {}, kWindow, kWindow, 0, 1, 2, 1, 2, 4);
}

// Column header: a separator at the right and a line at the bottom that lights up under the mouse.
SkinPicture HeaderBorder()
{
    const int n = 8;
    std::vector<ArtCanvas> layers;
    for (int state = 0; state < 3; ++state) {
        ArtCanvas l(n, n);
        for (int y = 0; y < n; ++y) {
            l.Blend(n - 1, y, kDivider, 1.0f);
        }
        const ArtColor bottom = state == 0 ? kDivider : kAccent;
        for (int x = 0; x < n; ++x) {
            l.Blend(x, n - 1, bottom, 1.0f);
        }
        layers.push_back(std::move(l));
    }
    return EncodeBordersMask("HEADERBORDER", layers, {}, kWindow, kWindow, 0, 0, 0, 1, 1, 0);
}

// Selected list items and menu items: a rounded plate, grey without focus, accent with it.
SkinPicture SelectionPlate()
{
    const int n = 12;
    std::vector<ArtCanvas> layers;
    for (const ArtColor& color : {ArtColor::Rgb(58, 61, 68), kAccentDeep}) {
        ArtCanvas l(n, n);
        l.Fill(RoundRect(0, 0, n, n, 3.0f), color);
        layers.push_back(std::move(l));
    }
    return EncodeBordersMask("SELECTIONPLATE", layers, {}, kField, kField, 0, 4, 4, 4, 4, 4);
}

// Fine graphite grain, mixed into the title bar at a low share.
SkinPicture GrainTexture()
{
    const int n = 48;
    ArtCanvas c(n, n);
    uint32_t seed = 0x6A09E667u;
    auto next = [&seed]() {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        return (seed & 0xFFFF) / 65535.0f;
    };
    float streak[n];
    for (float& s : streak) {
        s = next() - 0.5f;
    }
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            // Horizontal streaks, as on brushed metal, plus fine noise; centred on the title colour.
            const float v = 40.0f / 255.0f + (streak[y] * 0.7f + (next() - 0.5f) * 0.6f) * (36.0f / 255.0f);
            c.Blend(x, y, {v, v * 1.02f, v * 1.1f, 1.0f}, 1.0f);
        }
    }
    return EncodeTexture("GRAIN", c, 0);
}

} // namespace

std::vector<SkinPicture> MasterPictures()
{
    std::vector<SkinPicture> pictures;
    const int bw = 30;
    const int bh = 20;
    pictures.push_back(TitleButton("BICONCLOSE", bw, bh, 9, PaintCross, kCloseLooks));
    pictures.push_back(TitleButton("BICONMAX", bw, bh, 10, PaintMaximise, kPlainLooks));
    pictures.push_back(TitleButton("BICONMIN", bw, bh, 10, PaintMinimise, kPlainLooks));
    pictures.push_back(TitleButton("BICONNORM", bw, bh, 10, PaintRestore, kPlainLooks));
    pictures.push_back(TitleButton("BICONHELP", bw, bh, 10, PaintHelp, kPlainLooks));
    pictures.push_back(TitleButton("BICLOSEALONE", 34, bh, 9, PaintCross, kCloseLooks));
    const int sw = 22;
    const int sh = 15;
    pictures.push_back(TitleButton("SICONCLOSE", sw, sh, 7, PaintCross, kCloseLooks));
    pictures.push_back(TitleButton("SICONMAX", sw, sh, 8, PaintMaximise, kPlainLooks));
    pictures.push_back(TitleButton("SICONMIN", sw, sh, 8, PaintMinimise, kPlainLooks));
    pictures.push_back(TitleButton("SICONNORM", sw, sh, 8, PaintRestore, kPlainLooks));
    pictures.push_back(TitleButton("SICONHELP", sw, sh, 8, PaintHelp, kPlainLooks));
    pictures.push_back(CheckPicture("BOXCHECKED", 16, false, Mark::Check, false));
    pictures.push_back(CheckPicture("BOXUNCHECKED", 16, false, Mark::None, false));
    pictures.push_back(CheckPicture("BOXGRAYED", 16, false, Mark::Dash, false));
    pictures.push_back(CheckPicture("RADIOCHECKED", 16, true, Mark::Dot, false));
    pictures.push_back(CheckPicture("RADIOUNCHECKED", 16, true, Mark::None, false));
    pictures.push_back(CheckPicture("RADIOGRAYED", 16, true, Mark::Dot, true));
    pictures.push_back(CheckPicture("SMALLCHECKED", 13, false, Mark::Check, false));
    pictures.push_back(CheckPicture("SMALLUNCHECKED", 13, false, Mark::None, false));
    pictures.push_back(CheckPicture("SMALLGRAYED", 13, false, Mark::Dash, false));
    pictures.push_back(MenuCheck());
    pictures.push_back(SizeGrip());
    pictures.push_back(ArrowPicture("ARROWLEFT", -1, 0));
    pictures.push_back(ArrowPicture("ARROWRIGHT", 1, 0));
    pictures.push_back(ArrowPicture("ARROWUP", 0, -1));
    pictures.push_back(ArrowPicture("ARROWDOWN", 0, 1));
    pictures.push_back(ComboArrow());
    pictures.push_back(FormBorder());
    pictures.push_back(ButtonBorder());
    pictures.push_back(HoverPlate());
    pictures.push_back(EditBorder());
    pictures.push_back(ScrollThumb());
    pictures.push_back(GroupBorder());
    pictures.push_back(DividerLine());
    pictures.push_back(HeaderBorder());
    pictures.push_back(SelectionPlate());
    pictures.push_back(GrainTexture());
    return pictures;
}

namespace {

uint8_t Byte(float v)
{
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

// A glow frame: strongest just outside the control's edge, fading to nothing at the image edge
// and quickly inside the control. `border` is the nine-slice border, `margin` how far the control
// reaches into it, `radius` the control's corner radius.
Raster GlowFrame(int border, int margin, float radius, const ArtColor& color, float strength)
{
    const int n = 2 * border + 1;
    Raster out(n, n);
    const float edge = static_cast<float>(border - margin);
    const DistanceField control = RoundRect(edge, edge, n - edge, n - edge, radius);
    const float reach = edge; // room outside the control
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const float d = control(x + 0.5f, y + 0.5f);
            float a = 0;
            if (d >= 0) {
                const float t = std::clamp(d / reach, 0.0f, 1.0f);
                a = strength * std::pow(1.0f - t, 2.2f);
            } else {
                a = strength * std::max(0.0f, 1.0f + d / 2.0f) * 0.6f;
            }
            // Premultiplied, so a clear pixel is 0 in every byte.
            out.Set(x, y, Byte(color.r * a), Byte(color.g * a), Byte(color.b * a), Byte(a));
        }
    }
    return out;
}

// A window shadow as a nine-slice: corners of 11, 10, 11, 12 pixels around a two-pixel middle
// that the window itself covers (left clear). The shadow falls from the window moved 2 pixels
// down, so it is deeper below than above; edges are straight so that they can be stretched.
Raster ShadowFrame(float strength, float reach)
{
    const int left = 11;
    const int top = 10;
    const int right = 11;
    const int bottom = 12;
    const int middle = 2;
    const int w = left + middle + right;
    const int h = top + middle + bottom;
    Raster out(w, h);
    const float wl = left;
    const float wt = top;
    const float wr = left + middle;
    const float wb = top + middle;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const float px = x + 0.5f;
            const float py = y + 0.5f;
            if (px > wl && px < wr && py > wt && py < wb) {
                continue; // under the window
            }
            const float dx = std::max({wl - px, px - wr, 0.0f});
            // Moved down: 2 pixels more to fall above, 2 pixels less below; the middle rows
            // (beside the window) stay as they are so the stretched sides are even.
            float dy = 0;
            if (py < wt) {
                dy = wt - py + 2;
            } else if (py > wb) {
                dy = std::max(0.0f, py - wb - 2);
            }
            // A long, soft fall-off that reaches nothing at the picture's edge.
            const float t = std::clamp(std::hypot(dx, dy) / reach, 0.0f, 1.0f);
            out.Set(x, y, 0, 0, 0, Byte(strength * std::pow(1.0f - t, 1.9f)));
        }
    }
    return out;
}

} // namespace

std::vector<SkinImageFile> GlowImages()
{
    return {
        {"GLOW.PNG", GlowFrame(8, 2, 4.0f, kAccent, 0.55f)},
        {"GLOWTITLE.PNG", GlowFrame(10, 3, 5.0f, kAccentHot, 0.45f)},
        {"GLOWCLOSE.PNG", GlowFrame(10, 3, 5.0f, kCloseGlow, 0.6f)},
    };
}

std::vector<SkinImageFile> ShadowImages()
{
    return {
        {"acSHDA.png", ShadowFrame(0.40f, 12.0f)},
        {"acSHDI.png", ShadowFrame(0.22f, 10.0f)},
    };
}

} // namespace korvane::graphite
