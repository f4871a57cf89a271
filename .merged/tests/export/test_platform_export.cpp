#include "export/ExportTestHelpers.h"

#include <gtest/gtest.h>

namespace {

// A platform 100 long, 30 wide, 10 high with 40 high poles of diameter 4 standing 2 from
// the edges, under a roof 10 high.
std::unique_ptr<CPlatform> Quay(int32_t cover, int32_t poleStyle, int32_t polesPerSide = 2)
{
    auto platform = MakePlatform("Quay");
    platform->m_length = 100;
    platform->m_width = 30;
    platform->m_height = 10;
    platform->m_edgeDistance = 2;
    platform->m_poleDiameter = 4;
    platform->m_poleHeight = 40;
    platform->m_roofHeight = 10;
    platform->m_coverType = cover;
    platform->m_poleStyle = poleStyle;
    platform->m_polesPerSide = polesPerSide;
    return platform;
}

std::string CoverOf(std::unique_ptr<CPlatform> platform)
{
    const std::string text = ExportPartLines(*CatalogueWith(std::move(platform)));
    const size_t start = text.find("\n;Quay\n\n", text.find("3DLines 2 2"));
    return start == std::string::npos ? std::string() : text.substr(start + 8, text.find("EndStructure") - start - 8);
}

TEST(PlatformExport, PitchedCoverOnRoundPolesWritesTheWholeBlock)
{
    EXPECT_EQ(ExportPartLines(*CatalogueWith(Quay(kCoverPitched, kPoleRound))), R"(Meter
Structure " " "Quay"
Price 0
PPP 1

;Quay

;Floor part

Rectangle 0 0 100 30 $000000
Line 0 0 100 30
Line 100 0 0 30

;Quay

3DHexahedron 1 1
0 0 0 $c8c8c8
100 0 0 $c8c8c8
100 30 0 $c8c8c8
0 30 0 $c8c8c8
0 0 9 $c8c8c8
100 0 9 $c8c8c8
100 30 9 $c8c8c8
0 30 9 $c8c8c8
End3D

3DQuads 1 1
0 0 10 $7f7f7f
100 0 10
100 30 10
0 30 10
End3D

3DLines 2 2
0 0 0 $000000
0 0 10
0 30 0 $000000
0 30 10
100 0 0 $000000
100 0 10
100 30 0 $000000
100 30 10
0 0 0 $000000
100 0 0
0 30 0 $000000
100 30 0
0 0 0 $000000
0 30 0
100 0 0 $000000
100 30 0
End3D

;Quay

3DCylinder 4 4 40 12 3 1 1
Center 2 4 9 $7fff7f
Rotation 0 0 0
End3D

3DCylinder 4 4 40 12 3 1 1
Center 2 26 9 $7fff7f
Rotation 0 0 0
End3D

3DCylinder 4 4 40 12 3 1 1
Center 98 4 9 $7fff7f
Rotation 0 0 0
End3D

3DCylinder 4 4 40 12 3 1 1
Center 98 26 9 $7fff7f
Rotation 0 0 0
End3D

3DQuads 1 1
0 2 49 $00007f
100 2 49
100 15 59
0 15 59 $00007f
0 28 49 $00007f
100 28 49
100 15 59
0 15 59 $00007f
End3D

EndStructure

)");
}

TEST(PlatformExport, SinglePitchOnSquarePolesWithThreePerSide)
{
    EXPECT_EQ(CoverOf(Quay(kCoverSinglePitch, kPoleSquare, 3)), R"(3DSquare 1 1
0 2 9 $7fff7f
4 6 59
End3D

3DSquare 1 1
0 24 9 $7fff7f
4 28 49
End3D

3DSquare 1 1
48 2 9 $7fff7f
52 6 59
End3D

3DSquare 1 1
48 24 9 $7fff7f
52 28 49
End3D

3DSquare 1 1
96 2 9 $7fff7f
100 6 59
End3D

3DSquare 1 1
96 24 9 $7fff7f
100 28 49
End3D

3DQuads 1 1
0 2 59 $00007f
100 2 59
100 28 49
0 28 49 $00007f
End3D

)");
}

TEST(PlatformExport, VShapedCoverStandsOnOneMiddleRow)
{
    const std::string round = CoverOf(Quay(kCoverVShaped, kPoleRound, 3));
    EXPECT_EQ(round.substr(0, round.find("3DQuads")), R"(3DCylinder 4 4 40 12 3 1 1
Center 2 15 9 $7fff7f
Rotation 0 0 0
End3D

3DCylinder 4 4 40 12 3 1 1
Center 50 15 9 $7fff7f
Rotation 0 0 0
End3D

3DCylinder 4 4 40 12 3 1 1
Center 98 15 9 $7fff7f
Rotation 0 0 0
End3D

)");
    EXPECT_EQ(round.substr(round.find("3DQuads")), R"(3DQuads 1 1
0 2 59 $00007f
100 2 59
100 15 49
0 15 49 $00007f
0 28 59 $00007f
100 28 59
100 15 49
0 15 49 $00007f
End3D

)");
    const std::string square = CoverOf(Quay(kCoverVShaped, kPoleSquare));
    EXPECT_EQ(square.substr(0, square.find("3DQuads")),
        "3DSquare 1 1\n0 13 9 $7fff7f\n4 17 49\nEnd3D\n\n3DSquare 1 1\n96 13 9 $7fff7f\n100 17 49\nEnd3D\n\n");
}

TEST(PlatformExport, CoversWithoutFacesAndPolesWithoutStyle)
{
    const std::string arched = CoverOf(Quay(kCoverArched, kPoleRound));
    EXPECT_EQ(arched.find("3DQuads"), std::string::npos);
    EXPECT_NE(arched.find("Center 98 26 9 $7fff7f\nRotation 0 0 0\nEnd3D\n\n"), std::string::npos);

    const std::string unknownCover = CoverOf(Quay(1099, kPoleSquare));
    EXPECT_EQ(unknownCover.find("3DQuads"), std::string::npos);
    EXPECT_NE(unknownCover.find("3DSquare 1 1\n0 2 9 $7fff7f\n4 6 49\n"), std::string::npos);

    EXPECT_EQ(CoverOf(Quay(kCoverPitched, 0)).substr(0, 12), "3DQuads 1 1\n");
}

TEST(PlatformExport, WithoutCoverTheNameIsWrittenTwice)
{
    for (const int32_t cover : {0, static_cast<int>(kCoverNone)}) {
        auto platform = Quay(cover, kPoleRound);
        platform->m_freeText = ";quay";
        const std::string text = ExportPartLines(*CatalogueWith(std::move(platform)));
        EXPECT_NE(text.find("100 30 0\nEnd3D\n\n;quay\nEndStructure\n\n"), std::string::npos) << cover;
        size_t comments = 0;
        for (size_t pos = text.find("\n;Quay\n"); pos != std::string::npos; pos = text.find("\n;Quay\n", pos + 1))
            ++comments;
        EXPECT_EQ(comments, 2u) << cover;
    }
}

TEST(PlatformExport, PoleRowCountAndSpacing)
{
    struct Row {
        int32_t polesPerSide;
        int32_t length;
        int32_t diameter;
        int32_t count;
        int32_t spacing;
    };
    const Row rows[] = {
        {2, 100, 4, 2, 96},
        {3, 100, 4, 3, 48},
        {1, 100, 4, 2, 96},
        {0, 100, 4, 2, 96},
        {-5, 100, 4, 2, 96},
        {-2147483647 - 1, 100, 4, 2, 96},
        {4, 100, 100, 4, 0},
        {3, 10, 20, 3, 0},     // poles wider than the platform all stand at its start
        {3, -10, 4, 3, 0},
    };
    for (const Row& row : rows) {
        CPlatform platform;
        platform.m_polesPerSide = row.polesPerSide;
        platform.m_length = row.length;
        platform.m_poleDiameter = row.diameter;
        const auto poles = CPartsFileWriter::ComputePoleRow(platform);
        EXPECT_EQ(poles.m_count, row.count) << row.polesPerSide;
        EXPECT_EQ(poles.m_spacing.Value(), row.spacing) << row.polesPerSide << " " << row.length << " " << row.diameter;
    }
}

TEST(PlatformExport, ThePolesSizeIsKnownBeforeTheyAreWritten)
{
    CPartsFileWriter writer;
    for (const int32_t style : {static_cast<int>(kPoleRound), static_cast<int>(kPoleSquare)}) {
        for (const int32_t cover : {kCoverPitched, kCoverVShaped, kCoverSinglePitch}) {
            for (const int32_t count : {2, 3, 1001}) {
                auto withPoles = Quay(cover, style, count);
                auto withoutPoles = Quay(cover, 0, count);
                // Positions of every width, some wrapping around the number range.
                withPoles->m_length = withoutPoles->m_length = 2147483000;
                withPoles->m_poleDiameter = withoutPoles->m_poleDiameter = -7;
                const size_t measured = writer.PolesSize(*withPoles);
                const size_t expected = ExportToText(*CatalogueWith(std::move(withPoles)), CProgramOptions()).size()
                    - ExportToText(*CatalogueWith(std::move(withoutPoles)), CProgramOptions()).size();
                EXPECT_EQ(measured, expected) << style << " " << cover << " " << count;
            }
        }
    }
}

TEST(PlatformExport, PolesWithoutStyleTakeNoTimeHoweverMany)
{
    const std::string few = ExportPartLines(*CatalogueWith(Quay(kCoverPitched, 0, 2)));
    EXPECT_EQ(ExportPartLines(*CatalogueWith(Quay(kCoverPitched, 0, 2147483647))), few);
}

TEST(PlatformExport, NegativePoleCountStillGivesTwoPoles)
{
    const std::string cover = CoverOf(Quay(kCoverPitched, kPoleRound, -3));
    size_t poles = 0;
    for (size_t pos = cover.find("3DCylinder"); pos != std::string::npos; pos = cover.find("3DCylinder", pos + 1))
        ++poles;
    EXPECT_EQ(poles, 4u);
}

} // namespace
