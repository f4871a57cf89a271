// Hipped, half-hipped and flat-topped hipped roofs: their exported lines, worked out by hand on
// a block 5 high with a roof 4 high (eaves at 5, top at 9, half-hip gables up to 7), and what
// holds for any size.
#include "export/ExportTestHelpers.h"
#include "export/RoofShape.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace {

// A group as the parts file writes it, from its points separated by commas; the first point of
// every `colourEvery` carries the colour.
std::string Group(const std::string& opening, const std::string& colour, int colourEvery, const std::string& points)
{
    std::string text = opening + "\n";
    std::istringstream list(points);
    std::string point;
    for (int i = 0; std::getline(list, point, ','); ++i) {
        point.erase(0, point.find_first_not_of(' '));
        text += point + (i % colourEvery == 0 ? " " + colour : "") + "\n";
    }
    return text + "End3D\n\n";
}

std::string ExpectedRoof(const std::string& walls, const std::string& cover, const std::string& lines)
{
    return ";Roof part\n\n" + (walls.empty() ? "" : Group("3DQuads 1 1", "$c0c0c0", 1, walls)) +
        ";Roof cover\n\n" + Group("3DQuads 1 1", "$0000ff", 1, cover) + ";Roof accentuation lines\n\n" +
        Group("3DLines 2 2", "$000000", 2, lines) + "EndStructure\n";
}

CBuildingElement& SetRoofedBlock(CBuildingElement& element, int32_t type, int32_t orientation, int32_t width,
    int32_t depth)
{
    element.m_blockWidth = width;
    element.m_blockDepth = depth;
    element.m_blockHeight = 5;
    element.m_roofHeight = 4;
    element.m_roofAngle = 60; // an inset of 2 on a roof 4 high
    element.m_roofType = type;
    element.m_roofOrientation = orientation;
    return element;
}

std::string RoofOf(int32_t type, int32_t orientation, int32_t width, int32_t depth)
{
    auto building = MakeBuilding("House");
    SetRoofedBlock(AddElement(*building, "House"), type, orientation, width, depth);
    return LinesBetween(ExportPartLines(*CatalogueWith(std::move(building))), ";Roof part", "EndStructure");
}

struct SCase {
    const char* name;
    int32_t type;
    int32_t orientation;
    int32_t width;
    int32_t depth;
    const char* walls;
    const char* cover;
    const char* lines;
};

