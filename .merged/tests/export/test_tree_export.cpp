#include "export/ExportTestHelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(TreeExport, DeciduousTreeWithDefaultsWritesTheWholeBlock)
{
    const auto parts = CatalogueWith(MakeTree("Oak"));
    EXPECT_EQ(ExportPartLines(*parts), R"(Meter
Structure " " "Oak"
Price 0
PPP 1

;Oak

;Trunk

Circle 0 0 5 $005050
Circle 0 0 40 $505000
3DDisk 5 0 12 0 1
Center 0 0 0 $005050
Rotation 180 0 0
End3D

3DCylinder 5 5 10 12 5 0 1
Center 0 0 0 $005050
End3D

;Leaves

3DEllipsoid 40 40 10 12 10 1 1
Center 0 0 20 $505000
End3D

EndStructure
)");
}

TEST(TreeExport, NeedleLeavedTreeHasAConeOnTheTrunk)
{
    auto tree = MakeTree("Spruce");
    tree->m_treeType = kTreeNeedleLeaved;
    const auto parts = CatalogueWith(std::move(tree));
    EXPECT_EQ(LinesBetween(ExportPartLines(*parts), ";Leaves", "EndStructure"), R"(;Leaves

3DCylinder 40 0 20 12 5 0 1
Center 0 0 10 $505000
End3D

EndStructure
)");
}

TEST(TreeExport, GermanKeywordsAndInchUnits)
{
    auto tree = MakeTree("Eiche");
    tree->m_units = kUnitsInches;
    const auto parts = CatalogueWith(std::move(tree));
    EXPECT_EQ(ExportPartLines(*parts, Options(kLanguageGerman)), R"(Zoll
Haus " " "Eiche"
Preis 0
PPP 1

;Eiche

;Trunk

Kreislinie 0 0 5 $005050
Kreislinie 0 0 40 $505000
3DKreis 5 0 12 0 1
Mitte 0 0 0 $005050
Rotation 180 0 0
End3D

3DZylinder 5 5 10 12 5 0 1
Mitte 0 0 0 $005050
End3D

;Leaves

3DEllipsoid 40 40 10 12 10 1 1
Mitte 0 0 20 $505000
End3D

EndHaus
)");
    EXPECT_EQ(ExportPartLines(*CatalogueWith(MakeTree("Oak")), Options(kLanguageGerman)).substr(0, 6), "Meter\n");
}

TEST(TreeExport, CrownHalfHeightKeepsItsSign)
{
    struct Row {
        int32_t topHeight;
        const char* ellipsoid;
        const char* center;
    };
    const Row rows[] = {
        {21, "3DEllipsoid 40 40 10 12 10 1 1", "Center 0 0 20 $505000"},
        {0, "3DEllipsoid 40 40 0 12 10 1 1", "Center 0 0 10 $505000"},
        {-20, "3DEllipsoid 40 40 -10 12 10 1 1", "Center 0 0 0 $505000"},
        {-21, "3DEllipsoid 40 40 -10 12 10 1 1", "Center 0 0 0 $505000"},
    };
    for (const Row& row : rows) {
        auto tree = MakeTree("Oak");
        tree->m_topHeight = row.topHeight;
        const std::string text = ExportPartLines(*CatalogueWith(std::move(tree)));
        EXPECT_NE(text.find(std::string("\n") + row.ellipsoid + "\n" + row.center + "\n"), std::string::npos)
            << row.topHeight;
    }
}

TEST(TreeExport, UnknownTreeTypeWritesNoCrown)
{
    auto tree = MakeTree("Stump");
    tree->m_treeType = 0;
    EXPECT_EQ(LinesBetween(ExportPartLines(*CatalogueWith(std::move(tree))), ";Leaves", "EndStructure"),
        ";Leaves\n\nEndStructure\n");
}

