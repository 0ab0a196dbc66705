#include "tools/skinart/canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace korvane {

ArtCanvas::ArtCanvas(int width, int height)
    : m_width(width)
    , m_height(height)
    , m_pixels(static_cast<size_t>(width) * height, ArtColor{0, 0, 0, 0})
{
}

ArtColor ArtCanvas::Straight(int x, int y) const
{
    const ArtColor& p = At(x, y);
    if (p.a <= 0.0f) {
        return {0, 0, 0, 0};
    }
    return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

void ArtCanvas::Blend(int x, int y, const ArtColor& color, float coverage)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height || coverage <= 0.0f) {
        return;
    }
    const float sa = std::clamp(color.a * coverage, 0.0f, 1.0f);
    ArtColor& d = At(x, y);
    // Source over, premultiplied: d = s * sa + d * (1 - sa).
    d.r = color.r * sa + d.r * (1 - sa);
    d.g = color.g * sa + d.g * (1 - sa);
    d.b = color.b * sa + d.b * (1 - sa);
    d.a = sa + d.a * (1 - sa);
}

void ArtCanvas::Fill(const DistanceField& shape, const ArtColor& color)
{
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            Blend(x, y, color, CoverageOf(shape(x + 0.5f, y + 0.5f)));
        }
    }
}

float CoverageOf(float distance)
{
    return std::clamp(0.5f - distance, 0.0f, 1.0f);
}

DistanceField RoundRect(float left, float top, float right, float bottom, float radius)
{
    const float cx = (left + right) / 2;
    const float cy = (top + bottom) / 2;
    const float hx = (right - left) / 2;
    const float hy = (bottom - top) / 2;
    const float r = std::min({radius, hx, hy});
    return [=](float x, float y) {
        const float qx = std::fabs(x - cx) - (hx - r);
        const float qy = std::fabs(y - cy) - (hy - r);
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        const float inside = std::min(std::max(qx, qy), 0.0f);
        return outside + inside - r;
    };
}

DistanceField Circle(float cx, float cy, float radius)
{
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

namespace {

float SegmentDistance(float x, float y, float x0, float y0, float x1, float y1)
{
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    const float length2 = dx * dx + dy * dy;
    float t = 0;
    if (length2 > 0) {
        t = std::clamp(((x - x0) * dx + (y - y0) * dy) / length2, 0.0f, 1.0f);
    }
    return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy));
}

} // namespace

DistanceField Segment(float x0, float y0, float x1, float y1, float width)
{
    return [=](float x, float y) { return SegmentDistance(x, y, x0, y0, x1, y1) - width / 2; };
}

DistanceField Polyline(std::vector<float> points, float width)
{
    return [points = std::move(points), width](float x, float y) {
        float best = 1e9f;
        for (size_t i = 0; i + 3 < points.size(); i += 2) {
            best = std::min(best, SegmentDistance(x, y, points[i], points[i + 1], points[i + 2], points[i + 3]));
        }
        return best - width / 2;
    };
}

DistanceField ConvexPolygon(std::vector<float> points)
{
    // Orientation decides which side of each edge is inside.
    float area = 0;
    const size_t n = points.size() / 2;
    for (size_t i = 0; i < n; ++i) {
        const size_t j = (i + 1) % n;
        area += points[2 * i] * points[2 * j + 1] - points[2 * j] * points[2 * i + 1];
    }
    const float sign = area >= 0 ? 1.0f : -1.0f;
    return [points = std::move(points), n, sign](float x, float y) {
        float inside = -1e9f;
        float edge = 1e9f;
        for (size_t i = 0; i < n; ++i) {
            const size_t j = (i + 1) % n;
            const float x0 = points[2 * i];
            const float y0 = points[2 * i + 1];
            const float x1 = points[2 * j];
            const float y1 = points[2 * j + 1];
            const float ex = x1 - x0;
            const float ey = y1 - y0;
            const float length = std::hypot(ex, ey);
            // Distance to the edge's line, positive outside.
            const float d = -sign * (ex * (y - y0) - ey * (x - x0)) / length;
            inside = std::max(inside, d);
            edge = std::min(edge, SegmentDistance(x, y, x0, y0, x1, y1));
        }
        return inside > 0 ? edge : inside;
    };
}

DistanceField Ring(DistanceField shape, float width)
{
    return [shape = std::move(shape), width](float x, float y) {
        const float d = shape(x, y);
        return std::max(d, -(d + width));
    };
}

DistanceField Union(DistanceField a, DistanceField b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

DistanceField Subtract(DistanceField a, DistanceField b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

} // namespace korvane