const SCase kCases[] = {
    {"hipped wider than deep at 0: a pyramid", kRoofHipped, kRoofOrientation0, 12, 8, "",
        "0 0 5, 0 8 5, 6 4 9, 6 4 9, 12 8 5, 12 0 5, 6 4 9, 6 4 9, "
        "0 0 5, 12 0 5, 6 4 9, 6 4 9, 12 8 5, 0 8 5, 6 4 9, 6 4 9",
        "0 0 5, 6 4 9, 0 8 5, 6 4 9, 12 0 5, 6 4 9, 12 8 5, 6 4 9"},
    {"hipped wider than deep at 90: a ridge along x", kRoofHipped, kRoofOrientation90, 12, 8, "",
        "0 0 5, 12 0 5, 8 4 9, 4 4 9, 12 8 5, 0 8 5, 4 4 9, 8 4 9, "
        "0 0 5, 0 8 5, 4 4 9, 4 4 9, 12 8 5, 12 0 5, 8 4 9, 8 4 9",
        "0 0 5, 4 4 9, 12 0 5, 8 4 9, 0 8 5, 4 4 9, 12 8 5, 8 4 9, 4 4 9, 8 4 9"},
    {"hipped deeper than wide at 0: a ridge along y", kRoofHipped, kRoofOrientation0, 8, 12, "",
        "0 0 5, 0 12 5, 4 8 9, 4 4 9, 8 12 5, 8 0 5, 4 4 9, 4 8 9, "
        "0 0 5, 8 0 5, 4 4 9, 4 4 9, 8 12 5, 0 12 5, 4 8 9, 4 8 9",
        "0 0 5, 4 4 9, 0 12 5, 4 8 9, 8 0 5, 4 4 9, 8 12 5, 4 8 9, 4 4 9, 4 8 9"},
    {"hipped deeper than wide at 90: a pyramid", kRoofHipped, kRoofOrientation90, 8, 12, "",
        "0 0 5, 8 0 5, 4 6 9, 4 6 9, 8 12 5, 0 12 5, 4 6 9, 4 6 9, "
        "0 0 5, 0 12 5, 4 6 9, 4 6 9, 8 12 5, 8 0 5, 4 6 9, 4 6 9",
        "0 0 5, 4 6 9, 8 0 5, 4 6 9, 0 12 5, 4 6 9, 8 12 5, 4 6 9"},
    {"hipped square at 0", kRoofHipped, kRoofOrientation0, 8, 8, "",
        "0 0 5, 0 8 5, 4 4 9, 4 4 9, 8 8 5, 8 0 5, 4 4 9, 4 4 9, "
        "0 0 5, 8 0 5, 4 4 9, 4 4 9, 8 8 5, 0 8 5, 4 4 9, 4 4 9",
        "0 0 5, 4 4 9, 0 8 5, 4 4 9, 8 0 5, 4 4 9, 8 8 5, 4 4 9"},
    {"hipped square at 90", kRoofHipped, kRoofOrientation90, 8, 8, "",
        "0 0 5, 8 0 5, 4 4 9, 4 4 9, 8 8 5, 0 8 5, 4 4 9, 4 4 9, "
        "0 0 5, 0 8 5, 4 4 9, 4 4 9, 8 8 5, 8 0 5, 4 4 9, 4 4 9",
        "0 0 5, 4 4 9, 8 0 5, 4 4 9, 0 8 5, 4 4 9, 8 8 5, 4 4 9"},
    // An odd span leaves a strip one unit wide between the long slopes, as on the ridge roof.
    {"hipped of odd span with a flat strip", kRoofHipped, kRoofOrientation0, 9, 12, "",
        "0 0 5, 0 12 5, 4 8 9, 4 4 9, 4 4 9, 5 4 9, 5 8 9, 4 8 9, 9 12 5, 9 0 5, 5 4 9, 5 8 9, "
        "0 0 5, 9 0 5, 5 4 9, 4 4 9, 9 12 5, 0 12 5, 4 8 9, 5 8 9",
        "0 0 5, 4 4 9, 0 12 5, 4 8 9, 9 0 5, 5 4 9, 9 12 5, 5 8 9, "
        "4 4 9, 5 4 9, 5 4 9, 5 8 9, 5 8 9, 4 8 9, 4 8 9, 4 4 9"},
    {"hipped of odd span ending in a short ridge", kRoofHipped, kRoofOrientation0, 9, 6, "",
        "0 0 5, 0 6 5, 4 3 9, 4 3 9, 9 6 5, 9 0 5, 5 3 9, 5 3 9, "
        "0 0 5, 9 0 5, 5 3 9, 4 3 9, 9 6 5, 0 6 5, 4 3 9, 5 3 9",
        "0 0 5, 4 3 9, 0 6 5, 4 3 9, 9 0 5, 5 3 9, 9 6 5, 5 3 9, 4 3 9, 5 3 9"},

    {"half-hipped wider than deep at 0", kRoofHalfHipped, kRoofOrientation0, 12, 8,
        "0 0 5, 12 0 5, 9 0 7, 3 0 7, 0 8 5, 12 8 5, 9 8 7, 3 8 7",
        "0 0 5, 0 8 5, 3 8 7, 3 0 7, 3 0 7, 3 8 7, 6 5 9, 6 3 9, "
        "12 8 5, 12 0 5, 9 0 7, 9 8 7, 9 8 7, 9 0 7, 6 3 9, 6 5 9, "
        "3 0 7, 9 0 7, 6 3 9, 6 3 9, 9 8 7, 3 8 7, 6 5 9, 6 5 9",
        "0 0 5, 3 0 7, 12 0 5, 9 0 7, 0 8 5, 3 8 7, 12 8 5, 9 8 7, "
        "3 0 7, 6 3 9, 3 8 7, 6 5 9, 9 0 7, 6 3 9, 9 8 7, 6 5 9, 6 3 9, 6 5 9"},
    {"half-hipped wider than deep at 90", kRoofHalfHipped, kRoofOrientation90, 12, 8,
        "0 0 5, 0 8 5, 0 6 7, 0 2 7, 12 0 5, 12 8 5, 12 6 7, 12 2 7",
        "0 0 5, 12 0 5, 12 2 7, 0 2 7, 0 2 7, 12 2 7, 10 4 9, 2 4 9, "
        "12 8 5, 0 8 5, 0 6 7, 12 6 7, 12 6 7, 0 6 7, 2 4 9, 10 4 9, "
        "0 2 7, 0 6 7, 2 4 9, 2 4 9, 12 6 7, 12 2 7, 10 4 9, 10 4 9",
        "0 0 5, 0 2 7, 0 8 5, 0 6 7, 12 0 5, 12 2 7, 12 8 5, 12 6 7, "
        "0 2 7, 2 4 9, 12 2 7, 10 4 9, 0 6 7, 2 4 9, 12 6 7, 10 4 9, 2 4 9, 10 4 9"},
    {"half-hipped deeper than wide at 0", kRoofHalfHipped, kRoofOrientation0, 8, 12,
        "0 0 5, 8 0 5, 6 0 7, 2 0 7, 0 12 5, 8 12 5, 6 12 7, 2 12 7",
        "0 0 5, 0 12 5, 2 12 7, 2 0 7, 2 0 7, 2 12 7, 4 10 9, 4 2 9, "
        "8 12 5, 8 0 5, 6 0 7, 6 12 7, 6 12 7, 6 0 7, 4 2 9, 4 10 9, "
        "2 0 7, 6 0 7, 4 2 9, 4 2 9, 6 12 7, 2 12 7, 4 10 9, 4 10 9",
        "0 0 5, 2 0 7, 8 0 5, 6 0 7, 0 12 5, 2 12 7, 8 12 5, 6 12 7, "
        "2 0 7, 4 2 9, 2 12 7, 4 10 9, 6 0 7, 4 2 9, 6 12 7, 4 10 9, 4 2 9, 4 10 9"},
    {"half-hipped deeper than wide at 90", kRoofHalfHipped, kRoofOrientation90, 8, 12,
        "0 0 5, 0 12 5, 0 9 7, 0 3 7, 8 0 5, 8 12 5, 8 9 7, 8 3 7",
        "0 0 5, 8 0 5, 8 3 7, 0 3 7, 0 3 7, 8 3 7, 5 6 9, 3 6 9, "
        "8 12 5, 0 12 5, 0 9 7, 8 9 7, 8 9 7, 0 9 7, 3 6 9, 5 6 9, "
        "0 3 7, 0 9 7, 3 6 9, 3 6 9, 8 9 7, 8 3 7, 5 6 9, 5 6 9",
        "0 0 5, 0 3 7, 0 12 5, 0 9 7, 8 0 5, 8 3 7, 8 12 5, 8 9 7, "
        "0 3 7, 3 6 9, 8 3 7, 5 6 9, 0 9 7, 3 6 9, 8 9 7, 5 6 9, 3 6 9, 5 6 9"},
    {"half-hipped square at 0", kRoofHalfHipped, kRoofOrientation0, 8, 8,
        "0 0 5, 8 0 5, 6 0 7, 2 0 7, 0 8 5, 8 8 5, 6 8 7, 2 8 7",
        "0 0 5, 0 8 5, 2 8 7, 2 0 7, 2 0 7, 2 8 7, 4 6 9, 4 2 9, "
        "8 8 5, 8 0 5, 6 0 7, 6 8 7, 6 8 7, 6 0 7, 4 2 9, 4 6 9, "
        "2 0 7, 6 0 7, 4 2 9, 4 2 9, 6 8 7, 2 8 7, 4 6 9, 4 6 9",
        "0 0 5, 2 0 7, 8 0 5, 6 0 7, 0 8 5, 2 8 7, 8 8 5, 6 8 7, "
        "2 0 7, 4 2 9, 2 8 7, 4 6 9, 6 0 7, 4 2 9, 6 8 7, 4 6 9, 4 2 9, 4 6 9"},
    {"half-hipped square at 90", kRoofHalfHipped, kRoofOrientation90, 8, 8,
        "0 0 5, 0 8 5, 0 6 7, 0 2 7, 8 0 5, 8 8 5, 8 6 7, 8 2 7",
        "0 0 5, 8 0 5, 8 2 7, 0 2 7, 0 2 7, 8 2 7, 6 4 9, 2 4 9, "
        "8 8 5, 0 8 5, 0 6 7, 8 6 7, 8 6 7, 0 6 7, 2 4 9, 6 4 9, "
        "0 2 7, 0 6 7, 2 4 9, 2 4 9, 8 6 7, 8 2 7, 6 4 9, 6 4 9",
        "0 0 5, 0 2 7, 0 8 5, 0 6 7, 8 0 5, 8 2 7, 8 8 5, 8 6 7, "
        "0 2 7, 2 4 9, 8 2 7, 6 4 9, 0 6 7, 2 4 9, 8 6 7, 6 4 9, 2 4 9, 6 4 9"},

    {"flat-topped hipped wider than deep at 0", kRoofFlatToppedHipped, kRoofOrientation0, 12, 8, "",
        "0 0 5, 0 8 5, 2 6 9, 2 2 9, 2 2 9, 10 2 9, 10 6 9, 2 6 9, 12 8 5, 12 0 5, 10 2 9, 10 6 9, "
        "0 0 5, 12 0 5, 10 2 9, 2 2 9, 12 8 5, 0 8 5, 2 6 9, 10 6 9",
        "0 0 5, 2 2 9, 0 8 5, 2 6 9, 12 0 5, 10 2 9, 12 8 5, 10 6 9, "
        "2 2 9, 10 2 9, 10 2 9, 10 6 9, 10 6 9, 2 6 9, 2 6 9, 2 2 9"},
    {"flat-topped hipped wider than deep at 90", kRoofFlatToppedHipped, kRoofOrientation90, 12, 8, "",
        "0 0 5, 12 0 5, 10 2 9, 2 2 9, 2 2 9, 2 6 9, 10 6 9, 10 2 9, 12 8 5, 0 8 5, 2 6 9, 10 6 9, "
        "0 0 5, 0 8 5, 2 6 9, 2 2 9, 12 8 5, 12 0 5, 10 2 9, 10 6 9",
        "0 0 5, 2 2 9, 12 0 5, 10 2 9, 0 8 5, 2 6 9, 12 8 5, 10 6 9, "
        "2 2 9, 2 6 9, 2 6 9, 10 6 9, 10 6 9, 10 2 9, 10 2 9, 2 2 9"},
    {"flat-topped hipped deeper than wide at 0", kRoofFlatToppedHipped, kRoofOrientation0, 8, 12, "",
        "0 0 5, 0 12 5, 2 10 9, 2 2 9, 2 2 9, 6 2 9, 6 10 9, 2 10 9, 8 12 5, 8 0 5, 6 2 9, 6 10 9, "
        "0 0 5, 8 0 5, 6 2 9, 2 2 9, 8 12 5, 0 12 5, 2 10 9, 6 10 9",
        "0 0 5, 2 2 9, 0 12 5, 2 10 9, 8 0 5, 6 2 9, 8 12 5, 6 10 9, "
        "2 2 9, 6 2 9, 6 2 9, 6 10 9, 6 10 9, 2 10 9, 2 10 9, 2 2 9"},
    {"flat-topped hipped deeper than wide at 90", kRoofFlatToppedHipped, kRoofOrientation90, 8, 12, "",
        "0 0 5, 8 0 5, 6 2 9, 2 2 9, 2 2 9, 2 10 9, 6 10 9, 6 2 9, 8 12 5, 0 12 5, 2 10 9, 6 10 9, "
        "0 0 5, 0 12 5, 2 10 9, 2 2 9, 8 12 5, 8 0 5, 6 2 9, 6 10 9",
        "0 0 5, 2 2 9, 8 0 5, 6 2 9, 0 12 5, 2 10 9, 8 12 5, 6 10 9, "
        "2 2 9, 2 10 9, 2 10 9, 6 10 9, 6 10 9, 6 2 9, 6 2 9, 2 2 9"},
    {"flat-topped hipped square at 0", kRoofFlatToppedHipped, kRoofOrientation0, 8, 8, "",
        "0 0 5, 0 8 5, 2 6 9, 2 2 9, 2 2 9, 6 2 9, 6 6 9, 2 6 9, 8 8 5, 8 0 5, 6 2 9, 6 6 9, "
        "0 0 5, 8 0 5, 6 2 9, 2 2 9, 8 8 5, 0 8 5, 2 6 9, 6 6 9",
        "0 0 5, 2 2 9, 0 8 5, 2 6 9, 8 0 5, 6 2 9, 8 8 5, 6 6 9, "
        "2 2 9, 6 2 9, 6 2 9, 6 6 9, 6 6 9, 2 6 9, 2 6 9, 2 2 9"},
    {"flat-topped hipped square at 90", kRoofFlatToppedHipped, kRoofOrientation90, 8, 8, "",
        "0 0 5, 8 0 5, 6 2 9, 2 2 9, 2 2 9, 2 6 9, 6 6 9, 6 2 9, 8 8 5, 0 8 5, 2 6 9, 6 6 9, "
        "0 0 5, 0 8 5, 2 6 9, 2 2 9, 8 8 5, 8 0 5, 6 2 9, 6 6 9",
        "0 0 5, 2 2 9, 8 0 5, 6 2 9, 0 8 5, 2 6 9, 8 8 5, 6 6 9, "
        "2 2 9, 2 6 9, 2 6 9, 6 6 9, 6 6 9, 6 2 9, 6 2 9, 2 2 9"},
};

