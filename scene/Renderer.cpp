#include "scene/Renderer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kPi = 3.14159265358979323846;

uint32_t PixelOf(COLORREF color, double light)
{
    const auto channel = [light](uint8_t value) {
        return static_cast<uint8_t>(std::clamp(value * light, 0.0, 255.0));
    };
    return SImage::Pack(channel(GetRValue(color)), channel(GetGValue(color)), channel(GetBValue(color)));
}

// Lines drawn over a filled area stand out from it, whatever its colour.
uint32_t ContrastingInk(uint32_t under)
{
    const int luminance = (SImage::Red(under) * 3 + SImage::Green(under) * 6 + SImage::Blue(under)) / 10;
    return luminance < 96 ? SImage::Pack(0xC8, 0xC8, 0xC8) : SImage::Pack(0x30, 0x30, 0x30);
}

// Screen position: x to the right, y downwards, depth growing away from the eye.
struct SScreenPoint {
    double x, y, depth;
};

class CCanvas {
public:
    CCanvas(int width, int height)
    {
        m_image.m_width = std::max(width, 0);
        m_image.m_height = std::max(height, 0);
        const size_t count = static_cast<size_t>(m_image.m_width) * m_image.m_height;
        m_image.m_pixels.assign(count, kBackground);
        m_depth.assign(count, std::numeric_limits<float>::infinity());
    }

    void FillTriangle(SScreenPoint a, SScreenPoint b, SScreenPoint c, uint32_t pixel)
    {
        const double area = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
        if (!(std::abs(area) > 1e-12))
            return;
        const double minX = std::max(0.0, std::floor(std::min({a.x, b.x, c.x})));
        const double maxX = std::min(m_image.m_width - 1.0, std::ceil(std::max({a.x, b.x, c.x})));
        const double minY = std::max(0.0, std::floor(std::min({a.y, b.y, c.y})));
        const double maxY = std::min(m_image.m_height - 1.0, std::ceil(std::max({a.y, b.y, c.y})));
        if (minX > maxX || minY > maxY)
            return;
        const double inverse = 1 / area;
        // Barycentric weights change by a constant step per pixel.
        const double w0dx = (b.y - c.y) * inverse, w0dy = (c.x - b.x) * inverse;
        const double w1dx = (c.y - a.y) * inverse, w1dy = (a.x - c.x) * inverse;
        const double px0 = minX + 0.5, py0 = minY + 0.5;
        double w0row = ((b.x - px0) * (c.y - py0) - (b.y - py0) * (c.x - px0)) * inverse;
        double w1row = ((c.x - px0) * (a.y - py0) - (c.y - py0) * (a.x - px0)) * inverse;
        const int x0 = static_cast<int>(minX), x1 = static_cast<int>(maxX);
        for (int y = static_cast<int>(minY); y <= static_cast<int>(maxY); ++y) {
            double w0 = w0row, w1 = w1row;
            const size_t row = static_cast<size_t>(y) * m_image.m_width;
            for (int x = x0; x <= x1; ++x) {
                const double w2 = 1 - w0 - w1;
                if (w0 >= 0 && w1 >= 0 && w2 >= 0) {
                    const float depth = static_cast<float>(w0 * a.depth + w1 * b.depth + w2 * c.depth);
                    const size_t index = row + x;
                    if (depth < m_depth[index]) {
                        m_depth[index] = depth;
                        m_image.m_pixels[index] = pixel;
                    }
                }
                w0 += w0dx;
                w1 += w1dx;
            }
            w0row += w0dy;
            w1row += w1dy;
        }
    }

    // A line in front of or on the surfaces, within the tolerance, is seen.
    void DrawLine(SScreenPoint a, SScreenPoint b, uint32_t pixel, double tolerance, bool contrasting = false)
    {
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double steps = std::ceil(std::max(std::abs(dx), std::abs(dy)));
        if (!(steps < 1e5)) {
            if (!ClipLong(a, b))
                return;
            DrawLine(a, b, pixel, tolerance, contrasting);
            return;
        }
        const int count = std::max(1, static_cast<int>(steps));
        for (int i = 0; i <= count; ++i) {
            const double t = static_cast<double>(i) / count;
            const int x = static_cast<int>(std::floor(a.x + dx * t));
            const int y = static_cast<int>(std::floor(a.y + dy * t));
            if (x < 0 || y < 0 || x >= m_image.m_width || y >= m_image.m_height)
                continue;
            const size_t index = static_cast<size_t>(y) * m_image.m_width + x;
            const double depth = a.depth + (b.depth - a.depth) * t;
            if (depth <= m_depth[index] + tolerance)
                m_image.m_pixels[index] = contrasting ? ContrastingInk(m_image.m_pixels[index]) : pixel;
        }
    }

