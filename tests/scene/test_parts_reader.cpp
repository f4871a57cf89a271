#include "export/KeywordTable.h"
#include "export/PartsFileWriter.h"
#include "settings/ProgramOptions.h"
#include "model/Building.h"
#include "model/BuildingElement.h"
#include "model/ChoiceCodes.h"
#include "model/Decoration.h"
#include "model/DecorationManager.h"
#include "model/PartsManager.h"
#include "model/Platform.h"
#include "model/Tree.h"
#include "scene/PartsReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <limits>
#include <functional>
#include <random>
#include <regex>
#include <sstream>

#ifdef __linux__
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

constexpr EKeyword kAddressKeys[] = {kwName, kwStreet, kwCity, kwZip, kwCountry, kwPhone, kwFax, kwEMail};

// Two parts using every record the reader knows, in the keywords of one dialect.
std::string EveryRecordIn(SKeywordDialect dialect)
{
    const auto k = [dialect](EKeyword role) { return std::string(dialect.Keyword(role)); };
    std::string text;
    text += k(kwHeader) + "\r\n" + k(kwName) + "=Catalogue\r\n";
    for (const EKeyword block : {kwManufacturer, kwLocalSupplier}) {
        text += k(block) + "\r\n";
        for (const EKeyword key : kAddressKeys)
            text += k(key) + "=M\xfcller\r\n";
        text += k(kwEnd) + k(block) + "\r\n";
    }
    text += k(kwCurrency) + "=EUR\r\n" + k(kwAuthor) + "=Me\r\n" + k(kwVersion) + "=1\r\n";
    text += k(kwEnd) + k(kwHeader) + "\r\n\r\n";
    text += k(kwInchUnits) + "\r\n";
    text += k(kwStructure) + " \"A1\" \"Shed\"\r\n" + k(kwPrice) + " 12,50\r\n" + k(kwPartsPerPackage) + " 3\r\n";
    text += ";comment\r\n";
    text += k(kwLine) + " 0 0 10 20\r\n";
    text += k(kwRectangle) + " 0 0 10 20 $ffffff\r\n";
    text += k(kwCircle) + " 5 5 3 $0000ff\r\n";
    if (!k(kwFillpoint).empty())
        text += k(kwFillpoint) + " 1 2 $000000\r\n";
    text += k(kwPolygon) + " 0 0 10 0 10 10 $00ff00\r\n";
    text += k(kwCurveline) + " 0 0 5 5 10 0\r\n";
    text += k(kw3DHexahedron) + " 1 1\r\n";
    for (int i = 0; i < 8; ++i)
        text += std::to_string(i & 1 ? 10 : 0) + " " + std::to_string(i & 2 ? 20 : 0) + " " + std::to_string(i & 4 ? 30 : 0) + " $0000ff\r\n";
    text += k(kwEnd3D) + "\r\n\r\n";
    text += k(kw3DQuads) + " 1 1\r\n0 0 30 $00ff00\r\n10 0 30\r\n10 20 30\r\n0 20 30\r\n" + k(kwEnd3D) + "\r\n";
    text += k(kw3DLines) + " 2 2\r\n0 0 0 $000000\r\n0 0 30\r\n" + k(kwEnd3D) + "\r\n";
    text += k(kw3DSquare) + " 1 1\r\n0 0 0 $808080\r\n2 2 40\r\n" + k(kwEnd3D) + "\r\n";
    text += k(kw3DDisk) + " 5 0 12 0 1\r\n" + k(kwCenter) + " 0 0 0 $005050\r\n" + k(kwRotation) + " 180 0 0\r\n" + k(kwEnd3D) + "\r\n";
    text += k(kw3DCylinder) + " 5 5 10 12 5 0 1\r\n" + k(kwCenter) + " 0 0 0 $005050\r\n" + k(kwEnd3D) + "\r\n";
    text += k(kw3DEllipsoid) + " 40 40 10 12 10 1 1\r\n" + k(kwCenter) + " 0 0 20 $505000\r\n" + k(kwEnd3D) + "\r\n";
    text += k(kw3DEllipse) + " 20 5 0 12 1 1\r\n" + k(kwCenter) + " 20 -1 70 $0000ff\r\n" + k(kwRotation) + " 90 0 90\r\n" + k(kwEnd3D) + "\r\n";
    text += k(kwEnd) + k(kwStructure) + "\r\n\r\n";
    text += k(kwMetricUnits) + "\r\n" + k(kwStructure) + " \"A2\" \"Hut\"\r\n" + k(kwEnd) + k(kwStructure) + "\r\n";
    return text;
}

std::string Describe(const SPartsFile& file)
{
    std::string text;
    for (const SDiagnostic& diagnostic : file.m_diagnostics)
        text += FormatDiagnostic(diagnostic) + "\n";
    return text;
}