TEST(TreeExport, ExtremeSizesWrapAroundInsteadOfFailing)
{
    auto tree = MakeTree("Tall");
    tree->m_trunkHeight = 2147483647;
    tree->m_topHeight = 2;
    const std::string text = ExportPartLines(*CatalogueWith(std::move(tree)));
    EXPECT_NE(text.find("\nCenter 0 0 -2147483648 $505000\n"), std::string::npos);
}

TEST(TreeExport, FreeTextStandsBeforeTheEndLineAsTyped)
{
    auto tree = MakeTree("Oak");
    tree->m_freeText = ";first\r\n;second";
    EXPECT_EQ(LinesBetween(ExportPartLines(*CatalogueWith(std::move(tree))), ";first", "EndStructure"),
        ";first\n;second\nEndStructure\n");

    auto trailing = MakeTree("Oak");
    trailing->m_freeText = ";only\r\n";
    EXPECT_EQ(LinesBetween(ExportPartLines(*CatalogueWith(std::move(trailing))), ";only", "EndStructure"),
        ";only\n\nEndStructure\n");
}

TEST(TreeExport, FreeTextKeepsLoneCarriageReturnsAndEndsLoneLineFeedsWithCrLf)
{
    auto tree = MakeTree("Oak");
    tree->m_freeText = ";a\rb\n;c\r\r\n;d \xE2\x82\xAC \xE2\x98\x83";
    const std::string bytes = ExportToText(*CatalogueWith(std::move(tree)), CProgramOptions());
    EXPECT_NE(bytes.find("End3D\r\n\r\n;a\rb\r\n;c\r\r\n;d \x80 ?\r\nEndStructure\r\n"), std::string::npos);
}

TEST(TreeExport, LineBreaksInSingleLineTextsBecomeBlanks)
{
    auto tree = MakeTree("Old\r\nOak");
    tree->m_catalogNo = "A\n1";
    tree->m_price = "9\r5";
    const std::string text = ExportPartLines(*CatalogueWith(std::move(tree)));
    EXPECT_EQ(text.substr(0, text.find("PPP")), "Meter\nStructure \"A 1\" \"Old  Oak\"\nPrice 9 5\n");
    EXPECT_NE(text.find("\n;Old  Oak\n\n"), std::string::npos);

    auto quoted = MakeTree("Say \"hi\"");
    EXPECT_NE(ExportPartLines(*CatalogueWith(std::move(quoted))).find("\nStructure \" \" \"Say \"hi\"\"\n"), std::string::npos);
}

} // namespace

namespace {

TEST(TreeExport, NumbersAndColourTokens)
{
    struct Row {
        int32_t radius;
        COLORREF color;
        const char* circle;
    };
    const Row rows[] = {
        {0, 0x7f, "Circle 0 0 0 $00007f"},
        {9, RGB(255, 0, 0), "Circle 0 0 9 $0000ff"},
        {10, RGB(0, 0, 255), "Circle 0 0 10 $ff0000"},
        {99, 0x123456, "Circle 0 0 99 $123456"},
        {100, 0xFFFFFF, "Circle 0 0 100 $ffffff"},
        {999, 0xA0B0C0, "Circle 0 0 999 $a0b0c0"},
        {1000, kAutomaticColor, "Circle 0 0 1000 $000000"},
        {-1, 0xFF0A0B0C, "Circle 0 0 -1 $0a0b0c"},
        {-10, 0, "Circle 0 0 -10 $000000"},
        {123456789, 0, "Circle 0 0 123456789 $000000"},
        {2147483647, 0, "Circle 0 0 2147483647 $000000"},
        {-2147483647 - 1, 0, "Circle 0 0 -2147483648 $000000"},
    };
    for (const Row& row : rows) {
        auto tree = MakeTree("Oak");
        tree->m_trunkRadius = row.radius;
        tree->m_trunkColor = row.color;
        const std::string text = ExportPartLines(*CatalogueWith(std::move(tree)));
        EXPECT_NE(text.find(std::string("\n;Trunk\n\n") + row.circle + "\n"), std::string::npos) << row.circle;
    }
}

} // namespace
