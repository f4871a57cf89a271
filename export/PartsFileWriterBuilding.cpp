#include "export/PartsFileWriter.h"

#include "model/Building.h"
#include "model/ChoiceCodes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

bool IsLeanTo(const CBuildingElement& element)
{
    return element.m_roofType == kRoofLeanTo;
}

// A wall of an element seen from outside: u runs along the wall from the element's lower
// left corner, d is the distance in front of the wall face, v the height above the base.
class CWallFrame {
public:
    CWallFrame(int32_t wall, const CBuildingElement& element)
        : m_wall(wall)
        , m_x(element.m_positionX)
        , m_y(element.m_positionY)
        , m_z(element.m_positionZ)
        , m_width(element.m_blockWidth)
        , m_depth(element.m_blockDepth)
    {
    }

    static bool IsWall(int32_t wall) { return wall >= kWallFront && wall <= kWallRight; }
    bool IsSideWall() const { return m_wall == kWallLeft || m_wall == kWallRight; }

    Coord X(Coord u, Coord d) const
    {
        switch (m_wall) {
        case kWallLeft:
            return m_x - d;
        case kWallRight:
            return m_x + m_width + d;
        default:
            return m_x + u;
        }
    }
    Coord Y(Coord u, Coord d) const
    {
        switch (m_wall) {
        case kWallFront:
            return m_y - d;
        case kWallRear:
            return m_y + m_depth + d;
        default:
            return m_y + u;
        }
    }
    Coord Z(Coord v) const { return m_z + v; }
    // Arches are drawn upright, facing out of the wall.
    int32_t ArchTurn() const { return IsSideWall() ? 90 : 0; }

private:
    int32_t m_wall;
    Coord m_x, m_y, m_z, m_width, m_depth;
};

} // namespace

// A roof seen from its gable: s runs across the slopes from the element's lower left corner,
// l along the ridge. A roof along the width slopes in x, one along the depth in y.
class CPartsFileWriter::CRoofFrame {
public:
    enum EDirection { alongWidth, alongDepth };

    CRoofFrame(EDirection direction, const CBuildingElement& element)
        : m_alongWidth(direction == alongWidth)
        , m_x(element.m_positionX)
        , m_y(element.m_positionY)
        , m_span(m_alongWidth ? element.m_blockWidth : element.m_blockDepth)
        , m_length(m_alongWidth ? element.m_blockDepth : element.m_blockWidth)
    {
    }

    Coord Span() const { return m_span; }
    Coord Length() const { return m_length; }
    Coord X(Coord s, Coord l) const { return m_x + (m_alongWidth ? s : l); }
    Coord Y(Coord s, Coord l) const { return m_y + (m_alongWidth ? l : s); }

private:
    bool m_alongWidth;
    Coord m_x, m_y, m_span, m_length;
};

void CPartsFileWriter::WriteBuildingHead(const CBuilding& building)
{
    WriteUnitsLine(building.m_units);
    if (building.m_units != kUnitsMillimetres)
        WriteNewLine();
    WriteComment(building.m_name);
    WriteStructureLine(building.m_catalogNo, building.m_name);
    WritePriceLine(building.m_price);
    WritePartsPerPackageLine(building.m_partsPerPackage);
}

void CPartsFileWriter::WriteBuildingTail(const CBuilding& building)
{
    WriteFreeText(building.m_freeText);
    WriteEndStructure();
    WriteNewLine();
}

void CPartsFileWriter::WriteBuilding(const CBuilding& building)
{
    WriteBuildingHead(building);
    for (const auto& object : building.GetList())
        if (const auto* element = DynamicDowncast<CBuildingElement>(object.get()))
            WriteElementPlan(*element);
    for (const auto& object : building.GetList()) {
        if (const auto* element = DynamicDowncast<CBuildingElement>(object.get())) {
            WriteElementBlock(*element);
            if (element->m_decorations)
                WriteDecorations(*element->m_decorations, *element);
        }
    }
    WriteBuildingTail(building);
}

