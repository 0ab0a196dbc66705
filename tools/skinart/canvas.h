#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace korvane {

// A straight (not premultiplied) RGB colour with an opacity, channels 0..1.
struct ArtColor {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 1;

    static ArtColor Rgb(int red, int green, int blue, float alpha = 1.0f)
    {
        return {red / 255.0f, green / 255.0f, blue / 255.0f, alpha};
    }
    ArtColor WithAlpha(float alpha) const { return {r, g, b, alpha}; }
};

// Signed distance in pixels from a point to a shape: negative inside, positive outside.
using DistanceField = std::function<float(float x, float y)>;

// A float RGBA picture in premultiplied form, drawn into with anti-aliased shapes. Pixel (i, j)
// covers the square [i, i + 1) x [j, j + 1); shapes are sampled at the pixel centres.
class ArtCanvas {
public:
    ArtCanvas(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Premultiplied colour of a pixel.
    const ArtColor& At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    ArtColor& At(int x, int y) { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    // Straight colour of a pixel (the colour as seen where the pixel is opaque).
    ArtColor Straight(int x, int y) const;

    // Composites a colour over the pixel with the given coverage (0..1): d = s*c + d*(1 - s.a*c).
    void Blend(int x, int y, const ArtColor& color, float coverage);
    // Paints a shape given by its distance field, anti-aliased over one pixel.
    void Fill(const DistanceField& shape, const ArtColor& color);

private:
    int m_width;
    int m_height;
    std::vector<ArtColor> m_pixels;
};

// Coverage of a pixel centre at signed distance d: a one-pixel ramp around the edge.
float CoverageOf(float distance);

// Distance fields of the shapes the skin's pictures are made of.
DistanceField RoundRect(float left, float top, float right, float bottom, float radius);
DistanceField Circle(float cx, float cy, float radius);
// A line segment of the given width with round ends.
DistanceField Segment(float x0, float y0, float x1, float y1, float width);
// A connected line through the points, given as x0, y0, x1, y1, ...
DistanceField Polyline(std::vector<float> points, float width);
// A convex polygon, points given clockwise or anticlockwise as x0, y0, x1, y1, ...
DistanceField ConvexPolygon(std::vector<float> points);
// The ring between a shape's edge and the edge moved inward by width.
DistanceField Ring(DistanceField shape, float width);
// Union and difference of shapes.
DistanceField Union(DistanceField a, DistanceField b);
DistanceField Subtract(DistanceField a, DistanceField b);

} // namespace korvane
