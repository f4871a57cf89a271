#pragma once

// The one tessellation of a scene, handing its triangles and lines to a sink: the preview's
// mesh and the 3D model files take the same ones, the files without a mesh in between.

#include "scene/Tessellation.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <numbers>
#include <optional>
#include <span>
#include <tuple>
#include <utility>
#include <vector>

namespace tessellator {

// Solids are written with their number of segments; a damaged file must not ask for millions.
constexpr int kMinSegments = 3;
constexpr int kMaxSegments = 64;
constexpr int kDefaultSegments = 12;
// Up to this many sides a cylinder is a prism whose corners are edges.
constexpr int kMostCorneredSegments = 8;

inline int SegmentCount(int32_t written)
{
    if (written <= 0)
        return kDefaultSegments;
    return std::clamp<int>(written, kMinSegments, kMaxSegments);
}

// The sine of a half turn is 1e-16, not 0: the points of an ellipsoid's pole would differ
// by that much and make triangles that no float can tell from a line, and a quarter turn
// would move points by as little.
inline double Exact(double value)
{
    return std::abs(value) < 1e-12 ? 0.0 : value;
}

// The directions to the points of a circle of count segments, the first one repeated at the
// end, worked out once for every count a solid may have (and twice that, for the half circle
// of an ellipsoid's rings): every solid of a file uses them.
inline std::span<const std::pair<double, double>> CircleDirections(int count)
{
    static const auto circles = [] {
        std::array<std::vector<std::pair<double, double>>, 2 * kMaxSegments + 1> all;
        for (int n = 1; n <= 2 * kMaxSegments; ++n)
            for (int i = 0; i <= n; ++i) {
                const double angle = 2 * std::numbers::pi * i / n;
                all[size_t(n)].push_back({Exact(std::cos(angle)), Exact(std::sin(angle))});
            }
        return all;
    }();
    return circles[size_t(count)];
}

// The cosine and sine of the angle last asked for about each axis: the solids of a part mostly
// share their rotations.
class CTurnCache {
public:
    std::pair<double, double> CosSin(int axis, double degrees)
    {
        SEntry& entry = m_entries[size_t(axis)];
        if (std::bit_cast<uint64_t>(entry.m_degrees) != std::bit_cast<uint64_t>(degrees)) {
            const double radians = degrees * std::numbers::pi / 180;
            entry = {degrees, Exact(std::cos(radians)), Exact(std::sin(radians))};
        }
        return {entry.m_cos, entry.m_sin};
    }

private:
    struct SEntry {
        double m_degrees = 0;
        double m_cos = 1;
        double m_sin = 0;
    };
    std::array<SEntry, 3> m_entries {};
};

// Turns a solid's local point by its rotation (about x, then y, then z) and moves it to its centre.
class CPlacement {
public:
    CPlacement(const SSolid& solid, CTurnCache& turns) : m_center(solid.m_center)
    {
        for (int i = 0; i < 3; ++i)
            std::tie(m_cos[i], m_sin[i]) = turns.CosSin(i, solid.m_rotation[i]);
    }
    SPoint3 operator()(SPoint3 p) const
    {
        p = {p.x, p.y * m_cos[0] - p.z * m_sin[0], p.y * m_sin[0] + p.z * m_cos[0]};
        p = {p.x * m_cos[1] + p.z * m_sin[1], p.y, -p.x * m_sin[1] + p.z * m_cos[1]};
        p = {p.x * m_cos[2] - p.y * m_sin[2], p.x * m_sin[2] + p.y * m_cos[2], p.z};
        return p + m_center;
    }

private:
    SPoint3 m_center;
    double m_cos[3] {};
    double m_sin[3] {};
};

template <class Sink>
class CTessellator {
public:
    explicit CTessellator(Sink& sink) : m_sink(sink) { }