TEST(PartsReader, ReadsEveryRecordInEveryKeywordColumn)
{
    for (int column = 0; column < kKeywordColumns; ++column) {
        for (const int32_t bugfix : {0, 1}) {
            SCOPED_TRACE("column " + std::to_string(column) + " hexahedron " + std::to_string(bugfix));
            const SPartsFile file = ReadPartsText(EveryRecordIn({column, bugfix == 1}));
            EXPECT_TRUE(file.m_diagnostics.empty()) << Describe(file);
            ASSERT_EQ(file.m_scenes.size(), 2u);
            EXPECT_FALSE(file.m_scenes[1].m_inches);
            const SScene& scene = file.m_scenes[0];
            EXPECT_EQ(scene.m_catalogNo, "A1");
            EXPECT_EQ(scene.m_name, "Shed");
            EXPECT_EQ(scene.m_price, "12,50");
            EXPECT_EQ(scene.m_partsPerPackage, 3);
            EXPECT_TRUE(scene.m_inches);
            EXPECT_EQ(scene.m_plan.size(), column < 3 ? 6u : 5u);
            ASSERT_EQ(scene.m_groups.size(), 4u);
            EXPECT_EQ(scene.m_groups[0].m_kind, EGroupKind::Hexahedron);
            EXPECT_EQ(scene.Vertices(scene.m_groups[0]).size(), 8u);
            EXPECT_EQ(scene.m_groups[1].m_kind, EGroupKind::Quads);
            EXPECT_EQ(scene.Vertices(scene.m_groups[1])[3].m_color, RGB(0, 0xff, 0)) << "a plain point keeps the colour";
            EXPECT_EQ(scene.m_groups[2].m_kind, EGroupKind::Lines);
            EXPECT_EQ(scene.m_groups[3].m_kind, EGroupKind::Square);
            ASSERT_EQ(scene.m_solids.size(), 4u);
            EXPECT_EQ(scene.m_solids[0].m_kind, ESolidKind::Disk);
            EXPECT_EQ(scene.m_solids[0].m_rotation[0], 180);
            EXPECT_EQ(scene.m_solids[2].m_kind, ESolidKind::Ellipsoid);
            EXPECT_EQ(scene.m_solids[2].m_center.z, 20);
            EXPECT_EQ(scene.m_solids[2].m_color, RGB(0, 0x50, 0x50));
            EXPECT_EQ(scene.m_solids[3].m_kind, ESolidKind::Ellipse);
            EXPECT_EQ(std::vector<int32_t>(scene.m_solids[3].Numbers().begin(), scene.m_solids[3].Numbers().end()),
                (std::vector<int32_t> {20, 5, 0, 12, 1, 1}));
            ASSERT_EQ(file.m_header.size(), 20u);
            EXPECT_EQ(file.m_header[1].second, "M\xc3\xbcller");
        }
    }
}

TEST(PartsReader, ColoursAreBlueGreenRed)
{
    const SPartsFile file = ReadStructureBody("Circle 0 0 1 $0000ff\nCircle 0 0 1 $ff0000\nCircle 0 0 1 $00007F\n");
    ASSERT_EQ(file.m_scenes[0].m_plan.size(), 3u);
    EXPECT_EQ(file.m_scenes[0].m_plan[0].m_color, RGB(0xff, 0, 0));
    EXPECT_EQ(file.m_scenes[0].m_plan[1].m_color, RGB(0, 0, 0xff));
    EXPECT_EQ(file.m_scenes[0].m_plan[2].m_color, RGB(0x7f, 0, 0));
}

TEST(PartsReader, NameMayHoldDoubleQuotesAndCp1252)
{
    const SPartsFile file = ReadPartsText("Structure \"7\" \"Caf\xe9 \"Zur Post\"\"\r\nEndStructure\r\n");
    ASSERT_EQ(file.m_scenes.size(), 1u);
    EXPECT_EQ(file.m_scenes[0].m_name, "Caf\xc3\xa9 \"Zur Post\"");
    EXPECT_TRUE(file.m_diagnostics.empty()) << Describe(file);
}

struct SDamage {
    const char* m_text;
    int m_line;
    int m_column;
    EDiagnostic m_kind;
    ESeverity m_severity;
};