TEST(HippedRoofs, WriteTheirFacesAndLinesOnBlocksOfEveryProportion)
{
    for (const SCase& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RoofOf(c.type, c.orientation, c.width, c.depth), ExpectedRoof(c.walls, c.cover, c.lines));
    }
}

TEST(HippedRoofs, LookTheSameFromOppositeSidesAndNeedAnOrientation)
{
    for (const int32_t type : {kRoofHipped, kRoofHalfHipped, kRoofFlatToppedHipped}) {
        SCOPED_TRACE(type);
        EXPECT_EQ(RoofOf(type, kRoofOrientation180, 13, 7), RoofOf(type, kRoofOrientation0, 13, 7));
        EXPECT_EQ(RoofOf(type, kRoofOrientation270, 13, 7), RoofOf(type, kRoofOrientation90, 13, 7));
        // An element never given an orientation has no roof, as with every roof type.
        EXPECT_EQ(RoofOf(type, 0, 13, 7), ";Roof part\n\nEndStructure\n");
        EXPECT_EQ(RoofOf(type, kRoofOrientation0 - 1, 13, 7), ";Roof part\n\nEndStructure\n");
    }
}

// Twice the area of a face's outline seen from above; a vertical face has none.
int64_t TwiceAreaFromAbove(std::span<const SPoint> face)
{
    int64_t sum = 0;
    for (size_t i = 0; i < face.size(); ++i) {
        const SPoint& a = face[i];
        const SPoint& b = face[(i + 1) % face.size()];
        sum += int64_t(a.x.Value()) * b.y.Value() - int64_t(b.x.Value()) * a.y.Value();
    }
    return std::llabs(sum);
}

