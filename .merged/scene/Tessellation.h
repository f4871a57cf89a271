#pragma once

#include "scene/Scene.h"

#include <cmath>
#include <cstdint>
#include <vector>

inline SPoint3 operator+(SPoint3 a, SPoint3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline SPoint3 operator-(SPoint3 a, SPoint3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline SPoint3 operator*(SPoint3 a, double f) { return {a.x * f, a.y * f, a.z * f}; }
inline double Dot(SPoint3 a, SPoint3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline SPoint3 Cross(SPoint3 a, SPoint3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline SPoint3 Normalized(SPoint3 a)
{
    const double length = std::sqrt(Dot(a, a));
    return length > 0 ? a * (1 / length) : SPoint3 {0, 0, 0};
}

// The part as triangles and lines in its own coordinates: what the preview draws and what the
// 3D model files hold. Closed solids (hexahedra, squares, cylinders, ellipsoids) turn their
// triangles counter-clockwise seen from outside; quads keep the order their points are
// written in. A triangle without area shows nothing anywhere and is left out.
struct SMesh {
    // A triangle's edges that are edges of the face it belongs to (not the diagonal of a quad)
    // are drawn as outlines. A mesh made of several pieces (the elements of a building) numbers
    // them, so that one can be highlighted.
    enum EEdge : uint8_t { kEdgeAB = 1, kEdgeBC = 2, kEdgeCA = 4, kAllEdges = 7 };
    struct STriangle {
        SPoint3 a, b, c;
        COLORREF color;
        uint8_t edges = kAllEdges;
        int32_t piece = 0;
    };
    struct SSegment {
        SPoint3 a, b;
        COLORREF color;
        int32_t piece = 0;
    };
    std::vector<STriangle> m_triangles;
    std::vector<SSegment> m_segments;

    bool IsEmpty() const { return m_triangles.empty() && m_segments.empty(); }
};

SMesh BuildMesh(const SScene& scene);
// The same into a mesh whose lists keep their room, for building one part after another.
void BuildMesh(const SScene& scene, SMesh& mesh);