void CPartsFileWriter::WriteElementPlan(const CBuildingElement& element)
{
    const Coord X = element.m_positionX;
    const Coord Y = element.m_positionY;
    const Coord W = element.m_blockWidth;
    const Coord D = element.m_blockDepth;
    WriteRectangle(X, Y, X + W, Y + D, kWhite);
    WriteNewLine();
    WriteLine(X, Y, X + W, Y + D);
    WriteNewLine();
    WriteLine(X + W, Y, X, Y + D);
    WriteBlankLine();
}

void CPartsFileWriter::WriteElementBlock(const CBuildingElement& element)
{
    const Coord X = element.m_positionX;
    const Coord Y = element.m_positionY;
    const Coord Z = element.m_positionZ;
    const Coord W = element.m_blockWidth;
    const Coord D = element.m_blockDepth;
    const Coord top = Z + element.m_blockHeight;
    const COLORREF color = element.m_blockColor;

    WriteComment(element.m_name);
    WriteFixed(SectionComment("Block part"));

    WriteGroupHeader(kHexahedronGroup);
    for (const Coord z : {Z, top}) {
        WriteColoredPoint(X, Y, z, color);
        WriteColoredPoint(X + W, Y, z, color);
        WriteColoredPoint(X + W, Y + D, z, color);
        WriteColoredPoint(X, Y + D, z, color);
    }
    WriteEnd3D();

    // The top edges are left to the roof, which draws its own lines.
    WriteGroupHeader(kEdgesGroup);
    WriteSegment(X, Y, Z, X, Y, top, kBlack);
    WriteSegment(X, Y + D, Z, X, Y + D, top, kBlack);
    WriteSegment(X + W, Y, Z, X + W, Y, top, kBlack);
    WriteSegment(X + W, Y + D, Z, X + W, Y + D, top, kBlack);
    WriteSegment(X, Y, Z, X + W, Y, Z, kBlack);
    WriteSegment(X, Y + D, Z, X + W, Y + D, Z, kBlack);
    WriteSegment(X, Y, Z, X, Y + D, Z, kBlack);
    WriteSegment(X + W, Y, Z, X + W, Y + D, Z, kBlack);
    WriteEnd3D();

    WriteRoof(element);
    WriteFreeText(element.m_freeText);
}

Coord CPartsFileWriter::FlatToppedInset(Coord roofHeight, int32_t angle, Coord span)
{
    const Coord half = span / 2;
    if (angle > 89)
        return 0;
    // An ever shallower slope moves the top inwards until the sides meet in the middle.
    if (angle <= 0)
        return half;
    const double radians = angle * 6.283185307 * 0.002777777777777778;
    const double inset = std::trunc(roofHeight.Value() / std::tan(radians));
    // A slope too shallow for 32 bits still ends in the middle.
    const double limited = std::clamp(inset, double(std::numeric_limits<int32_t>::min()),
        double(std::numeric_limits<int32_t>::max()));
    return std::min(Coord(static_cast<int32_t>(limited)), half);
}

CPartsFileWriter::RoofInsets CPartsFileWriter::ComputeRoofInsets(const CBuildingElement& element)
{
    const int32_t orientation = element.m_roofOrientation;
    const Coord W = element.m_blockWidth;
    const Coord D = element.m_blockDepth;
    Coord span = 0;
    if (orientation == kRoofOrientation0 || orientation == kRoofOrientation180)
        span = W;
    else if (orientation == kRoofOrientation90 || orientation == kRoofOrientation270)
        span = D;

    RoofInsets insets;
    insets.m_hasRoof = true;
    switch (element.m_roofType) {
    case kRoofGable:
        insets.m_p = insets.m_q = span / 2;
        break;
    case kRoofFlatTopped:
        insets.m_p = insets.m_q = FlatToppedInset(element.m_roofHeight, element.m_roofAngle, span);
        break;
    case kRoofLeanTo:
        switch (orientation) {
        case kRoofOrientation0:
            insets.m_p = W;
            break;
        case kRoofOrientation90:
            insets.m_p = D;
            break;
        case kRoofOrientation180:
            insets.m_q = W;
            break;
        case kRoofOrientation270:
            insets.m_q = D;
            break;
        default:
            break;
        }
        break;
    default:
        insets.m_hasRoof = false;
        break;
    }
    return insets;
}