SRoofShape ShapeOf(const CBuildingElement& element)
{
    switch (element.m_roofType) {
    case kRoofHipped:
        return HippedRoof(element);
    case kRoofHalfHipped:
        return HalfHippedRoof(element);
    default:
        return FlatToppedHippedRoof(element);
    }
}

// Odd and even sizes, tall and flat roofs, steep and shallow angles, at every orientation.
template <class Check>
void ForEveryShape(Check check)
{
    for (const int32_t type : {kRoofHipped, kRoofHalfHipped, kRoofFlatToppedHipped})
        for (const int32_t orientation : {kRoofOrientation0, kRoofOrientation90, kRoofOrientation180, kRoofOrientation270})
            for (int32_t width = 1; width <= 14; ++width)
                for (int32_t depth = 1; depth <= 14; ++depth)
                    for (const int32_t roofHeight : {0, 1, 5, 8})
                        for (const int32_t angle : {0, 20, 45, 60, 90}) {
                            CBuildingElement element;
                            SetRoofedBlock(element, type, orientation, width, depth);
                            element.m_positionX = -3;
                            element.m_positionY = 11;
                            element.m_positionZ = 2;
                            element.m_roofHeight = roofHeight;
                            element.m_roofAngle = angle;
                            const std::string where = std::to_string(type) + " at " + std::to_string(orientation) +
                                ": " + std::to_string(width) + " x " + std::to_string(depth) + ", roof " +
                                std::to_string(roofHeight) + " at " + std::to_string(angle) + " degrees";
                            check(element, ShapeOf(element), where);
                        }
}

