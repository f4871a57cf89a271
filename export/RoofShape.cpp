#include "export/RoofShape.h"

#include "model/Building.h"
#include "model/ChoiceCodes.h"

CRoofFrame::CRoofFrame(EDirection direction, const CBuildingElement& element)
    : m_alongWidth(direction == alongWidth)
    , m_x(element.m_positionX)
    , m_y(element.m_positionY)
    , m_span(m_alongWidth ? element.m_blockWidth : element.m_blockDepth)
    , m_length(m_alongWidth ? element.m_blockDepth : element.m_blockWidth)
    , m_eaves(Coord(element.m_positionZ) + element.m_blockHeight)
    , m_top(m_eaves + element.m_roofHeight)
{
}

std::optional<CRoofFrame> RoofFrameOf(const CBuildingElement& element)
{
    switch (element.m_roofOrientation) {
    case kRoofOrientation0:
    case kRoofOrientation180:
        return CRoofFrame(CRoofFrame::alongWidth, element);
    case kRoofOrientation90:
    case kRoofOrientation270:
        return CRoofFrame(CRoofFrame::alongDepth, element);
    default:
        return std::nullopt;
    }
}

SRoofShape HipsToTop(const CRoofFrame& frame, Coord across, Coord along)
{
    const Coord S = frame.Span();
    const Coord L = frame.Length();
    const Coord E = frame.Eaves();
    const Coord T = frame.Top();
    const auto at = [&](Coord s, Coord l, Coord z) { return frame.At(s, l, z); };

    // Each slope from its eaves to its edge of the top, so a slope ending in a point is a
    // triangle with its last point twice.
    SRoofShape shape;
    shape.cover.AddQuad(at(0, 0, E), at(0, L, E), at(across, L - along, T), at(across, along, T));
    if (S - across * 2 > 0 && L - along * 2 > 0)
        shape.cover.AddQuad(at(across, along, T), at(S - across, along, T), at(S - across, L - along, T),
            at(across, L - along, T));
    shape.cover.AddQuad(at(S, L, E), at(S, 0, E), at(S - across, along, T), at(S - across, L - along, T));
    shape.cover.AddQuad(at(0, 0, E), at(S, 0, E), at(S - across, along, T), at(across, along, T));
    shape.cover.AddQuad(at(S, L, E), at(0, L, E), at(across, L - along, T), at(S - across, L - along, T));

    shape.lines.AddSegment(at(0, 0, E), at(across, along, T));
    shape.lines.AddSegment(at(0, L, E), at(across, L - along, T));
    shape.lines.AddSegment(at(S, 0, E), at(S - across, along, T));
    shape.lines.AddSegment(at(S, L, E), at(S - across, L - along, T));
    AddTopOutline(shape.lines, frame, across, along);
    return shape;
}

void AddTopOutline(CPointList& lines, const CRoofFrame& frame, Coord across, Coord along)
{
    const Coord S = frame.Span();
    const Coord L = frame.Length();
    const Coord T = frame.Top();
    const bool hasWidth = S - across * 2 > 0;
    const bool hasLength = L - along * 2 > 0;
    const SPoint a = frame.At(across, along, T);
    const SPoint b = frame.At(S - across, along, T);
    const SPoint c = frame.At(S - across, L - along, T);
    const SPoint d = frame.At(across, L - along, T);
    // A top without width or length is one line, drawn once; a top without either is a point.
    if (hasWidth)
        lines.AddSegment(a, b);
    if (hasLength)
        lines.AddSegment(b, c);
    if (hasWidth && hasLength) {
        lines.AddSegment(c, d);
        lines.AddSegment(d, a);
    }
}