void CPartsFileWriter::WriteRoof(const CBuildingElement& element)
{
    WriteFixed(SectionComment("Roof part"));
    const RoofInsets insets = ComputeRoofInsets(element);
    if (!insets.m_hasRoof)
        return;
    switch (element.m_roofOrientation) {
    case kRoofOrientation0:
    case kRoofOrientation180:
        WriteRoofFaces(CRoofFrame(CRoofFrame::alongWidth, element), insets.m_p, insets.m_q, element);
        break;
    case kRoofOrientation90:
    case kRoofOrientation270:
        WriteRoofFaces(CRoofFrame(CRoofFrame::alongDepth, element), insets.m_p, insets.m_q, element);
        break;
    default:
        break;
    }
}

void CPartsFileWriter::WriteRoofFaces(const CRoofFrame& frame, Coord p, Coord q, const CBuildingElement& element)
{
    const Coord S = frame.Span();
    const Coord L = frame.Length();
    const Coord E = Coord(element.m_positionZ) + element.m_blockHeight;
    const Coord T = E + element.m_roofHeight;
    const bool hasFlatTop = S - p * 2 > 0;
    const auto point = [&](Coord s, Coord l, Coord z, COLORREF color) {
        WriteColoredPoint(frame.X(s, l), frame.Y(s, l), z, color);
    };
    const auto segment = [&](Coord s1, Coord l1, Coord z1, Coord s2, Coord l2, Coord z2) {
        WriteSegment(frame.X(s1, l1), frame.Y(s1, l1), z1, frame.X(s2, l2), frame.Y(s2, l2), z2, kBlack);
    };

    const COLORREF wall = element.m_blockColor;
    WriteGroupHeader(kQuadsGroup);
    for (const Coord l : {Coord(0), L}) {
        point(0, l, E, wall);
        point(S, l, E, wall);
        point(S - p, l, T, wall);
        point(q, l, T, wall);
    }
    if (IsLeanTo(element)) {
        point(q, 0, E, wall);
        point(q, L, E, wall);
        point(q, L, T, wall);
        point(q, 0, T, wall);
    }
    WriteEnd3D();

    const COLORREF roof = element.m_roofColor;
    WriteFixed(SectionComment("Roof cover"));
    WriteGroupHeader(kQuadsGroup);
    if (q > 0) {
        point(0, 0, E, roof);
        point(q, 0, T, roof);
        point(q, L, T, roof);
        point(0, L, E, roof);
    }
    if (hasFlatTop) {
        point(q, 0, T, roof);
        point(S - p, 0, T, roof);
        point(S - p, L, T, roof);
        point(q, L, T, roof);
    }
    if (p > 0) {
        point(S - p, 0, T, roof);
        point(S, 0, E, roof);
        point(S, L, E, roof);
        point(S - p, L, T, roof);
    }
    WriteEnd3D();

    WriteFixed(SectionComment("Roof accentuation lines"));
    WriteGroupHeader(kEdgesGroup);
    segment(0, 0, E, q, 0, T);
    segment(0, L, E, q, L, T);
    if (hasFlatTop) {
        segment(q, 0, T, S - p, 0, T);
        segment(S - p, L, T, q, L, T);
    }
    segment(S - p, 0, T, S, 0, E);
    segment(S - p, L, T, S, L, E);
    WriteEnd3D();
}

void CPartsFileWriter::WriteDecorations(const CDecorationManager& decorations, const CBuildingElement& element)
{
    for (const auto& object : decorations.GetList())
        if (const auto* decoration = DynamicDowncast<CDecoration>(object.get()))
            WriteDecoration(*decoration, element);
}

