#pragma once

#include "export/Coord.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>

class CBuildingElement;

// A point of the parts file's three-dimensional groups.
struct SPoint {
    Coord x;
    Coord y;
    Coord z;
};

// The points of a group, as many as a group of the parts file ever has.
class CPointList {
public:
    static constexpr size_t kCapacity = 32;

    void Add(SPoint point) { m_points[m_size++] = point; }
    void AddQuad(SPoint a, SPoint b, SPoint c, SPoint d)
    {
        Add(a);
        Add(b);
        Add(c);
        Add(d);
    }
    void AddSegment(SPoint from, SPoint to)
    {
        Add(from);
        Add(to);
    }
    size_t Size() const { return m_size; }
    std::span<const SPoint> Points() const { return {m_points.data(), m_size}; }
    operator std::span<const SPoint>() const { return Points(); }

private:
    std::array<SPoint, kCapacity> m_points;
    size_t m_size = 0;
};

// A roof seen from its gable: s runs across the slopes from the element's lower left corner,
// l along the ridge. A roof along the width slopes in x, one along the depth in y.
class CRoofFrame {
public:
    enum EDirection { alongWidth, alongDepth };

    CRoofFrame(EDirection direction, const CBuildingElement& element);

    Coord Span() const { return m_span; }
    Coord Length() const { return m_length; }
    Coord Eaves() const { return m_eaves; }
    Coord Top() const { return m_top; }
    Coord X(Coord s, Coord l) const { return m_x + (m_alongWidth ? s : l); }
    Coord Y(Coord s, Coord l) const { return m_y + (m_alongWidth ? l : s); }
    SPoint At(Coord s, Coord l, Coord z) const { return {X(s, l), Y(s, l), z}; }

private:
    bool m_alongWidth;
    Coord m_x, m_y, m_span, m_length, m_eaves, m_top;
};

// The frame of the element's roof orientation; none for an orientation outside the four.
std::optional<CRoofFrame> RoofFrameOf(const CBuildingElement& element);

// What a roof adds on top of its block: the walls above the eaves in the block colour, the
// cover in the roof colour (quads, a triangle having its last point twice) and the black
// accentuation lines (start and end of each).
struct SRoofShape {
    CPointList walls;
    CPointList cover;
    CPointList lines;
};

// Four slopes rising from the eaves to a level top that stands `across` in from both long
// sides and `along` in from both ends; the top is a rectangle, a ridge or a point.
SRoofShape HipsToTop(const CRoofFrame& frame, Coord across, Coord along);
// The top's edges that have a length, each once.
void AddTopOutline(CPointList& lines, const CRoofFrame& frame, Coord across, Coord along);

// The roof shapes made whole from one element, each in a file of its own; an element whose
// orientation is none of the four gets an empty shape, that is no roof.
SRoofShape HippedRoof(const CBuildingElement& element);
SRoofShape HalfHippedRoof(const CBuildingElement& element);
SRoofShape FlatToppedHippedRoof(const CBuildingElement& element);
