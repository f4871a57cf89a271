#include "export/PartsFileWriter.h"

#include "model/Building.h"
#include "model/ChoiceCodes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

bool IsLeanTo(const CBuildingElement& element)
{
    return element.m_roofType == kRoofLeanTo;
}

// The roofs whose shape is made by a function of the element alone.
std::optional<SRoofShape> ShapedRoof(const CBuildingElement& element)
{
    switch (element.m_roofType) {
    case kRoofHipped:
        return HippedRoof(element);
    case kRoofHalfHipped:
        return HalfHippedRoof(element);
    case kRoofFlatToppedHipped:
        return FlatToppedHippedRoof(element);
    default:
        return std::nullopt;
    }
}

// A wall of an element seen from outside: u runs along the wall from the element's lower
// left corner, d is the distance in front of the wall face, v the height above the base.
// Each wall turns u and d into x and y by a start and two factors of 1, 0 or -1, worked out
// once per wall instead of at every point.
class CWallFrame {
public:
    CWallFrame(int32_t wall, const CBuildingElement& element)
        : m_sideWall(wall == kWallLeft || wall == kWallRight)
        , m_z(element.m_positionZ)
    {
        const Coord x = element.m_positionX;
        const Coord y = element.m_positionY;
        switch (wall) {
        case kWallLeft:
            m_x = {x, 0, -1};
            m_y = {y, 1, 0};
            break;
        case kWallRight:
            m_x = {x + element.m_blockWidth, 0, 1};
            m_y = {y, 1, 0};
            break;
        case kWallFront:
            m_x = {x, 1, 0};
            m_y = {y, 0, -1};
            break;
        default:
            m_x = {x, 1, 0};
            m_y = {y + element.m_blockDepth, 0, 1};
            break;
        }
    }

    static bool IsWall(int32_t wall) { return wall >= kWallFront && wall <= kWallRight; }
    bool IsSideWall() const { return m_sideWall; }

    Coord X(Coord u, Coord d) const { return m_x.At(u, d); }
    Coord Y(Coord u, Coord d) const { return m_y.At(u, d); }
    Coord Z(Coord v) const { return m_z + v; }
    // Arches are drawn upright, facing out of the wall.
    int32_t ArchTurn() const { return IsSideWall() ? 90 : 0; }

private:
    struct SAxis {
        Coord start;
        Coord alongWall;
        Coord outOfWall;
        Coord At(Coord u, Coord d) const { return start + u * alongWall + d * outOfWall; }
    };
    bool m_sideWall;
    Coord m_z;
    SAxis m_x;
    SAxis m_y;
};

} // namespace

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
    WritePlan(X, Y, X + W, Y + D, kWhite);
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

    const std::array<SPoint, 8> block = {{
        {X, Y, Z}, {X + W, Y, Z}, {X + W, Y + D, Z}, {X, Y + D, Z},
        {X, Y, top}, {X + W, Y, top}, {X + W, Y + D, top}, {X, Y + D, top},
    }};
    WriteGroup<1>(kHexahedronGroup, block, color);

    // The top edges are left to the roof, which draws its own lines.
    const std::array<SPoint, 16> edges = {{
        {X, Y, Z}, {X, Y, top},
        {X, Y + D, Z}, {X, Y + D, top},
        {X + W, Y, Z}, {X + W, Y, top},
        {X + W, Y + D, Z}, {X + W, Y + D, top},
        {X, Y, Z}, {X + W, Y, Z},
        {X, Y + D, Z}, {X + W, Y + D, Z},
        {X, Y, Z}, {X, Y + D, Z},
        {X + W, Y, Z}, {X + W, Y + D, Z},
    }};
    WriteGroup<2>(kEdgesGroup, edges, kBlack);

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
    // The slopes are whole degrees: their tangents are worked out once.
    static const std::array<double, 90> kTangents = [] {
        std::array<double, 90> tangents {};
        for (int degrees = 1; degrees < 90; ++degrees)
            tangents[static_cast<size_t>(degrees)] = std::tan(degrees * 6.283185307 * 0.002777777777777778);
        return tangents;
    }();
    const double inset = std::trunc(roofHeight.Value() / kTangents[static_cast<size_t>(angle)]);
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
    if (const std::optional<SRoofShape> shape = ShapedRoof(element)) {
        WriteRoofShape(*shape, element);
        return;
    }
    const RoofInsets insets = ComputeRoofInsets(element);
    if (!insets.m_hasRoof)
        return;
    if (const std::optional<CRoofFrame> frame = RoofFrameOf(element))
        WriteRoofFaces(*frame, insets.m_p, insets.m_q, element);
}