TEST(PartsReader, DamagedTextsGiveDiagnosticsAtTheirLines)
{
    const SDamage cases[] = {
        {"Structure \"\" \"a\"\nFrobnicate 1 2\nEndStructure\n", 2, 1, EDiagnostic::UnknownKeyword, ESeverity::Error},
        {"Structure \"\" \"a\"\nLine 1 2 3\nEndStructure\n", 2, 11, EDiagnostic::MissingNumbers, ESeverity::Error},
        {"Structure \"\" \"a\"\nLine 1 2 3 4 5\nEndStructure\n", 2, 14, EDiagnostic::ExtraNumbers, ESeverity::Warning},
        {"Structure \"\" \"a\"\nLine 1 x 3 4\nEndStructure\n", 2, 8, EDiagnostic::NotANumber, ESeverity::Error},
        {"Structure \"\" \"a\"\nLine 1 2147483648 3 4\nEndStructure\n", 2, 8, EDiagnostic::NumberOutOfRange, ESeverity::Error},
        {"Structure \"\" \"a\"\nLine 1 -99999999999999999999 3 4\nEndStructure\n", 2, 8, EDiagnostic::NumberOutOfRange, ESeverity::Error},
        {"Structure \"\" \"a\"\nCircle 1 2 3 $12345g\nEndStructure\n", 2, 14, EDiagnostic::BadColor, ESeverity::Error},
        {"Structure \"\" \"a\"\n3DLines 1 1\n1 2 3 $000000\n4 5 6\nEndStructure\n", 2, 1, EDiagnostic::GroupWithoutEnd3D, ESeverity::Error},
        {"Structure \"\" \"a\"\n3DLines 1 1\n1 2 3 $000000\n1 2\n4 5 6\nEnd3D\nEndStructure\n", 4, 4, EDiagnostic::MissingNumbers, ESeverity::Error},
        {"Structure \"\" \"a\"\n3DCylinder 1 1 1 12 5 0 1\nEnd3D\nEndStructure\n", 2, 1, EDiagnostic::SolidWithoutCenter, ESeverity::Error},
        {"Structure \"\" \"a\"\nCenter 0 0 0 $000000\nEndStructure\n", 2, 1, EDiagnostic::Misplaced, ESeverity::Error},
        {"Structure \"\" \"a\"\nEnd3D\nEndStructure\n", 2, 1, EDiagnostic::Misplaced, ESeverity::Error},
        {"Structure \"\" \"a\"\nEndStructure\n\nstray words\n", 4, 1, EDiagnostic::TextOutsideStructure, ESeverity::Error},
        {"Structure \"\" \"a\"\nLine 0 0 1 1\n", 1, 1, EDiagnostic::StructureWithoutEnd, ESeverity::Error},
        {"Header\nName=x\nStructure \"\" \"a\"\nEndStructure\n", 1, 1, EDiagnostic::HeaderWithoutEnd, ESeverity::Error},
        {"Structure a\nEndStructure\n", 1, 1, EDiagnostic::BadStructureLine, ESeverity::Warning},
        {"Structure \"\" \"a\"\n1 2 3\nEndStructure\n", 2, 1, EDiagnostic::Misplaced, ESeverity::Error},
    };
    for (const SDamage& damage : cases) {
        SCOPED_TRACE(damage.m_text);
        const SPartsFile file = ReadPartsText(damage.m_text);
        ASSERT_EQ(file.m_diagnostics.size(), 1u) << Describe(file);
        const SDiagnostic& diagnostic = file.m_diagnostics[0];
        EXPECT_EQ(diagnostic.m_line, damage.m_line);
        EXPECT_EQ(diagnostic.m_column, damage.m_column);
        EXPECT_EQ(diagnostic.m_kind, damage.m_kind);
        EXPECT_EQ(diagnostic.m_severity, damage.m_severity);
        EXPECT_FALSE(diagnostic.m_message.empty());
    }
}

TEST(PartsReader, ReadingGoesOnAfterAFault)
{
    const SPartsFile file = ReadPartsText("Structure \"\" \"a\"\nLine 1 2\n3DQuads 1 1\n0 0 0 $0000ff\n1 0 0\n1 1 0\n0 1 0\n"
                                          "3DLines 2 2\n0 0 0 $000000\n1 1 1\nEnd3D\nEndStructure\n");
    ASSERT_EQ(file.m_diagnostics.size(), 2u) << Describe(file);
    EXPECT_EQ(file.m_diagnostics[1].m_kind, EDiagnostic::GroupWithoutEnd3D);
    EXPECT_EQ(file.m_diagnostics[1].m_line, 3);
    ASSERT_EQ(file.m_scenes.size(), 1u);
    EXPECT_EQ(file.m_scenes[0].m_groups.size(), 2u);
    EXPECT_EQ(file.m_scenes[0].Vertices(file.m_scenes[0].m_groups[0]).size(), 4u);
}