    void Triangle(const SPoint3& a, const SPoint3& b, const SPoint3& c, COLORREF color, uint8_t edges = SMesh::kAllEdges)
    {
        const SPoint3 normal = Cross(b - a, c - a);
        // Tested together: which of them is zero follows the faces' directions, no pattern.
        if ((normal.x == 0) & (normal.y == 0) & (normal.z == 0))
            return;
        if (m_inside && Dot(normal, a - *m_inside) < 0) {
            // a-c-b: its first edge is the old last one and the other way round.
            edges = static_cast<uint8_t>((edges & SMesh::kEdgeBC) | ((edges & SMesh::kEdgeAB) ? SMesh::kEdgeCA : 0) |
                ((edges & SMesh::kEdgeCA) ? SMesh::kEdgeAB : 0));
            m_sink.Triangle(a, c, b, Cross(c - a, b - a), color, edges);
            return;
        }
        m_sink.Triangle(a, b, c, normal, color, edges);
    }
    // The diagonal is no edge of the face; a smooth surface's quads have none.
    void Quad(const SPoint3& a, const SPoint3& b, const SPoint3& c, const SPoint3& d, COLORREF color, bool outlined = true)
    {
        Triangle(a, b, c, color, outlined ? SMesh::kEdgeAB | SMesh::kEdgeBC : 0);
        Triangle(a, c, d, color, outlined ? SMesh::kEdgeBC | SMesh::kEdgeCA : 0);
    }
    void Segment(const SPoint3& a, const SPoint3& b, COLORREF color) { m_sink.Segment(a, b, color); }

    void Group(const SVertexGroup& group, std::span<const SVertex> v)
    {
        switch (group.m_kind) {
        case EGroupKind::Hexahedron:
            for (size_t i = 0; i + 8 <= v.size(); i += 8)
                Hexahedron(&v[i]);
            break;
        case EGroupKind::Quads:
            for (size_t i = 0; i + 4 <= v.size(); i += 4)
                Quad(v[i].Position(), v[i + 1].Position(), v[i + 2].Position(), v[i + 3].Position(), v[i].m_color);
            break;
        case EGroupKind::Lines:
            for (size_t i = 0; i + 2 <= v.size(); i += 2)
                Segment(v[i].Position(), v[i + 1].Position(), v[i].m_color);
            break;
        case EGroupKind::Square:
            for (size_t i = 0; i + 2 <= v.size(); i += 2)
                Box(v[i], v[i + 1]);
            break;
        }
    }

    // Bottom face, then top face, each counter-clockwise from the corner nearest the origin.
    void Hexahedron(const SVertex* v)
    {
        SPoint3 p[8];
        SPoint3 centre;
        for (int i = 0; i < 8; ++i) {
            p[i] = v[i].Position();
            centre = centre + p[i] * (1.0 / 8);
        }
        const CClosedSolid closed(*this, centre);
        const auto face = [&](int a, int b, int c, int d) { Quad(p[a], p[b], p[c], p[d], v[a].m_color); };
        face(0, 1, 2, 3);
        face(4, 5, 6, 7);
        face(0, 1, 5, 4);
        face(1, 2, 6, 5);
        face(2, 3, 7, 6);
        face(3, 0, 4, 7);
    }

    // Two opposite corners; the box takes the first corner's colour.
    void Box(const SVertex& p, const SVertex& q)
    {
        const COLORREF color = p.m_color;
        const SVertex corners[8] = {{p.m_x, p.m_y, p.m_z, color}, {q.m_x, p.m_y, p.m_z, color}, {q.m_x, q.m_y, p.m_z, color},
            {p.m_x, q.m_y, p.m_z, color}, {p.m_x, p.m_y, q.m_z, color}, {q.m_x, p.m_y, q.m_z, color},
            {q.m_x, q.m_y, q.m_z, color}, {p.m_x, q.m_y, q.m_z, color}};
        Hexahedron(corners);
    }

    // The integers of the solid lines, as this program writes them:
    //   3DCylinder bottom radius, top radius, height, segments, ... (stands on its centre)
    //   3DEllipsoid x, y, z semi-axes, segments around, rings, ... (centred on its centre)
    //   3DDisk radius, 0, segments, ...; 3DEllipse x, y semi-axes, 0, segments, ... (flat, in x-y)
    // The trailing integers are read as written and not otherwise drawn.
    void Solid(const SSolid& solid)
    {
        const CPlacement place(solid, m_turns);
        const auto& n = solid.m_numbers;
        switch (solid.m_kind) {
        case ESolidKind::Cylinder:
            Cylinder(place, n[0], n[1], n[2], SegmentCount(n[3]), solid.m_color);
            break;
        case ESolidKind::Ellipsoid:
            Ellipsoid(place, n[0], n[1], n[2], SegmentCount(n[3]), std::clamp<int>(n[4] > 1 ? n[4] : 8, 2, 32), solid.m_color);
            break;
        case ESolidKind::Disk:
            FlatEllipse(place, n[0], n[0], SegmentCount(n[2]), solid.m_color);
            break;
        case ESolidKind::Ellipse:
            FlatEllipse(place, n[0], n[1], SegmentCount(n[3]), solid.m_color);
            break;
        }
    }

private:
    // While it lives, triangles face away from a point inside the convex solid being built.
    class CClosedSolid {
    public:
        CClosedSolid(CTessellator& builder, SPoint3 inside) : m_builder(builder) { m_builder.m_inside = inside; }
        ~CClosedSolid() { m_builder.m_inside.reset(); }
        CClosedSolid(const CClosedSolid&) = delete;
        CClosedSolid& operator=(const CClosedSolid&) = delete;