TEST(HippedRoofs, CoverTheBlockExactlySeenFromAbove)
{
    ForEveryShape([](const CBuildingElement& element, const SRoofShape& shape, const std::string& where) {
        const std::span<const SPoint> cover = shape.cover.Points();
        ASSERT_EQ(cover.size() % 4, 0u) << where;
        int64_t area = 0;
        for (size_t i = 0; i < cover.size(); i += 4) {
            for (const SPoint& point : cover.subspan(i, 4)) {
                ASSERT_GE(point.x, element.m_positionX) << where;
                ASSERT_LE(point.x, element.m_positionX + element.m_blockWidth) << where;
                ASSERT_GE(point.y, element.m_positionY) << where;
                ASSERT_LE(point.y, element.m_positionY + element.m_blockDepth) << where;
            }
            area += TwiceAreaFromAbove(cover.subspan(i, 4));
        }
        EXPECT_EQ(area, 2 * int64_t(element.m_blockWidth) * element.m_blockDepth) << where;
    });
}

TEST(HippedRoofs, RiseNoWallAboveTheEavesButTheHalfHipsGablesToHalfTheRoof)
{
    ForEveryShape([](const CBuildingElement& element, const SRoofShape& shape, const std::string& where) {
        const int32_t eaves = element.m_positionZ + element.m_blockHeight;
        if (element.m_roofType != kRoofHalfHipped) {
            EXPECT_EQ(shape.walls.Size(), 0u) << where;
            return;
        }
        ASSERT_EQ(shape.walls.Size(), 8u) << where;
        int32_t highest = eaves;
        for (const SPoint& point : shape.walls.Points())
            highest = std::max(highest, point.z.Value());
        EXPECT_EQ(highest, eaves + element.m_roofHeight / 2) << where;
    });
}

TEST(HippedRoofs, KeepTheirPointsWithinTheRoofsLevels)
{
    ForEveryShape([](const CBuildingElement& element, const SRoofShape& shape, const std::string& where) {
        const int32_t eaves = element.m_positionZ + element.m_blockHeight;
        for (const CPointList* list : {&shape.walls, &shape.cover, &shape.lines})
            for (const SPoint& point : list->Points()) {
                ASSERT_GE(point.z, eaves) << where;
                ASSERT_LE(point.z, eaves + element.m_roofHeight) << where;
            }
        EXPECT_EQ(shape.lines.Size() % 2, 0u) << where;
    });
}

} // namespace