// Points of all groups and plan records share one list per part; each must still get its own.
TEST(PartsReader, EveryGroupAndPlanRecordKeepsItsOwnPoints)
{
    const SPartsFile file = ReadPartsText("Structure \"\" \"a\"\n3DLines 1 1\n1 1 1 $000000\n2 2 2\nEnd3D\n"
                                          "Polygon 0 0 5 x 9 9 $00ff00\nPolygon 1 1 2 2 3 3\n"
                                          "3DQuads 1 1\n3 0 0 $0000ff\n4 0 0\n4 4 0\n3 4 0\nEnd3D\nLine 7 7 8 8\nEndStructure\n"
                                          "Structure \"\" \"b\"\n3DSquare 1 1\n5 5 5 $ffffff\n6 6 6\nEnd3D\nEndStructure\n");
    ASSERT_EQ(file.m_scenes.size(), 2u);
    const SScene& first = file.m_scenes[0];
    ASSERT_EQ(first.m_groups.size(), 2u);
    const auto lines = first.Vertices(first.m_groups[0]);
    const auto quads = first.Vertices(first.m_groups[1]);
    ASSERT_EQ(lines.size(), 2u);
    ASSERT_EQ(quads.size(), 4u);
    EXPECT_EQ(lines[1].m_x, 2);
    EXPECT_EQ(quads[0].m_x, 3);
    EXPECT_EQ(quads[3].m_y, 4);
    ASSERT_EQ(first.m_plan.size(), 2u) << "the polygon with a bad number is left out";
    const auto polygon = first.Points(first.m_plan[0]);
    ASSERT_EQ(polygon.size(), 3u);
    EXPECT_EQ(polygon[0], std::make_pair(1.0, 1.0));
    EXPECT_EQ(polygon[2], std::make_pair(3.0, 3.0));
    EXPECT_EQ(first.Points(first.m_plan[1])[0], std::make_pair(7.0, 7.0));
    EXPECT_EQ(first.m_planPoints.size(), 5u);
    const SScene& second = file.m_scenes[1];
    ASSERT_EQ(second.m_groups.size(), 1u);
    ASSERT_EQ(second.Vertices(second.m_groups[0]).size(), 2u);
    EXPECT_EQ(second.Vertices(second.m_groups[0])[0].m_z, 5);
    EXPECT_EQ(second.m_vertices.size(), 2u);
}

// What a reading holds, a line per diagnostic and primitive, so that two readings compare whole.
std::string Contents(const SPartsFile& file)
{
    std::ostringstream out;
    out << Describe(file);
    for (const SScene& scene : file.m_scenes) {
        for (const SPlanPrimitive& p : scene.m_plan) {
            out << "plan " << int(p.m_kind) << ' ' << p.m_radius << ' ' << p.m_color << ' ' << p.m_hasColor;
            for (const auto& [x, y] : scene.Points(p))
                out << ' ' << x << ',' << y;
            out << '\n';
        }
        for (const SVertexGroup& g : scene.m_groups) {
            out << "group " << int(g.m_kind) << ' ' << g.m_first << ' ' << g.m_second;
            for (const SVertex& v : scene.Vertices(g))
                out << ' ' << v.m_x << ',' << v.m_y << ',' << v.m_z << '/' << v.m_color << '@' << v.m_line;
            out << '\n';
        }
        for (const SSolid& solid : scene.m_solids) {
            out << "solid " << int(solid.m_kind) << ' ' << solid.m_color << ' ' << solid.m_center.x << ',' << solid.m_center.y
                << ',' << solid.m_center.z << ' ' << solid.m_rotation[0] << ',' << solid.m_rotation[1] << ',' << solid.m_rotation[2];
            for (const int32_t n : solid.Numbers())
                out << ' ' << n;
            out << '\n';
        }
    }
    return out.str();
}

// Every word of every line but the first that is a whole number, written anew.
std::string Respelled(const std::string& text, const std::function<std::string(const std::string&)>& respell)
{
    std::istringstream lines(text);
    std::string result;
    std::string line;
    for (bool first = true; std::getline(lines, line); first = false) {
        if (first) {
            result += line + "\n";
            continue;
        }
        std::istringstream words(line);
        std::string word;
        std::string respelled;
        while (words >> word) {
            const bool number = word.find_first_not_of("-0123456789") == std::string::npos && word != "-";
            respelled += (respelled.empty() ? "" : " ") + (number ? respell(word) : word);
        }
        result += respelled + "\n";
    }
    return result;
}