void CPartsFileWriter::WriteDecoration(const CDecoration& decoration, const CBuildingElement& element)
{
    if (!CWallFrame::IsWall(decoration.m_wall))
        return;
    const CWallFrame frame(decoration.m_wall, element);
    const Coord px = decoration.m_positionX;
    const Coord pz = decoration.m_positionZ;
    const Coord w = decoration.m_width;
    const Coord h = decoration.m_height;
    const int32_t subtype = decoration.m_subtype;
    const bool arched = decoration.m_mainType == kDecorationBaseB;

    // Frame width f around the pane and height b of the solid part below it.
    Coord f = 0;
    Coord b = 0;
    if (subtype == kDecorationWindow || subtype == kDecorationDoorWithWindow) {
        f = std::max(w / 20, Coord(1));
        b = subtype == kDecorationWindow ? f : std::max(h / 3, Coord(1));
    }
    const Coord archHeight = arched ? h / 8 : Coord(0);
    const Coord hRect = h - archHeight;

    const auto coloredPoint = [&](Coord u, Coord d, Coord v, COLORREF color) {
        WriteColoredPoint(frame.X(u, d), frame.Y(u, d), frame.Z(v), color);
    };
    const auto point = [&](Coord u, Coord d, Coord v) { WritePoint(frame.X(u, d), frame.Y(u, d), frame.Z(v)); };
    const auto arch = [&](Coord halfWidth, Coord d, Coord v, COLORREF color) {
        WriteEllipse(halfWidth, archHeight, 12, 1, 1);
        WriteCenter(frame.X(px + w / 2, d), frame.Y(px + w / 2, d), frame.Z(v), color);
        WriteRotation(90, 0, frame.ArchTurn());
        WriteEnd3D();
    };

    WriteNewLine();
    Out().Put("; ");
    Out().PutSingleLineText(decoration.m_name);
    WriteNewLine();

    const COLORREF main = decoration.m_mainColor;
    WriteGroupHeader(kQuadsGroup);
    coloredPoint(px, 1, pz, main);
    point(px + w, 1, pz);
    point(px + w, 1, pz + hRect);
    point(px, 1, pz + hRect);
    WriteEnd3D();
    if (arched)
        arch(w / 2, 1, pz + hRect, main);

    if (subtype == 0 || subtype == kDecorationDoor)
        return;

    const COLORREF inner = decoration.m_innerColor;
    WriteGroupHeader(kQuadsGroup);
    coloredPoint(px + f, 2, pz + b, inner);
    point(px + w - f, 2, pz + b);
    point(px + w - f, 2, pz + hRect - f);
    point(px + f, 2, pz + hRect - f);
    WriteEnd3D();
    if (arched)
        arch(w / 2 - f, 2, pz + hRect - f, inner);

    const int32_t panes = decoration.m_windowCount;
    if (panes <= 1)
        return;
    WriteGroupHeader(kBarsGroup);
    const Coord uc = px + f + (w - f * 2) / 2;
    // On a side wall the bar lies in the pane's plane.
    const Coord dv = frame.IsSideWall() ? 2 : 3;
    coloredPoint(uc, dv, pz + h - f, main);
    point(uc, dv, pz + b);
    const Coord S = h - b;
    const auto horizontalBar = [&](Coord v) {
        coloredPoint(px + f, 2, v, main);
        point(px + w - f, 2, v);
    };
    const Coord bottom = pz + b;
    if (panes == 4) {
        horizontalBar(bottom + S / 2);
    } else if (panes == 6) {
        horizontalBar(bottom + S * 2 / 3);
        horizontalBar(bottom + S / 3);
    } else if (panes == 8) {
        horizontalBar(bottom + S * 3 / 4);
        horizontalBar(bottom + S / 2);
        horizontalBar(bottom + S / 4);
    }
    WriteEnd3D();
}
