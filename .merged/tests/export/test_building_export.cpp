#include "export/ExportTestHelpers.h"

#include <gtest/gtest.h>

namespace {

CBuildingElement& SetBlock(CBuildingElement& element, int32_t width, int32_t depth, int32_t height, int32_t roofHeight)
{
    element.m_blockWidth = width;
    element.m_blockDepth = depth;
    element.m_blockHeight = height;
    element.m_roofHeight = roofHeight;
    return element;
}

CBuildingElement& SetRoof(CBuildingElement& element, int32_t type, int32_t orientation)
{
    element.m_roofType = type;
    element.m_roofOrientation = orientation;
    return element;
}

// The roof of a building of one element at the origin, 10 wide, 8 deep, 5 high, roof 3 high.
std::string RoofOf(int32_t type, int32_t orientation, int32_t width = 10)
{
    auto building = MakeBuilding("Shed");
    SetRoof(SetBlock(AddElement(*building, "Hall"), width, 8, 5, 3), type, orientation);
    return LinesBetween(ExportPartLines(*CatalogueWith(std::move(building))), ";Roof part", "EndStructure");
}

TEST(BuildingExport, RidgeRoofedElementWritesTheWholeBlock)
{
    auto building = MakeBuilding("Shed");
    CBuildingElement& hall = SetBlock(AddElement(*building, "Hall"), 10, 8, 5, 3);
    hall.m_positionX = 100;
    hall.m_positionY = 50;
    hall.m_positionZ = 2;
    SetRoof(hall, kRoofGable, kRoofOrientation0);
    EXPECT_EQ(ExportPartLines(*CatalogueWith(std::move(building))), R"(Meter
;Shed

Structure " " "Shed"
Price 0
PPP 1
Rectangle 100 50 110 58 $ffffff
Line 100 50 110 58
Line 110 50 100 58

;Hall

;Block part

3DHexahedron 1 1
100 50 2 $c0c0c0
110 50 2 $c0c0c0
110 58 2 $c0c0c0
100 58 2 $c0c0c0
100 50 7 $c0c0c0
110 50 7 $c0c0c0
110 58 7 $c0c0c0
100 58 7 $c0c0c0
End3D

3DLines 2 2
100 50 2 $000000
100 50 7
100 58 2 $000000
100 58 7
110 50 2 $000000
110 50 7
110 58 2 $000000
110 58 7
100 50 2 $000000
110 50 2
100 58 2 $000000
110 58 2
100 50 2 $000000
100 58 2
110 50 2 $000000
110 58 2
End3D

;Roof part

3DQuads 1 1
100 50 7 $c0c0c0
110 50 7 $c0c0c0
105 50 10 $c0c0c0
105 50 10 $c0c0c0
100 58 7 $c0c0c0
110 58 7 $c0c0c0
105 58 10 $c0c0c0
105 58 10 $c0c0c0
End3D

;Roof cover

3DQuads 1 1
100 50 7 $0000ff
105 50 10 $0000ff
105 58 10 $0000ff
100 58 7 $0000ff
105 50 10 $0000ff
110 50 7 $0000ff
110 58 7 $0000ff
105 58 10 $0000ff
End3D

;Roof accentuation lines

3DLines 2 2
100 50 7 $000000
105 50 10
100 58 7 $000000
105 58 10
105 50 10 $000000
110 50 7
105 58 10 $000000
110 58 7
End3D

EndStructure

)");
}

TEST(BuildingExport, RidgeRoofOfOddWidthHasAFlatStrip)
{
    const std::string roof = RoofOf(kRoofGable, kRoofOrientation0, 11);
    EXPECT_NE(roof.find("\n5 0 8 $0000ff\n6 0 8 $0000ff\n6 8 8 $0000ff\n5 8 8 $0000ff\n"), std::string::npos);
    EXPECT_NE(roof.find("\n5 0 8 $000000\n6 0 8\n6 8 8 $000000\n5 8 8\n"), std::string::npos);
    EXPECT_EQ(RoofOf(kRoofGable, kRoofOrientation180, 11), roof);
}

TEST(BuildingExport, LeanToAtZeroDegreesRisesFromTheFarSide)
{
    EXPECT_EQ(RoofOf(kRoofLeanTo, kRoofOrientation0), R"(;Roof part

3DQuads 1 1
0 0 5 $c0c0c0
10 0 5 $c0c0c0
0 0 8 $c0c0c0
0 0 8 $c0c0c0
0 8 5 $c0c0c0
10 8 5 $c0c0c0
0 8 8 $c0c0c0
0 8 8 $c0c0c0
0 0 5 $c0c0c0
0 8 5 $c0c0c0
0 8 8 $c0c0c0
0 0 8 $c0c0c0
End3D

;Roof cover

3DQuads 1 1
0 0 8 $0000ff
10 0 5 $0000ff
10 8 5 $0000ff
0 8 8 $0000ff
End3D

;Roof accentuation lines

3DLines 2 2
0 0 5 $000000
0 0 8
0 8 5 $000000
0 8 8
0 0 8 $000000
10 0 5
0 8 8 $000000
10 8 5
End3D

EndStructure
)");
}

TEST(BuildingExport, LeanToAt180DegreesKeepsItsZeroWidthTop)
{
    const std::string roof = RoofOf(kRoofLeanTo, kRoofOrientation180);
    EXPECT_EQ(LinesBetween(roof, ";Roof cover", "End3D"), R"(;Roof cover

3DQuads 1 1
0 0 5 $0000ff
10 0 8 $0000ff
10 8 8 $0000ff
0 8 5 $0000ff
10 0 8 $0000ff
10 0 8 $0000ff
10 8 8 $0000ff
10 8 8 $0000ff
End3D
)");
    EXPECT_EQ(LinesBetween(roof, ";Roof accentuation lines", "End3D"), R"(;Roof accentuation lines

3DLines 2 2
0 0 5 $000000
10 0 8
0 8 5 $000000
10 8 8
10 0 8 $000000
10 0 8
10 8 8 $000000
10 8 8
10 0 8 $000000
10 0 5
10 8 8 $000000
10 8 5
End3D
)");
    EXPECT_NE(roof.find("\n10 0 5 $c0c0c0\n10 8 5 $c0c0c0\n10 8 8 $c0c0c0\n10 0 8 $c0c0c0\nEnd3D\n"), std::string::npos);
}

TEST(BuildingExport, RoofsAtNinetyDegreesRunAcrossTheDepth)
{
    EXPECT_EQ(RoofOf(kRoofGable, kRoofOrientation90), R"(;Roof part

3DQuads 1 1
0 0 5 $c0c0c0
0 8 5 $c0c0c0
0 4 8 $c0c0c0
0 4 8 $c0c0c0
10 0 5 $c0c0c0
10 8 5 $c0c0c0
10 4 8 $c0c0c0
10 4 8 $c0c0c0
End3D

;Roof cover

3DQuads 1 1
0 0 5 $0000ff
0 4 8 $0000ff
10 4 8 $0000ff
10 0 5 $0000ff
0 4 8 $0000ff
0 8 5 $0000ff
10 8 5 $0000ff
10 4 8 $0000ff
End3D

;Roof accentuation lines

3DLines 2 2
0 0 5 $000000
0 4 8
10 0 5 $000000
10 4 8
0 4 8 $000000
0 8 5
10 4 8 $000000
10 8 5
End3D

EndStructure
)");
    EXPECT_EQ(RoofOf(kRoofGable, kRoofOrientation270), RoofOf(kRoofGable, kRoofOrientation90));

    const std::string leanTo = RoofOf(kRoofLeanTo, kRoofOrientation270);
    EXPECT_NE(leanTo.find("\n10 8 8 $c0c0c0\n10 8 8 $c0c0c0\n0 8 5 $c0c0c0\n10 8 5 $c0c0c0\n"
                          "10 8 8 $c0c0c0\n0 8 8 $c0c0c0\nEnd3D\n"),
        std::string::npos);
    EXPECT_NE(leanTo.find("\n0 8 8 $0000ff\n0 8 8 $0000ff\n10 8 8 $0000ff\n10 8 8 $0000ff\nEnd3D\n"), std::string::npos);
}

TEST(BuildingExport, RoofInsetsByTypeAndOrientation)
{
    struct Row {
        int32_t type;
        int32_t orientation;
        bool hasRoof;
        int32_t p;
        int32_t q;
    };
    const Row rows[] = {
        {kRoofGable, kRoofOrientation0, true, 5, 5},
        {kRoofGable, kRoofOrientation90, true, 4, 4},
        {kRoofGable, kRoofOrientation180, true, 5, 5},
        {kRoofGable, kRoofOrientation270, true, 4, 4},
        {kRoofLeanTo, kRoofOrientation0, true, 10, 0},
        {kRoofLeanTo, kRoofOrientation90, true, 8, 0},
        {kRoofLeanTo, kRoofOrientation180, true, 0, 10},
        {kRoofLeanTo, kRoofOrientation270, true, 0, 8},
        {kRoofLeanTo, 0, true, 0, 0},
        {kRoofFlatTopped, kRoofOrientation0, true, 3, 3},
        {kRoofNone, kRoofOrientation0, false, 0, 0},
        {0, kRoofOrientation0, false, 0, 0},
    };
    for (const Row& row : rows) {
        CBuildingElement element;
        SetRoof(SetBlock(element, 10, 8, 5, 3), row.type, row.orientation);
        const auto insets = CPartsFileWriter::ComputeRoofInsets(element);
        EXPECT_EQ(insets.m_hasRoof, row.hasRoof) << row.type << " " << row.orientation;
        EXPECT_EQ(insets.m_p.Value(), row.p) << row.type << " " << row.orientation;
        EXPECT_EQ(insets.m_q.Value(), row.q) << row.type << " " << row.orientation;
    }
}

TEST(BuildingExport, FlatToppedRoofInsetFollowsTheAngle)
{
    struct Row {
        int32_t roofHeight;
        int32_t angle;
        int32_t span;
        int32_t inset;
    };
    const Row rows[] = {
        {10, 45, 100, 10},
        {10, 30, 100, 17},
        {10, 60, 100, 5},
        {10, 1, 100, 50},       // the sides meet before reaching their inset
        {10, 89, 100, 0},
        {10, 90, 100, 0},
        {10, 180, 100, 0},
        {10, 0, 100, 50},       // as flat as can be: the sides meet in the middle
        {10, -30, 101, 50},
        {2000000000, 1, 100, 50},
        {-10, 45, 100, -10},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CPartsFileWriter::FlatToppedInset(row.roofHeight, row.angle, row.span).Value(), row.inset)
            << row.roofHeight << " at " << row.angle;
}

TEST(BuildingExport, FlatToppedRoofCoverHasSlopesAndTop)
{
    auto building = MakeBuilding("Hall");
    CBuildingElement& hall = SetBlock(AddElement(*building, "Hall"), 100, 8, 5, 10);
    SetRoof(hall, kRoofFlatTopped, kRoofOrientation0);
    hall.m_roofAngle = 45;
    const std::string text = ExportPartLines(*CatalogueWith(std::move(building)));
    EXPECT_EQ(LinesBetween(text, ";Roof cover", "End3D"), R"(;Roof cover

3DQuads 1 1
0 0 5 $0000ff
10 0 15 $0000ff
10 8 15 $0000ff
0 8 5 $0000ff
10 0 15 $0000ff
90 0 15 $0000ff
90 8 15 $0000ff
10 8 15 $0000ff
90 0 15 $0000ff
100 0 5 $0000ff
100 8 5 $0000ff
90 8 15 $0000ff
End3D
)");
}

TEST(BuildingExport, SteepFlatToppedRoofIsABoxWithALid)
{
    const std::string roof = RoofOf(kRoofFlatTopped, kRoofOrientation0);
    const std::string steep = [] {
        auto building = MakeBuilding("Shed");
        CBuildingElement& hall = SetBlock(AddElement(*building, "Hall"), 10, 8, 5, 3);
        SetRoof(hall, kRoofFlatTopped, kRoofOrientation0);
        hall.m_roofAngle = 90;
        return LinesBetween(ExportPartLines(*CatalogueWith(std::move(building))), ";Roof part", "EndStructure");
    }();
    EXPECT_EQ(LinesBetween(steep, ";Roof part", "End3D"), R"(;Roof part

3DQuads 1 1
0 0 5 $c0c0c0
10 0 5 $c0c0c0
10 0 8 $c0c0c0
0 0 8 $c0c0c0
0 8 5 $c0c0c0
10 8 5 $c0c0c0
10 8 8 $c0c0c0
0 8 8 $c0c0c0
End3D
)");
    EXPECT_EQ(LinesBetween(steep, ";Roof cover", "End3D"),
        ";Roof cover\n\n3DQuads 1 1\n0 0 8 $0000ff\n10 0 8 $0000ff\n10 8 8 $0000ff\n0 8 8 $0000ff\nEnd3D\n");
    EXPECT_NE(roof, steep);
}

TEST(BuildingExport, FlatToppedRoofAtAngleZeroContinuesAngleOne)
{
    const auto roofAt = [](int32_t angle) {
        auto building = MakeBuilding("Shed");
        CBuildingElement& hall = SetBlock(AddElement(*building, "Hall"), 10, 8, 5, 3);
        SetRoof(hall, kRoofFlatTopped, kRoofOrientation0);
        hall.m_roofAngle = angle;
        return LinesBetween(ExportPartLines(*CatalogueWith(std::move(building))), ";Roof part", "EndStructure");
    };
    EXPECT_EQ(roofAt(0), roofAt(1));
    EXPECT_EQ(roofAt(-45), roofAt(1));
    EXPECT_EQ(roofAt(1), RoofOf(kRoofGable, kRoofOrientation0));
}

TEST(BuildingExport, ElementsWithoutRoofEndAfterTheRoofComment)
{
    for (const auto& [type, orientation] : {std::pair{kRoofNone, kRoofOrientation0}, std::pair{0, 0},
             std::pair{kRoofGable, 0}, std::pair{kRoofGable, 1055}}) {
        auto building = MakeBuilding("Shed");
        CBuildingElement& hall = SetRoof(AddElement(*building, "Hall"), type, orientation);
        hall.m_freeText = ";hall";
        const std::string text = ExportPartLines(*CatalogueWith(std::move(building)));
        EXPECT_NE(text.find("End3D\n\n;Roof part\n\n;hall\nEndStructure\n\n"), std::string::npos) << type << " " << orientation;
    }
}

TEST(BuildingExport, PlansComeFirstThenEachElementWithItsDecorations)
{
    auto building = MakeBuilding("Station");
    building->m_units = kUnitsInches;
    building->m_freeText = ";station";
    AddElement(*building, "Hall").m_freeText = ";hall";
    AddDecoration(AddElement(*building, "Wing"), "Door").m_wall = kWallFront;
    const std::string text = ExportPartLines(*CatalogueWith(std::move(building)));
    EXPECT_EQ(text.substr(0, 64), "Inch\n\n;Station\n\nStructure \" \" \"Station\"\nPrice 0\nPPP 1\nRectangle ");
    const size_t secondPlan = text.find("Rectangle", 60);
    const size_t hall = text.find(";Hall\n");
    const size_t hallText = text.find(";hall\n");
    const size_t wing = text.find(";Wing\n");
    const size_t door = text.find("\n; Door\n");
    const size_t end = text.find(";station\nEndStructure\n\n");
    EXPECT_LT(secondPlan, hall);
    EXPECT_LT(hall, hallText);
    EXPECT_LT(hallText, wing);
    EXPECT_LT(wing, door);
    EXPECT_LT(door, end);
    EXPECT_NE(end, std::string::npos);
}

} // namespace

TEST(BuildingExport, OwnLinesAreTheBuildingWithoutItsElements)
{
    const auto withFields = [](CBuilding& building) {
        building.m_catalogNo = "B-7";
        building.m_price = "12.50";
        building.m_partsPerPackage = 3;
        building.m_units = 1;
        building.m_freeText = "Line 0 0 10 10\nLine 10 10 20 0";
    };
    auto shed = MakeBuilding("Shed");
    withFields(*shed);
    SetBlock(AddElement(*shed, "Hall"), 10, 8, 5, 3);
    auto bare = MakeBuilding("Shed");
    withFields(*bare);
    EXPECT_EQ(ExportBuildingOwnLinesToText(*shed, CProgramOptions()), ExportPartToText(*bare, CProgramOptions()));
}