void CPartsFileWriter::WriteRoofShape(const SRoofShape& shape, const CBuildingElement& element)
{
    if (shape.cover.Size() == 0)
        return;
    // Only a roof with gables has walls above the eaves; the others write no empty group.
    if (shape.walls.Size() > 0)
        WriteGroup<1>(kQuadsGroup, shape.walls, element.m_blockColor);
    WriteFixed(SectionComment("Roof cover"));
    WriteGroup<1>(kQuadsGroup, shape.cover, element.m_roofColor);
    WriteFixed(SectionComment("Roof accentuation lines"));
    WriteGroup<2>(kEdgesGroup, shape.lines, kBlack);
}

void CPartsFileWriter::WriteRoofFaces(const CRoofFrame& frame, Coord p, Coord q, const CBuildingElement& element)
{
    const Coord S = frame.Span();
    const Coord L = frame.Length();
    const Coord E = frame.Eaves();
    const Coord T = frame.Top();
    const bool hasFlatTop = S - p * 2 > 0;
    const auto at = [&](Coord s, Coord l, Coord z) { return frame.At(s, l, z); };

    CPointList gables;
    for (const Coord l : {Coord(0), L}) {
        gables.Add(at(0, l, E));
        gables.Add(at(S, l, E));
        gables.Add(at(S - p, l, T));
        gables.Add(at(q, l, T));
    }
    if (IsLeanTo(element)) {
        gables.Add(at(q, 0, E));
        gables.Add(at(q, L, E));
        gables.Add(at(q, L, T));
        gables.Add(at(q, 0, T));
    }
    WriteGroup<1>(kQuadsGroup, gables, element.m_blockColor);

    WriteFixed(SectionComment("Roof cover"));
    CPointList cover;
    if (q > 0) {
        cover.Add(at(0, 0, E));
        cover.Add(at(q, 0, T));
        cover.Add(at(q, L, T));
        cover.Add(at(0, L, E));
    }
    if (hasFlatTop) {
        cover.Add(at(q, 0, T));
        cover.Add(at(S - p, 0, T));
        cover.Add(at(S - p, L, T));
        cover.Add(at(q, L, T));
    }
    if (p > 0) {
        cover.Add(at(S - p, 0, T));
        cover.Add(at(S, 0, E));
        cover.Add(at(S, L, E));
        cover.Add(at(S - p, L, T));
    }
    WriteGroup<1>(kQuadsGroup, cover, element.m_roofColor);

    WriteFixed(SectionComment("Roof accentuation lines"));
    CPointList lines;
    const auto segment = [&](SPoint from, SPoint to) {
        lines.Add(from);
        lines.Add(to);
    };
    segment(at(0, 0, E), at(q, 0, T));
    segment(at(0, L, E), at(q, L, T));
    if (hasFlatTop) {
        segment(at(q, 0, T), at(S - p, 0, T));
        segment(at(S - p, L, T), at(q, L, T));
    }
    segment(at(S - p, 0, T), at(S, 0, E));
    segment(at(S - p, L, T), at(S, L, E));
    WriteGroup<2>(kEdgesGroup, lines, kBlack);
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

    const COLORREF main = decoration.m_mainColor;
    const auto corner = [&](Coord u, Coord d, Coord v) { return SPoint {frame.X(u, d), frame.Y(u, d), frame.Z(v)}; };
    const auto arch = [&](Coord halfWidth, Coord d, Coord v, COLORREF color) {
        WriteEllipse(halfWidth, archHeight, 12, 1, 1);
        WriteCenter(frame.X(px + w / 2, d), frame.Y(px + w / 2, d), frame.Z(v), color);
        WriteRotation(90, 0, frame.ArchTurn());
        WriteEnd3D();
    };

    Out().PutSingleLineText("\r\n; ", decoration.m_name, "\r\n");

    WriteQuad({corner(px, 1, pz), corner(px + w, 1, pz), corner(px + w, 1, pz + hRect), corner(px, 1, pz + hRect)}, main);
    if (arched)
        arch(w / 2, 1, pz + hRect, main);

    if (subtype == 0 || subtype == kDecorationDoor)
        return;

    const COLORREF inner = decoration.m_innerColor;
    WriteQuad({corner(px + f, 2, pz + b), corner(px + w - f, 2, pz + b), corner(px + w - f, 2, pz + hRect - f),
                  corner(px + f, 2, pz + hRect - f)},
        inner);
    if (arched)
        arch(w / 2 - f, 2, pz + hRect - f, inner);

    const int32_t panes = decoration.m_windowCount;
    if (panes <= 1)
        return;
    CPointList bars;
    const auto bar = [&](SPoint from, SPoint to) {
        bars.Add(from);
        bars.Add(to);
    };
    const Coord uc = px + f + (w - f * 2) / 2;
    // On a side wall the bar lies in the pane's plane.
    const Coord dv = frame.IsSideWall() ? 2 : 3;
    bar(corner(uc, dv, pz + h - f), corner(uc, dv, pz + b));
    const Coord S = h - b;
    const auto horizontalBar = [&](Coord v) { bar(corner(px + f, 2, v), corner(px + w - f, 2, v)); };
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
    // Each bar from its coloured end to its other end.
    WriteGroup<2>(kBarsGroup, bars, main);
}