    void FillCircleBlended(double cx, double cy, double radius, uint32_t pixel, double opacity)
    {
        const int y0 = std::max(0, static_cast<int>(std::floor(cy - radius)));
        const int y1 = std::min(m_image.m_height - 1, static_cast<int>(std::ceil(cy + radius)));
        const int x0 = std::max(0, static_cast<int>(std::floor(cx - radius)));
        const int x1 = std::min(m_image.m_width - 1, static_cast<int>(std::ceil(cx + radius)));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const double ddx = x + 0.5 - cx, ddy = y + 0.5 - cy;
                if (ddx * ddx + ddy * ddy > radius * radius)
                    continue;
                uint32_t& under = m_image.m_pixels[static_cast<size_t>(y) * m_image.m_width + x];
                const auto mix = [opacity](uint8_t bottom, uint8_t top) {
                    return static_cast<uint8_t>(bottom + (top - bottom) * opacity);
                };
                under = SImage::Pack(mix(SImage::Red(under), SImage::Red(pixel)),
                    mix(SImage::Green(under), SImage::Green(pixel)), mix(SImage::Blue(under), SImage::Blue(pixel)));
            }
    }

    SImage Take() { return std::move(m_image); }
    int Width() const { return m_image.m_width; }
    int Height() const { return m_image.m_height; }

private:
    // A line far longer than the picture is cut to the picture's neighbourhood first.
    bool ClipLong(SScreenPoint& a, SScreenPoint& b) const
    {
        const double limit = 4.0 * (m_image.m_width + m_image.m_height) + 16;
        double t0 = 0, t1 = 1;
        const double d[2] = {b.x - a.x, b.y - a.y};
        const double p[2] = {a.x, a.y};
        for (int axis = 0; axis < 2; ++axis) {
            if (d[axis] == 0) {
                if (p[axis] < -limit || p[axis] > limit)
                    return false;
                continue;
            }
            double ta = (-limit - p[axis]) / d[axis], tb = (limit - p[axis]) / d[axis];
            if (ta > tb)
                std::swap(ta, tb);
            t0 = std::max(t0, ta);
            t1 = std::min(t1, tb);
        }
        if (t0 > t1)
            return false;
        const SScreenPoint from = a, to = b;
        const auto at = [&](double t) {
            return SScreenPoint {from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t,
                from.depth + (to.depth - from.depth) * t};
        };
        a = at(t0);
        b = at(t1);
        return true;
    }

    SImage m_image;
    std::vector<float> m_depth;
};

// Camera axes in world coordinates: right, up and the direction towards the eye.
struct SViewAxes {
    SPoint3 right, up, eye;

    explicit SViewAxes(const SCamera& camera)
    {
        const double yaw = camera.m_yaw * kPi / 180;
        const double pitch = std::clamp(camera.m_pitch, -90.0, 90.0) * kPi / 180;
        eye = {std::sin(yaw) * std::cos(pitch), -std::cos(yaw) * std::cos(pitch), std::sin(pitch)};
        right = {std::cos(yaw), std::sin(yaw), 0};
        up = Cross(eye, right);
    }
};

// Maps view coordinates to pixels so that the given extent fills the picture (with a margin).
class CFit {
public:
    CFit(double minX, double maxX, double minY, double maxY, int width, int height, double zoom)
    {
        const double margin = 0.08;
        const double spanX = std::max(maxX - minX, 1e-9), spanY = std::max(maxY - minY, 1e-9);
        const double room = 1 - 2 * margin;
        m_scale = std::min(width * room / spanX, height * room / spanY) * (zoom > 0 ? zoom : 1);
        if (maxX - minX <= 0 && maxY - minY <= 0)
            m_scale = 1;
        m_centreX = (minX + maxX) / 2;
        m_centreY = (minY + maxY) / 2;
        m_halfWidth = width / 2.0;
        m_halfHeight = height / 2.0;
    }
    double X(double x) const { return m_halfWidth + (x - m_centreX) * m_scale; }
    double Y(double y) const { return m_halfHeight - (y - m_centreY) * m_scale; }
    double Scale() const { return m_scale; }

private:
    double m_scale = 1, m_centreX = 0, m_centreY = 0, m_halfWidth = 0, m_halfHeight = 0;
};

void DrawMesh(CCanvas& canvas, const SMesh& mesh, const SCamera& camera)
{
    const SViewAxes axes(camera);
    double minX = std::numeric_limits<double>::infinity(), maxX = -minX, minY = minX, maxY = maxX;
    double minDepth = minX, maxDepth = maxX;
    const auto extend = [&](SPoint3 p) {
        const double x = Dot(p, axes.right), y = Dot(p, axes.up), depth = -Dot(p, axes.eye);
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
        minDepth = std::min(minDepth, depth), maxDepth = std::max(maxDepth, depth);
    };
    for (const SMesh::STriangle& t : mesh.m_triangles)
        extend(t.a), extend(t.b), extend(t.c);
    for (const SMesh::SSegment& s : mesh.m_segments)
        extend(s.a), extend(s.b);
    const CFit fit(minX, maxX, minY, maxY, canvas.Width(), canvas.Height(), camera.m_zoom);
    const auto project = [&](SPoint3 p) {
        return SScreenPoint {fit.X(Dot(p, axes.right)), fit.Y(Dot(p, axes.up)), -Dot(p, axes.eye)};
    };
    const SPoint3 light = Normalized(axes.up * 0.6 - axes.right * 0.35 + axes.eye * 0.7);
    for (const SMesh::STriangle& t : mesh.m_triangles) {
        const SPoint3 normal = Normalized(Cross(t.b - t.a, t.c - t.a));
        const double brightness = 0.45 + 0.55 * std::abs(Dot(normal, light));
        canvas.FillTriangle(project(t.a), project(t.b), project(t.c), PixelOf(t.color, brightness));
    }
    // Edges lying on a face must win against it: a pixel and a half of depth.
    const double tolerance = 1.5 / std::max(fit.Scale(), 1e-12) + (maxDepth - minDepth) * 1e-4;
    for (const SMesh::SSegment& s : mesh.m_segments)
        canvas.DrawLine(project(s.a), project(s.b), PixelOf(s.color, 1), tolerance);
}