// Plainly written lines are read in one quick pass and anything else the long way; a record
// must mean the same however it is spelled.
TEST(PartsReader, PlainAndUnusualSpellingsReadAlike)
{
    std::string text = "Structure \"\" \"a\"\nLine 1 -2 3 4\nRectangle 0 0 10 20 $a0B0c0\nCircle 5 5 3 $0000ff\n"
                       "Fillpoint 1 2 $000000\n3DQuads 1 1\n0 0 30 $2040a0\n10 0 30\n-10 10 30\n0 10 30 $FFFFFF\nEnd3D\n"
                       "3DHexahedron 1 1\n";
    for (int i = 0; i < 8; ++i)
        text += std::to_string(i & 1 ? 10 : 0) + " " + std::to_string(i & 2 ? 20 : 0) + " " + std::to_string(i & 4 ? -300000000 : 7)
            + (i == 0 ? " $102030\n" : "\n");
    text += "End3D\n3DCylinder 1 1 20 8 1 0 1\nCenter 5 -5 0 $303030\nRotation 0 0 45\nEnd3D\n"
            "3DEllipse 20 5 0 12 1 1\nCenter 0 0 0 $005050\nEnd3D\n3DLines 2 2\n1 2 3 $000000\n4 5 6\nEnd3D\n"
            "3DSquare 1 1\n0 0 0 $808080\n2 2 40\nEnd3D\n3DEllipsoid 40 40 10 12 10 1 1\nCenter 0 0 20 $505000\nEnd3D\n"
            "EndStructure\n";
    const SPartsFile reading = ReadPartsText(text);
    ASSERT_TRUE(reading.m_diagnostics.empty()) << Describe(reading);
    ASSERT_EQ(reading.m_scenes.size(), 1u);
    EXPECT_EQ(reading.m_scenes[0].m_plan.size(), 4u);
    EXPECT_EQ(reading.m_scenes[0].m_groups.size(), 4u);
    EXPECT_EQ(reading.m_scenes[0].m_solids.size(), 3u);
    const std::string expected = Contents(reading);

    const auto padded = [](const std::string& number) {
        const bool negative = number[0] == '-';
        const std::string digits = number.substr(negative ? 1 : 0);
        return (negative ? "-" : "") + std::string(10 - digits.size(), '0') + digits;
    };
    const std::pair<const char*, std::string> spellings[] = {
        {"plus signs", Respelled(text, [](const std::string& n) { return n[0] == '-' ? n : "+" + n; })},
        {"ten digits", Respelled(text, padded)},
        {"tabs", Respelled(text, [](const std::string& n) { return "\t" + n + " \t"; })},
        {"CR LF", std::regex_replace(text, std::regex("\n"), "  \r\n")},
        {"CR", std::regex_replace(text, std::regex("\n"), " \r")},
        {"CR, LF and CR LF", std::regex_replace(text, std::regex("\n([^\n]*)\n"), "\r$1\r\n")},
        {"blank lines and comments", std::regex_replace(text, std::regex("\n"), "\n\n ; a remark 1 2 3\n\t\n")},
    };
    for (const auto& [what, spelled] : spellings) {
        SCOPED_TRACE(what);
        const SPartsFile respelled = ReadPartsText(spelled);
        if (std::string(what) == "blank lines and comments")
            EXPECT_EQ(std::regex_replace(Contents(respelled), std::regex("@[0-9]+"), ""),
                std::regex_replace(expected, std::regex("@[0-9]+"), ""));
        else
            EXPECT_EQ(Contents(respelled), expected);
    }
}

TEST(PartsReader, FreeTextLinesCountFromTheirFirstLine)
{
    const SPartsFile file = ReadStructureBody("; my own roof\r\n3DQuads 1 1\r\n0 0 0 $0000ff\r\nEnd3D\r\nLien 0 0 1 1\r\n");
    ASSERT_EQ(file.m_diagnostics.size(), 2u) << Describe(file);
    EXPECT_EQ(file.m_diagnostics[0].m_kind, EDiagnostic::IncompleteGroup);
    EXPECT_EQ(file.m_diagnostics[0].m_line, 2);
    EXPECT_EQ(file.m_diagnostics[1].m_line, 5);
    EXPECT_EQ(FormatDiagnostic(file.m_diagnostics[1]), "5:1: error: Unknown keyword \"Lien\".");
}

TEST(PartsReader, EndlessGarbageGivesABoundedListAndCountsEveryFault)
{
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "nonsense\n";
    const SPartsFile file = ReadPartsText(text);
    EXPECT_LE(file.m_diagnostics.size(), 1000u);
    EXPECT_TRUE(file.HasErrors());
    EXPECT_EQ(file.m_found.m_errors, 5000u);
    EXPECT_EQ(file.Unlisted().Total(), 5000u - file.m_diagnostics.size());
}

TEST(PartsReader, AnErrorPastAFullListOfWarningsStillFailsTheFile)
{
    for (const int warnings : {999, 1000, 6000}) {
        std::string text = "Structure \"1\" \"a\"\n";
        for (int i = 0; i < warnings; ++i)
            text += "Line 0 0 1 1 9\n";
        text += "Bogus 1\nEndStructure\n";
        const SPartsFile file = ReadPartsText(text);
        EXPECT_TRUE(file.HasErrors()) << warnings << " warnings first";
        EXPECT_EQ(file.m_found.m_warnings, size_t(warnings));
        EXPECT_EQ(file.m_found.m_errors, 1u);
        const SDiagnosticCount unlisted = file.Unlisted();
        EXPECT_EQ(unlisted.m_errors, warnings >= 1000 ? 1u : 0u);
        EXPECT_EQ(unlisted.Total() + file.m_diagnostics.size(), size_t(warnings) + 1);
    }
}