    private:
        CTessellator& m_builder;
    };

    void CircleOf(int count) { m_circle = CircleDirections(count); }
    // Appends the placed points of an ellipse at height z around the circle last made.
    void AddRing(const CPlacement& place, double rx, double ry, double z)
    {
        for (const auto& [x, y] : m_circle)
            m_points.push_back(place({rx * x, ry * y, z}));
    }

    void Cylinder(const CPlacement& place, double bottom, double top, double height, int segments, COLORREF color)
    {
        const SPoint3 bottomCentre = place({0, 0, 0});
        const SPoint3 topCentre = place({0, 0, height});
        const CClosedSolid closed(*this, place({0, 0, height / 2}));
        CircleOf(segments);
        m_points.clear();
        AddRing(place, bottom, bottom, 0);
        AddRing(place, top, top, height);
        const SPoint3* b = m_points.data();
        const SPoint3* t = b + segments + 1;
        // A round pole shows its rims; one of few sides shows its corners too.
        const uint8_t sides = segments <= kMostCorneredSegments ? SMesh::kEdgeBC | SMesh::kEdgeCA : 0;
        // The side all around, then each cap as a fan, so neighbours follow each other.
        for (int i = 0; i < segments; ++i) {
            Triangle(b[i], b[i + 1], t[i + 1], color, SMesh::kEdgeAB | (sides & SMesh::kEdgeBC));
            Triangle(b[i], t[i + 1], t[i], color, SMesh::kEdgeBC | (sides & SMesh::kEdgeCA));
        }
        for (int i = 0; i < segments; ++i)
            Triangle(bottomCentre, b[i + 1], b[i], color, SMesh::kEdgeBC);
        for (int i = 0; i < segments; ++i)
            Triangle(topCentre, t[i], t[i + 1], color, SMesh::kEdgeBC);
    }

    void Ellipsoid(const CPlacement& place, double rx, double ry, double rz, int segments, int rings, COLORREF color)
    {
        CircleOf(segments);
        m_points.clear();
        // The rings run from pole to pole, half a circle of twice their count.
        const std::span<const std::pair<double, double>> polar = CircleDirections(2 * rings);
        for (int ring = 0; ring <= rings; ++ring) {
            const auto [c, s] = polar[size_t(ring)];
            AddRing(place, rx * s, ry * s, -rz * c);
        }
        const auto point = [&](int ring, int i) { return m_points[size_t(ring) * (segments + 1) + i]; };
        const CClosedSolid closed(*this, place({0, 0, 0}));
        for (int ring = 0; ring < rings; ++ring)
            for (int i = 0; i < segments; ++i)
                Quad(point(ring, i), point(ring, i + 1), point(ring + 1, i + 1), point(ring + 1, i), color, false);
    }

    // Counter-clockwise seen from the side the solid's own z points to.
    void FlatEllipse(const CPlacement& place, double rx, double ry, int segments, COLORREF color)
    {
        const SPoint3 centre = place({0, 0, 0});
        CircleOf(segments);
        m_points.clear();
        AddRing(place, rx, ry, 0);
        for (int i = 0; i < segments; ++i)
            Triangle(centre, m_points[i], m_points[i + 1], color, SMesh::kEdgeBC);
    }

    Sink& m_sink;
    CTurnCache m_turns;
    std::optional<SPoint3> m_inside;
    std::span<const std::pair<double, double>> m_circle;
    std::vector<SPoint3> m_points;
};

} // namespace tessellator

// About as many triangles as the scene gives: quads give two for four points, a solid a few dozen.
inline size_t ExpectedTriangles(const SScene& scene)
{
    return scene.m_vertices.size() + scene.m_solids.size() * 4 * tessellator::kDefaultSegments;
}

// Sink takes Triangle(a, b, c, normal, color, edges), normal being Cross(b - a, c - a), never
// zero, and Segment(a, b, color).
template <class Sink>
void Tessellate(const SScene& scene, Sink& sink)
{
    tessellator::CTessellator<Sink> tessellator(sink);
    for (const SVertexGroup& group : scene.m_groups)
        tessellator.Group(group, scene.Vertices(group));
    for (const SSolid& solid : scene.m_solids)
        tessellator.Solid(solid);
}