void DrawPlan(CCanvas& canvas, const SScene& scene, const SCamera& camera)
{
    double minX = std::numeric_limits<double>::infinity(), maxX = -minX, minY = minX, maxY = maxX;
    for (const SPlanPrimitive& primitive : scene.m_plan)
        for (const auto& [x, y] : scene.Points(primitive)) {
            const double r = primitive.m_kind == EPlanKind::Circle ? std::abs(primitive.m_radius) : 0;
            minX = std::min(minX, x - r), maxX = std::max(maxX, x + r);
            minY = std::min(minY, y - r), maxY = std::max(maxY, y + r);
        }
    const CFit fit(minX, maxX, minY, maxY, canvas.Width(), canvas.Height(), camera.m_zoom);
    // Each record lies on top of those before it.
    double layer = 0;
    const auto at = [&](double x, double y) { return SScreenPoint {fit.X(x), fit.Y(y), layer}; };
    const uint32_t outline = SImage::Pack(0x30, 0x30, 0x30);
    for (const SPlanPrimitive& p : scene.m_plan) {
        layer -= 1;
        const std::span<const SPlanPoint> points = scene.Points(p);
        switch (p.m_kind) {
        case EPlanKind::Rectangle: {
            const SScreenPoint a = at(points[0].first, points[0].second), c = at(points[1].first, points[1].second);
            const SScreenPoint b = {c.x, a.y, layer}, d = {a.x, c.y, layer};
            const uint32_t fill = PixelOf(p.m_color, 1);
            canvas.FillTriangle(a, b, c, fill);
            canvas.FillTriangle(a, c, d, fill);
            canvas.DrawLine(a, b, outline, 0, true), canvas.DrawLine(b, c, outline, 0, true);
            canvas.DrawLine(c, d, outline, 0, true), canvas.DrawLine(d, a, outline, 0, true);
            break;
        }
        case EPlanKind::Circle: {
            const SScreenPoint centre = at(points[0].first, points[0].second);
            const double radius = std::abs(p.m_radius) * fit.Scale();
            canvas.FillCircleBlended(centre.x, centre.y, radius, PixelOf(p.m_color, 1), 0.35);
            const int segments = 48;
            for (int i = 0; i < segments; ++i) {
                const double a0 = 2 * kPi * i / segments, a1 = 2 * kPi * (i + 1) / segments;
                canvas.DrawLine({centre.x + radius * std::cos(a0), centre.y + radius * std::sin(a0), layer},
                    {centre.x + radius * std::cos(a1), centre.y + radius * std::sin(a1), layer}, PixelOf(p.m_color, 0.8), 0);
            }
            break;
        }
        case EPlanKind::Fillpoint:
            break;
        default:
            for (size_t i = 0; i + 1 < points.size(); ++i)
                canvas.DrawLine(at(points[i].first, points[i].second), at(points[i + 1].first, points[i + 1].second),
                    outline, 0, true);
            if (p.m_kind == EPlanKind::Polygon && points.size() > 2)
                canvas.DrawLine(at(points.back().first, points.back().second), at(points[0].first, points[0].second),
                    outline, 0, true);
            break;
        }
    }
}

} // namespace

SCamera SCamera::Standard(EView view)
{
    switch (view) {
    case EView::Front:
        return {view, 0, 0, 1};
    case EView::Side:
        return {view, 90, 0, 1};
    case EView::Top:
    case EView::Plan:
        return {view, 0, 90, 1};
    case EView::Iso:
        break;
    }
    return {};
}

SImage RenderMesh(const SMesh& mesh, const SScene& scene, const SCamera& camera, int width, int height)
{
    CCanvas canvas(width, height);
    if (canvas.Width() > 0 && canvas.Height() > 0) {
        if (camera.m_view == EView::Plan)
            DrawPlan(canvas, scene, camera);
        else if (!mesh.IsEmpty())
            DrawMesh(canvas, mesh, camera);
    }
    return canvas.Take();
}

SImage RenderScene(const SScene& scene, const SCamera& camera, int width, int height)
{
    return RenderMesh(BuildMesh(scene), scene, camera, width, height);
}