TEST(PartsReader, TheLineEndingAShortenedListSaysWhatItLeftOut)
{
    EXPECT_EQ(FormatUnlisted({}), "");
    EXPECT_EQ(FormatUnlisted({3, 5120}), "... and 5,123 more: 3 errors, 5,120 warnings");
    EXPECT_EQ(FormatUnlisted({1, 0}), "... and 1 more: 1 error");
    EXPECT_EQ(FormatUnlisted({0, 1}), "... and 1 more: 1 warning");
    EXPECT_EQ(FormatUnlisted({1234567, 0}), "... and 1,234,567 more: 1,234,567 errors");
    EXPECT_EQ(FormatUnlisted({999, 1}), "... and 1,000 more: 999 errors, 1 warning");
}

TEST(PartsReader, TextDescribingMuchMoreThanItsSizeStopsWithAMessage)
{
    // Each short line opens a part, which takes far more memory than its bytes.
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += "Structure\n";
    const SPartsFile file = ReadPartsText(text);
    ASSERT_FALSE(file.m_diagnostics.empty());
    EXPECT_EQ(file.m_diagnostics.back().m_kind, EDiagnostic::ReadingStopped);
    EXPECT_LT(file.m_scenes.size(), 200000u);
    EXPECT_LE(file.m_scenes.size() * sizeof(SScene), text.size() * 2 + (size_t(5) << 20));
}

