#include "export/ExportTestHelpers.h"

#include "export/KeywordTable.h"

#include <gtest/gtest.h>

namespace {

TEST(KeywordColumns, OptionsChooseTheColumn)
{
    struct Row {
        int32_t language;
        int32_t winrailVersion;
        int32_t column;
    };
    const Row rows[] = {
        {kLanguageEnglish, kWinrail6, kColumnEnglish6},
        {kLanguageDutch, kWinrail6, kColumnDutch6},
        {kLanguageGerman, kWinrail6, kColumnGerman6},
        {kLanguageEnglish, kWinrail5, kColumnEnglish5},
        {kLanguageDutch, kWinrail5, kColumnDutch5},
        {kLanguageGerman, kWinrail5, kColumnGerman5},
        {kLanguageFrench, kWinrail6, kColumnEnglish6},
        {kLanguageDefault, kWinrail5, kColumnEnglish5},
        {0, 0, kColumnEnglish6},
        {kLanguageGerman, 155, kColumnGerman6},
    };
    for (const Row& row : rows)
        EXPECT_EQ(DialectOf(Options(row.language, row.winrailVersion)).m_column, row.column)
            << row.language << " " << row.winrailVersion;
}

// A catalogue that uses every keyword a structure block can hold.
std::unique_ptr<CPartsManager> EveryKindOfPart()
{
    auto parts = std::make_unique<CPartsManager>();
    auto tree = MakeTree("Oak");
    tree->m_units = kUnitsInches;
    parts->Add(std::move(tree));
    auto platform = MakePlatform("Quay");
    platform->m_coverType = kCoverPitched;
    platform->m_poleStyle = kPoleSquare;
    parts->Add(std::move(platform));
    auto building = MakeBuilding("Shed");
    AddElement(*building, "Hall").m_roofType = kRoofNone;
    parts->Add(std::move(building));
    return parts;
}

TEST(KeywordColumns, EveryColumnSpeaksItsOwnDialect)
{
    struct Row {
        CProgramOptions options;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {Options(kLanguageEnglish, kWinrail5),
            {"Inch", "Haus \" \" \"Oak\"", "Price 0", "Circle 0 0 5 $005050", "3DDisk 5 0 12 0 1", "3DCylinder 5 5 10 12 5 0 1",
                "Center 0 0 0 $005050", "3DEllipsoid 40 40 10 12 10 1 1", "EndHaus", "3DHexaeder 1 1",
                "3DSquare 1 1", "Rectangle 0 0 0 0 $000000", "Line 0 0 0 0", "3DQuads 1 1", "3DLines 2 2", "End3D"}},
        {Options(kLanguageDutch, kWinrail5),
            {"Inch", "Huis \" \" \"Oak\"", "Prijs 0", "Cirkel 0 0 5 $005050", "3DDisk 5 0 12 0 1", "3DCylinder 5 5 10 12 5 0 1",
                "Center 0 0 0 $005050", "EindeHuis", "3DHexaeder 1 1", "3DSquare 1 1", "Rechthoek 0 0 0 0 $000000",
                "Lijn 0 0 0 0"}},
        {Options(kLanguageGerman, kWinrail5),
            {"Zoll", "Haus \" \" \"Oak\"", "Preis 0", "Kreislinie 0 0 5 $005050", "3DDisk 5 0 12 0 1", "3DCylinder 5 5 10 12 5 0 1",
                "Center 0 0 0 $005050", "EndHaus", "3DHexaeder 1 1", "3DSquare 1 1", "Rechteck 0 0 0 0 $000000",
                "Linie 0 0 0 0"}},
        {Options(kLanguageEnglish, kWinrail6),
            {"Inch", "Structure \" \" \"Oak\"", "Price 0", "Circle 0 0 5 $005050", "3DDisk 5 0 12 0 1",
                "3DCylinder 5 5 10 12 5 0 1", "Center 0 0 0 $005050", "EndStructure", "3DHexahedron 1 1", "3DSquare 1 1",
                "Rectangle 0 0 0 0 $000000", "Line 0 0 0 0"}},
        {Options(kLanguageDutch, kWinrail6),
            {"Inch", "Huis \" \" \"Oak\"", "Prijs 0", "Cirkel 0 0 5 $005050", "3DDisk 5 0 12 0 1", "3DCylinder 5 5 10 12 5 0 1",
                "Center 0 0 0 $005050", "EindeHuis", "3DHexaeder 1 1", "3DSquare 1 1", "Rechthoek 0 0 0 0 $000000",
                "Lijn 0 0 0 0"}},
        {Options(kLanguageGerman, kWinrail6),
            {"Zoll", "Haus \" \" \"Oak\"", "Preis 0", "Kreislinie 0 0 5 $005050", "3DKreis 5 0 12 0 1",
                "3DZylinder 5 5 10 12 5 0 1", "Mitte 0 0 0 $005050", "EndHaus", "3DHexaeder 1 1", "3DQuader 1 1",
                "Rechteck 0 0 0 0 $000000", "Linie 0 0 0 0", "3DEllipsoid 40 40 10 12 10 1 1"}},
    };
    const auto parts = EveryKindOfPart();
    for (const Row& row : rows) {
        const std::string text = "\n" + ExportPartLines(*parts, row.options);
        for (const std::string& line : row.lines)
            EXPECT_NE(text.find("\n" + line + "\n"), std::string::npos)
                << line << " in language " << row.options.m_language << " " << row.options.m_winrailVersion;
    }
}

TEST(KeywordColumns, HexahedronKeywordFollowsTheSwitchOnlyInEnglish6)
{
    struct Row {
        CProgramOptions options;
        const char* groupLine;
    };
    const Row rows[] = {
        {Options(kLanguageEnglish, kWinrail6, 1), "3DHexahedron 1 1"},
        {Options(kLanguageEnglish, kWinrail6, 0), "3DHexaedron  1 1"},
        {Options(kLanguageEnglish, kWinrail6, 2), "3DHexaedron  1 1"},
        {Options(kLanguageEnglish, kWinrail5, 1), "3DHexaeder 1 1"},
        {Options(kLanguageEnglish, kWinrail5, 0), "3DHexaeder 1 1"},
        {Options(kLanguageDutch, kWinrail6, 0), "3DHexaeder 1 1"},
        {Options(kLanguageGerman, kWinrail6, 1), "3DHexaeder 1 1"},
    };
    const auto parts = EveryKindOfPart();
    for (const Row& row : rows) {
        const std::string text = ExportPartLines(*parts, row.options);
        EXPECT_NE(text.find(std::string("\n") + row.groupLine + "\n0 0 0 $c8c8c8\n"), std::string::npos)
            << row.groupLine << " with switch " << row.options.m_hexahedronBugfix;
    }
    // The spelling belongs to each export: one writer's options never leak into another's.
    const std::string old = ExportPartLines(*parts, Options(kLanguageEnglish, kWinrail6, 0));
    const std::string correct = ExportPartLines(*parts, Options(kLanguageEnglish, kWinrail6, 1));
    EXPECT_NE(old, correct);
    EXPECT_EQ(ExportPartLines(*parts, Options(kLanguageEnglish, kWinrail6, 0)), old);
}

TEST(KeywordColumns, EmptyCatalogueAndForeignObjectsGiveOnlyTheHeader)
{
    CPartsManager empty;
    const std::string headerOnly = ExportLines(empty);
    EXPECT_EQ(headerOnly.substr(headerOnly.size() - 12), "\nEndHeader\n\n");
    EXPECT_EQ(ExportPartLines(empty), "");

    CPartsManager foreign;
    foreign.Add(std::make_unique<CManufacturer>());
    foreign.Add(std::make_unique<CNamedObject>());
    EXPECT_EQ(ExportLines(foreign), headerOnly);
}

TEST(KeywordColumns, PartsFollowInListOrder)
{
    const std::string text = ExportPartLines(*EveryKindOfPart());
    const size_t tree = text.find("\"Oak\"");
    const size_t platform = text.find("\"Quay\"");
    const size_t building = text.find("\"Shed\"");
    ASSERT_NE(building, std::string::npos);
    EXPECT_LT(tree, platform);
    EXPECT_LT(platform, building);
}

} // namespace
