#include "export/ExportTestHelpers.h"

#include <gtest/gtest.h>

namespace {

struct Opening {
    int32_t wall = kWallFront;
    int32_t mainType = kDecorationBaseA;
    int32_t subtype = kDecorationWindow;
    int32_t windowCount = 1;
    int32_t x = 10;
    int32_t z = 20;
    int32_t width = 40;
    int32_t height = 60;
};

// The decoration lines of one opening in an element at (100, 50, 0), 60 wide and 40 deep.
std::string DecorationOf(const Opening& opening)
{
    auto building = MakeBuilding("House");
    CBuildingElement& element = AddElement(*building, "Hall");
    element.m_positionX = 100;
    element.m_positionY = 50;
    element.m_blockWidth = 60;
    element.m_blockDepth = 40;
    CDecoration& decoration = AddDecoration(element, "Window");
    decoration.m_wall = opening.wall;
    decoration.m_mainType = opening.mainType;
    decoration.m_subtype = opening.subtype;
    decoration.m_windowCount = opening.windowCount;
    decoration.m_positionX = opening.x;
    decoration.m_positionZ = opening.z;
    decoration.m_width = opening.width;
    decoration.m_height = opening.height;
    const std::string text = ExportPartLines(*CatalogueWith(std::move(building)));
    const size_t start = text.find(";Roof part\n\n") + 12;
    return text.substr(start, text.find("EndStructure") - start);
}

TEST(DecorationExport, FrontWindowWithOnePane)
{
    EXPECT_EQ(DecorationOf({}), R"(
; Window
3DQuads 1 1
110 49 20 $7f7f7f
150 49 20
150 49 80
110 49 80
End3D

3DQuads 1 1
112 48 22 $666666
148 48 22
148 48 78
112 48 78
End3D

)");
}

TEST(DecorationExport, FourPanesHaveACrossOfBars)
{
    Opening window;
    window.windowCount = 4;
    EXPECT_EQ(LinesBetween(DecorationOf(window), "3DLines 1 1", "End3D"), R"(3DLines 1 1
130 47 78 $7f7f7f
130 47 22
112 48 51 $7f7f7f
148 48 51
End3D
)");
}

TEST(DecorationExport, PaneCountChoosesTheBars)
{
    struct Row {
        int32_t count;
        const char* bars;
    };
    const Row rows[] = {
        {1, ""},
        {0, ""},
        {2, "3DLines 1 1\n130 47 78 $7f7f7f\n130 47 22\nEnd3D\n"},
        {3, "3DLines 1 1\n130 47 78 $7f7f7f\n130 47 22\nEnd3D\n"},
        {6, "3DLines 1 1\n130 47 78 $7f7f7f\n130 47 22\n112 48 60 $7f7f7f\n148 48 60\n112 48 41 $7f7f7f\n148 48 41\nEnd3D\n"},
        {8, "3DLines 1 1\n130 47 78 $7f7f7f\n130 47 22\n112 48 65 $7f7f7f\n148 48 65\n112 48 51 $7f7f7f\n148 48 51\n"
            "112 48 36 $7f7f7f\n148 48 36\nEnd3D\n"},
        {9, "3DLines 1 1\n130 47 78 $7f7f7f\n130 47 22\nEnd3D\n"},
    };
    for (const Row& row : rows) {
        Opening window;
        window.windowCount = row.count;
        EXPECT_EQ(LinesBetween(DecorationOf(window), "3DLines 1 1", "End3D"), row.bars) << row.count;
    }
}

TEST(DecorationExport, ArchedDoorIsSolidWithAnArchOnTop)
{
    Opening door;
    door.mainType = kDecorationBaseB;
    door.subtype = kDecorationDoor;
    door.windowCount = 4;
    door.z = 0;
    door.height = 80;
    EXPECT_EQ(DecorationOf(door), R"(
; Window
3DQuads 1 1
110 49 0 $7f7f7f
150 49 0
150 49 70
110 49 70
End3D

3DEllipse 20 10 0 12 1 1
Center 130 49 70 $7f7f7f
Rotation 90 0 0
End3D

)");
}

TEST(DecorationExport, ArchedWindowOnTheLeftSide)
{
    Opening window;
    window.wall = kWallLeft;
    window.mainType = kDecorationBaseB;
    window.windowCount = 6;
    window.height = 80;
    EXPECT_EQ(DecorationOf(window), R"(
; Window
3DQuads 1 1
99 60 20 $7f7f7f
99 100 20
99 100 90
99 60 90
End3D

3DEllipse 20 10 0 12 1 1
Center 99 80 90 $7f7f7f
Rotation 90 0 90
End3D

3DQuads 1 1
98 62 22 $666666
98 98 22
98 98 88
98 62 88
End3D

3DEllipse 18 10 0 12 1 1
Center 98 80 88 $666666
Rotation 90 0 90
End3D

3DLines 1 1
98 80 98 $7f7f7f
98 80 22
98 62 74 $7f7f7f
98 98 74
98 62 48 $7f7f7f
98 98 48
End3D

)");
}

TEST(DecorationExport, EachWallPlacesTheOpeningInFrontOfIt)
{
    struct Row {
        int32_t wall;
        const char* outer;
        const char* pane;
        const char* bar;
    };
    const Row rows[] = {
        {kWallFront, "110 49 20 $7f7f7f", "112 48 22 $666666", "130 47 78 $7f7f7f"},
        {kWallRear, "110 91 20 $7f7f7f", "112 92 22 $666666", "130 93 78 $7f7f7f"},
        {kWallLeft, "99 60 20 $7f7f7f", "98 62 22 $666666", "98 80 78 $7f7f7f"},
        {kWallRight, "161 60 20 $7f7f7f", "162 62 22 $666666", "162 80 78 $7f7f7f"},
    };
    for (const Row& row : rows) {
        Opening window;
        window.wall = row.wall;
        window.windowCount = 2;
        const std::string text = DecorationOf(window);
        EXPECT_NE(text.find(std::string("3DQuads 1 1\n") + row.outer + "\n"), std::string::npos) << row.wall;
        EXPECT_NE(text.find(std::string("3DQuads 1 1\n") + row.pane + "\n"), std::string::npos) << row.wall;
        EXPECT_NE(text.find(std::string("3DLines 1 1\n") + row.bar + "\n"), std::string::npos) << row.wall;
    }
}

TEST(DecorationExport, InsetsDependOnTheKind)
{
    struct Row {
        int32_t subtype;
        int32_t width;
        int32_t height;
        const char* pane; // empty: no pane
    };
    const Row rows[] = {
        {kDecorationDoorWithWindow, 40, 60, "112 48 40 $666666\n148 48 40\n148 48 78\n112 48 78\n"},
        {kDecorationDoorWithWindow, 10, 2, "111 48 21 $666666\n119 48 21\n119 48 21\n111 48 21\n"},
        {kDecorationWindow, 10, 60, "111 48 21 $666666\n119 48 21\n119 48 79\n111 48 79\n"},
        {1079, 40, 60, "110 48 20 $666666\n150 48 20\n150 48 80\n110 48 80\n"},
        {kDecorationDoor, 40, 60, ""},
        {0, 40, 60, ""},
    };
    for (const Row& row : rows) {
        Opening opening;
        opening.subtype = row.subtype;
        opening.width = row.width;
        opening.height = row.height;
        const std::string text = DecorationOf(opening);
        const size_t pane = text.find("$666666");
        if (*row.pane == '\0') {
            EXPECT_EQ(pane, std::string::npos) << row.subtype;
            continue;
        }
        ASSERT_NE(pane, std::string::npos) << row.subtype;
        const size_t start = text.rfind('\n', pane) + 1;
        EXPECT_EQ(text.substr(start, text.find("End3D", start) - start), row.pane) << row.subtype << " " << row.width;
    }
}

TEST(DecorationExport, OpeningsOnNoWallAreLeftOut)
{
    Opening nowhere;
    nowhere.wall = 0;
    EXPECT_EQ(DecorationOf(nowhere), "");
    nowhere.wall = 1069;
    EXPECT_EQ(DecorationOf(nowhere), "");
}

TEST(DecorationExport, OpeningsFollowTheirListOrder)
{
    auto building = MakeBuilding("House");
    CBuildingElement& element = AddElement(*building, "Hall");
    for (const char* name : {"First", "Second", "Third"})
        AddDecoration(element, name).m_wall = kWallRear;
    element.m_decorations->GetDecoration(1).m_wall = 0;
    const std::string text = ExportPartLines(*CatalogueWith(std::move(building)));
    EXPECT_LT(text.find("\n; First\n"), text.find("\n; Third\n"));
    EXPECT_EQ(text.find("Second"), std::string::npos);

    auto bare = MakeBuilding("House");
    AddElement(*bare, "Hall").m_decorations.reset();
    EXPECT_NE(ExportPartLines(*CatalogueWith(std::move(bare))).find(";Roof part\n\nEndStructure\n\n"), std::string::npos);
}

} // namespace