#if defined(__linux__) && !defined(MW_SANITIZED)
// More lines than a line number counts: one piece of line ends mapped again and again, so the
// text takes the memory of one piece.
TEST(PartsReader, LinesBeyondTheCountableStopWithAMessage)
{
    constexpr size_t kPiece = size_t(16) << 20;
    constexpr size_t kPieces = (size_t(1) << 31) / kPiece + 1;
    const int fd = ::memfd_create("line-ends", 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, kPiece), 0);
    void* piece = ::mmap(nullptr, kPiece, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    ASSERT_NE(piece, MAP_FAILED);
    std::memset(piece, '\n', kPiece);
    ::munmap(piece, kPiece);
    auto* area = static_cast<char*>(::mmap(nullptr, kPieces * kPiece, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(area, MAP_FAILED);
    for (size_t i = 0; i < kPieces; ++i)
        ASSERT_NE(::mmap(area + i * kPiece, kPiece, PROT_READ, MAP_SHARED | MAP_FIXED, fd, 0), MAP_FAILED);
    ::close(fd);

    const SPartsFile file = ReadPartsText(std::string_view(area, kPieces * kPiece));
    ::munmap(area, kPieces * kPiece);
    ASSERT_EQ(file.m_diagnostics.size(), 1u);
    EXPECT_EQ(file.m_diagnostics[0].m_kind, EDiagnostic::ReadingStopped);
    EXPECT_EQ(file.m_diagnostics[0].m_line, std::numeric_limits<int>::max());
}
#endif

// A catalogue whose values vary at random, fixed by the seed.
class CRandomCatalogue {
public:
    explicit CRandomCatalogue(unsigned seed) : m_random(seed) { }

    std::unique_ptr<CPartsManager> Make(int parts)
    {
        auto manager = std::make_unique<CPartsManager>();
        for (int i = 0; i < parts; ++i) {
            switch (i % 3) {
            case 0:
                manager->Add(Tree(i));
                break;
            case 1:
                manager->Add(Platform(i));
                break;
            default:
                manager->Add(Building(i));
                break;
            }
        }
        return manager;
    }

private:
    int32_t Number(int32_t low, int32_t high) { return std::uniform_int_distribution<int32_t>(low, high)(m_random); }
    COLORREF Colour() { return static_cast<COLORREF>(Number(0, 0xFFFFFF)); }

    std::unique_ptr<CTree> Tree(int i)
    {
        auto tree = std::make_unique<CTree>();
        tree->m_name = "Tree " + std::to_string(i);
        tree->m_treeType = Number(0, 1) ? kTreeNeedleLeaved : kTreeDeciduous;
        tree->m_trunkHeight = Number(1, 500);
        tree->m_trunkRadius = Number(1, 50);
        tree->m_topHeight = Number(1, 900);
        tree->m_topRadius = Number(1, 300);
        tree->m_trunkColor = Colour();
        tree->m_topColor = Colour();
        return tree;
    }
    std::unique_ptr<CPlatform> Platform(int i)
    {
        auto platform = std::make_unique<CPlatform>();
        platform->m_name = "Platform " + std::to_string(i);
        platform->m_length = Number(100, 3000);
        platform->m_width = Number(20, 300);
        platform->m_height = Number(2, 40);
        platform->m_coverType = Number(kCoverNone, kCoverSinglePitch);
        platform->m_poleStyle = Number(0, 1) ? kPoleRound : kPoleSquare;
        platform->m_polesPerSide = Number(0, 6);
        platform->m_poleDiameter = Number(1, 10);
        platform->m_poleHeight = Number(10, 60);
        platform->m_roofHeight = Number(0, 20);
        platform->m_edgeDistance = Number(0, 10);
        return platform;
    }
    std::unique_ptr<CBuilding> Building(int i)
    {
        auto building = std::make_unique<CBuilding>();
        building->m_name = "Building " + std::to_string(i);
        building->m_freeText = "; the owner's note\r\n3DLines 1 1\r\n0 0 0 $000000\r\n5 5 5\r\nEnd3D";
        const int elements = Number(1, 4);
        for (int e = 0; e < elements; ++e) {
            auto element = std::make_unique<CBuildingElement>();
            element->m_name = "Element " + std::to_string(e);
            element->m_positionX = Number(-500, 500);
            element->m_positionY = Number(-500, 500);
            element->m_positionZ = Number(0, 100);
            element->m_blockWidth = Number(10, 400);
            element->m_blockDepth = Number(10, 400);
            element->m_blockHeight = Number(10, 300);
            element->m_roofType = Number(kRoofGable, kRoofNone);
            element->m_roofOrientation = Number(kRoofOrientation0, kRoofOrientation270);
            element->m_roofHeight = Number(0, 100);
            element->m_roofAngle = Number(0, 90);
            const int decorations = Number(0, 4);
            for (int d = 0; d < decorations; ++d) {
                auto decoration = std::make_unique<CDecoration>();
                decoration->m_name = "Window " + std::to_string(d);
                decoration->m_wall = Number(kWallFront, kWallRight);
                decoration->m_mainType = Number(0, 1) ? kDecorationBaseA : kDecorationBaseB;
                decoration->m_subtype = Number(kDecorationDoor, kDecorationWindow);
                decoration->m_windowCount = Number(1, 8);
                decoration->m_positionX = Number(0, 100);
                decoration->m_positionZ = Number(0, 100);
                decoration->m_width = Number(5, 60);
                decoration->m_height = Number(5, 90);
                element->m_decorations->Add(std::move(decoration));
            }
            building->Add(std::move(element));
        }
        return building;
    }

    std::mt19937 m_random;
};

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

TEST(PartsReader, ReadsBackEveryPartOfARandomCatalogueAsWritten)
{
    CRandomCatalogue generator(20261208);
    const std::unique_ptr<CPartsManager> parts = generator.Make(60);
    for (const int32_t language : {112, 154, 108}) {
        for (const int32_t version : {156, 157}) {
            CProgramOptions options;
            options.m_language = language;
            options.m_winrailVersion = version;
            options.m_hexahedronBugfix = language == 112 ? 0 : 1;
            SCOPED_TRACE("language " + std::to_string(language) + " version " + std::to_string(version));
            const std::string text = ExportToText(*parts, options);
            const SPartsFile file = ReadPartsText(text);
            EXPECT_TRUE(file.m_diagnostics.empty()) << Describe(file);
            ASSERT_EQ(file.m_scenes.size(), parts->GetList().size());
            EXPECT_EQ(file.m_header.size(), 20u);

            // Every point line of the text is one vertex with those numbers, and nothing else is.
            const std::vector<std::string> lines = LinesOf(text);
            size_t pointLines = 0;
            for (const std::string& line : lines) {
                long x, y, z;
                char rest[16];
                pointLines += std::sscanf(line.c_str(), "%ld %ld %ld%15s", &x, &y, &z, rest) >= 3 ? 1 : 0;
            }
            size_t vertices = 0;
            size_t index = 0;
            for (const auto& object : parts->GetList()) {
                const SScene& scene = file.m_scenes[index++];
                EXPECT_EQ(scene.m_name, static_cast<const CNamedObject&>(*object).m_name);
                for (const SVertexGroup& group : scene.m_groups)
                    for (const SVertex& vertex : scene.Vertices(group)) {
                        ++vertices;
                        EXPECT_GT(vertex.m_line, group.m_line) << "a point belongs to the group above it";
                        long x = 0, y = 0, z = 0;
                        ASSERT_EQ(std::sscanf(lines[vertex.m_line - 1].c_str(), "%ld %ld %ld", &x, &y, &z), 3);
                        EXPECT_EQ(vertex.m_x, x);
                        EXPECT_EQ(vertex.m_y, y);
                        EXPECT_EQ(vertex.m_z, z);
                    }
                if (const auto* platform = dynamic_cast<const CPlatform*>(object.get())) {
                    ASSERT_FALSE(scene.m_plan.empty());
                    EXPECT_EQ(scene.m_plan[0].m_kind, EPlanKind::Rectangle);
                    EXPECT_EQ(scene.Points(scene.m_plan[0])[1], std::make_pair(double(platform->m_length), double(platform->m_width)));
                }
                if (const auto* tree = dynamic_cast<const CTree*>(object.get())) {
                    ASSERT_EQ(scene.m_solids.size(), 3u);
                    EXPECT_EQ(scene.m_solids[1].m_numbers[2], tree->m_trunkHeight);
                    EXPECT_EQ(scene.m_solids[2].m_color, tree->m_topColor);
                    EXPECT_EQ(scene.m_plan[1].m_radius, tree->m_topRadius);
                }
            }
            EXPECT_EQ(vertices, pointLines);
        }
    }
}

TEST(PartsReader, ReadsOnePartAndOneElementExportedAlone)
{
    CPlatform platform;
    platform.m_name = "Quay";
    platform.m_length = 100;
    platform.m_width = 20;
    platform.m_height = 5;
    const SPartsFile part = ReadPartsText(ExportPartToText(platform, CProgramOptions()));
    EXPECT_TRUE(part.m_diagnostics.empty()) << Describe(part);
    ASSERT_EQ(part.m_scenes.size(), 1u);
    EXPECT_EQ(part.m_scenes[0].m_name, "Quay");

    CBuildingElement element;
    element.m_name = "Hall";
    element.m_blockWidth = element.m_blockDepth = element.m_blockHeight = 10;
    auto window = std::make_unique<CDecoration>();
    window->m_wall = kWallFront;
    window->m_width = window->m_height = 4;
    element.m_decorations->Add(std::move(window));
    const SPartsFile alone = ReadPartsText(ExportElementToText(element, CProgramOptions()));
    EXPECT_TRUE(alone.m_diagnostics.empty()) << Describe(alone);
    ASSERT_EQ(alone.m_scenes.size(), 1u);
    EXPECT_EQ(alone.m_scenes[0].m_name, "Hall");
    EXPECT_EQ(alone.m_scenes[0].m_groups.size(), 3u) << "block, edges and the window's face";

    // The element's block and its window apart, as the preview shows them: together the lines
    // of the element, the window's between the block's and the end.
    const std::string block = ExportElementBlockToText(element, CProgramOptions());
    const auto& decoration = static_cast<const CDecoration&>(*element.m_decorations->GetList().front());
    const std::string windowText = ExportDecorationToText(decoration, element, CProgramOptions());
    const auto bodyOf = [](const std::string& text) {
        const size_t first = text.find('\n', text.find("Structure")) + 1;
        return text.substr(first, text.rfind("EndStructure") - first);
    };
    std::string joined = block;
    joined.insert(joined.rfind("EndStructure"), bodyOf(windowText));
    EXPECT_EQ(joined, ExportElementToText(element, CProgramOptions()));
    EXPECT_TRUE(ReadPartsText(windowText).m_diagnostics.empty());
}

} // namespace

namespace {

std::string GroupOf(const char* keyword, int points, bool colouredFirst = true)
{
    std::string text = std::string(keyword) + " 1 1\n";
    for (int i = 0; i < points; ++i)
        text += std::to_string(i) + " " + std::to_string(i % 3) + " 0" + (i == 0 && colouredFirst ? " $0000ff" : "") + "\n";
    return text + "End3D\n";
}

} // namespace

TEST(PartsReader, GroupsOfNoWholeShapeAreErrorsAndAnUncolouredStartAWarning)
{
    struct SCase {
        const char* keyword;
        int points;
        bool error;
    };
    for (const SCase& c : {SCase {"3DHexaeder", 7, true}, SCase {"3DHexaeder", 9, true}, SCase {"3DQuads", 6, true},
             SCase {"3DLines", 3, true}, SCase {"3DSquare", 5, true}, SCase {"3DHexaeder", 16, false},
             SCase {"3DQuads", 8, false}, SCase {"3DLines", 4, false}}) {
        SCOPED_TRACE(std::string(c.keyword) + " " + std::to_string(c.points));
        const SPartsFile file = ReadStructureBody(GroupOf(c.keyword, c.points));
        EXPECT_EQ(file.HasErrors(), c.error) << Describe(file);
        EXPECT_EQ(file.m_diagnostics.size(), c.error ? 1u : 0u) << Describe(file);
    }
    const SPartsFile empty = ReadStructureBody(GroupOf("3DQuads", 0));
    ASSERT_EQ(empty.m_diagnostics.size(), 1u) << Describe(empty);
    EXPECT_EQ(empty.m_diagnostics[0].m_severity, ESeverity::Warning);

    const SPartsFile plain = ReadStructureBody("; first\n" + GroupOf("3DQuads", 8, false));
    ASSERT_EQ(plain.m_diagnostics.size(), 1u) << Describe(plain);
    EXPECT_EQ(plain.m_diagnostics[0].m_kind, EDiagnostic::UncoloredGroup);
    EXPECT_EQ(plain.m_diagnostics[0].m_severity, ESeverity::Warning);
    EXPECT_EQ(plain.m_diagnostics[0].m_line, 3) << "named at the group's first point";
    // A colour on a later point does not make up for the first.
    const SPartsFile later = ReadStructureBody("3DLines 1 1\n0 0 0\n1 1 1 $00ff00\nEnd3D\n");
    ASSERT_EQ(later.m_diagnostics.size(), 1u) << Describe(later);
    EXPECT_EQ(later.m_diagnostics[0].m_kind, EDiagnostic::UncoloredGroup);
}
