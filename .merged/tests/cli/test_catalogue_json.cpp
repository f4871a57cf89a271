#include "cli/CatalogueJson.h"
#include "cli/CliTestHelpers.h"

#include "model/Building.h"
#include "model/ModelwrightDoc.h"
#include "model/Platform.h"
#include "model/TextCodec.h"
#include "model/Tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

std::vector<uint8_t> BuildBytes(const std::string& jsonText)
{
    CModelwrightDoc document;
    document.OnNewDocument();
    CatalogueFromJsonText(jsonText, document.Parts());
    return document.SaveToBytes();
}

std::string DumpBytes(const std::vector<uint8_t>& bytes)
{
    CModelwrightDoc document;
    document.OnNewDocument();
    document.LoadFromBytes(bytes);
    return CatalogueToJsonText(document.Parts());
}

bool Contains(const std::vector<uint8_t>& bytes, const std::vector<uint8_t>& part)
{
    return std::search(bytes.begin(), bytes.end(), part.begin(), part.end()) != bytes.end();
}

TEST(CatalogueJsonRoundTrip, BuildOfDumpGivesTheSameBytesAndDumpOfBuildTheSameJson)
{
    CModelwrightDoc document;
    FillSampleCatalogue(document);
    const std::vector<uint8_t> saved = document.SaveToBytes();

    const std::string json = DumpBytes(saved);
    EXPECT_EQ(BuildBytes(json), saved);
    EXPECT_EQ(DumpBytes(BuildBytes(json)), json);
}

TEST(CatalogueJsonRoundTrip, TextThatOnlyThe16BitFormHoldsSurvives)
{
    const std::vector<uint8_t> bytes = BuildBytes(R"({"parts":[{"class":"CTree","name":"Ω🚂"}]})");
    // FF FE FF, then the length in UTF-16 units (3: the locomotive takes two), then UTF-16LE.
    EXPECT_TRUE(Contains(bytes, {0xFF, 0xFE, 0xFF, 3, 0xA9, 0x03, 0x3D, 0xD8, 0x82, 0xDE}));
    EXPECT_NE(DumpBytes(bytes).find("\"name\": \"Ω🚂\""), std::string::npos);
}

TEST(CatalogueJsonRoundTrip, EveryWindows1252ByteSurvivesDumpAndBuild)
{
    // The five bytes the code page leaves undefined, a euro sign and an accented letter.
    const std::string fileBytes = "\x81\x8D\x8F\x90\x9D\x80\xE9";
    CModelwrightDoc document;
    document.OnNewDocument();
    auto tree = std::make_unique<CTree>();
    tree->m_name = Utf8FromCp1252(fileBytes);
    document.Parts().Add(std::move(tree));
    const std::vector<uint8_t> saved = document.SaveToBytes();
    std::vector<uint8_t> stored = {static_cast<uint8_t>(fileBytes.size())};
    stored.insert(stored.end(), fileBytes.begin(), fileBytes.end());
    ASSERT_TRUE(Contains(saved, stored));

    const std::string json = DumpBytes(saved);
    // U+0081, U+008D, U+008F, U+0090, U+009D, the euro sign and e acute, in UTF-8.
    EXPECT_NE(json.find("\"name\": \"\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D\xE2\x82\xAC\xC3\xA9\""), std::string::npos);
    EXPECT_EQ(BuildBytes(json), saved);
}

TEST(CatalogueJsonForm, TextIsLaidOutAsTheJsonLibraryPrintsItAndStreamsInPieces)
{
    CModelwrightDoc document;
    FillSampleCatalogue(document);
    // Escapes, a delete character, text beyond Latin-1 and bytes that are no UTF-8.
    auto tree = std::make_unique<CTree>();
    tree->m_name = "Say \"hi\"\\\t\n\x01\x7F caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x9A\x82";
    tree->m_freeText = "broken \xC3 and \xFF\xFE end";
    document.Parts().Add(std::move(tree));
    for (int i = 0; i < 2000; ++i) // text longer than one piece
        document.Parts().Add(std::make_unique<CTree>());

    const std::string text = CatalogueToJsonText(document.Parts());
    EXPECT_EQ(text, nlohmann::ordered_json::parse(text).dump(2) + "\n");
    EXPECT_NE(text.find(R"("name": "Say \"hi\"\\\t\n\u0001)" "\x7F"), std::string::npos);
    EXPECT_NE(text.find("\"freeText\": \"broken \xEF\xBF\xBD and \xEF\xBF\xBD\xEF\xBF\xBD end\""), std::string::npos);
    std::ostringstream streamed;
    WriteCatalogueJson(document.Parts(), streamed);
    EXPECT_EQ(streamed.str(), text);
}

TEST(CatalogueJsonForm, MembersFollowTheFixedOrderAndABuildingHasNoNumber)
{
    CModelwrightDoc document;
    FillSampleCatalogue(document);
    const nlohmann::ordered_json json = CatalogueToJson(document.Parts());

    std::vector<std::string> headerMembers;
    for (const auto& [key, value] : json["header"].items())
        headerMembers.push_back(key);
    EXPECT_EQ(headerMembers, (std::vector<std::string>{"id", "name", "author", "currency", "version",
                                 "manufacturer", "representative"}));
    const auto& building = json["parts"][2];
    EXPECT_EQ(building.begin().key(), "class");
    EXPECT_FALSE(building.contains("id"));
    EXPECT_EQ(building["elements"][1]["decorationListName"], "Upper windows");
    EXPECT_EQ(building["elements"][1]["decorations"][1]["class"], "CDecoration");
    EXPECT_EQ(json["parts"][0]["topColor"], 4278190080u);
    EXPECT_EQ(json["parts"][1]["roofColor"], 4294967295u);
}

TEST(CatalogueJsonRead, MissingMembersTakeTheValuesOfNewObjects)
{
    CModelwrightDoc document;
    document.OnNewDocument();
    const int32_t nextId = CNamedObject::PeekNextId();
    CatalogueFromJsonText(
        R"({"parts":[{"class":"CTree"},{"class":"CPlatform"},{"class":"CBuilding","elements":[{"decorations":[{}]}]}]})",
        document.Parts());
    const CPartsManager& parts = document.Parts();
    ASSERT_EQ(parts.GetCount(), 3u);

    const CTree fresh;
    const auto& tree = ElementAs<CTree>(parts.GetList()[0]);
    EXPECT_EQ(tree.m_id, nextId);
    EXPECT_EQ(tree.m_topColor, fresh.m_topColor);
    EXPECT_EQ(tree.m_treeType, fresh.m_treeType);
    EXPECT_EQ(tree.m_partsPerPackage, 1);
    EXPECT_EQ(ElementAs<CPlatform>(parts.GetList()[1]).m_polesPerSide, 2);
    const CBuildingElement& element = ElementAs<CBuilding>(parts.GetList()[2]).GetElement(0);
    EXPECT_EQ(element.m_blockColor, RGB(192, 192, 192));
    EXPECT_EQ(element.m_decorations->GetDecoration(0).m_windowCount, 1);
    EXPECT_EQ(parts.m_pHeader->m_pManufacturer->m_kind, 1);
    EXPECT_EQ(parts.m_pHeader->m_pRepresentative->m_kind, 2);
}

TEST(CatalogueJsonRead, NumbersAndNamesAreTakenAsGivenButABuildingsNumberIsNot)
{
    CModelwrightDoc document;
    document.OnNewDocument();
    CatalogueFromJsonText(R"({"header":{"id":-5,"manufacturer":{"id":70000,"kind":9}},
        "parts":[{"class":"CBuilding","id":42,"name":"Shed"}]})",
        document.Parts());
    const CPartsManager& parts = document.Parts();
    EXPECT_EQ(parts.m_pHeader->m_id, -5);
    EXPECT_EQ(parts.m_pHeader->m_pManufacturer->m_id, 70000);
    EXPECT_EQ(parts.m_pHeader->m_pManufacturer->m_kind, 9);
    EXPECT_NE(parts.GetList()[0]->m_id, 42);
    EXPECT_EQ(parts.GetList()[0]->m_name, "Shed");
}

TEST(CatalogueJsonRead, EscapesAndSpacingReadAsTheirCharacters)
{
    CModelwrightDoc document;
    document.OnNewDocument();
    CatalogueFromJsonText("\t{ \"parts\" :\r\n[ {\"class\":\"CTree\", \"name\":\"a\\u00e9\\u20AC\\n\\\"\\/\\\\\\b\\f\\r\\t\",\n"
                          "\"catalogNo\":\"\\ud83d\\ude82 \xC3\xA9\", \"topHeight\":-0,"
                          " \"price\":\"\"} ] }  ",
        document.Parts());
    const auto& tree = ElementAs<CTree>(document.Parts().GetList()[0]);
    EXPECT_EQ(tree.m_name, "a\u00e9\u20ac\n\"/\\\b\f\r\t");
    EXPECT_EQ(tree.m_catalogNo, "\U0001F682 \u00e9");
    EXPECT_EQ(tree.m_topHeight, 0);
    EXPECT_EQ(tree.m_price, "");
}

TEST(CatalogueJsonRead, BoundsOfTheNumberRangesAreAccepted)
{
    CModelwrightDoc document;
    document.OnNewDocument();
    CatalogueFromJsonText(R"({"parts":[
        {"class":"CTree","topHeight":-2147483648,"topRadius":2147483647,"topColor":0,"trunkColor":4294967295}]})",
        document.Parts());
    const auto& tree = ElementAs<CTree>(document.Parts().GetList()[0]);
    EXPECT_EQ(tree.m_topHeight, INT32_MIN);
    EXPECT_EQ(tree.m_topRadius, INT32_MAX);
    EXPECT_EQ(tree.m_topColor, 0u);
    EXPECT_EQ(tree.m_trunkColor, 0xFFFFFFFFu);
}

struct RefusedJson {
    const char* json;
    const char* message;
};

void PrintTo(const RefusedJson& row, std::ostream* out)
{
    *out << row.json;
}

class CatalogueJsonRefusal : public testing::TestWithParam<RefusedJson> {};

TEST_P(CatalogueJsonRefusal, NamesTheMember)
{
    CModelwrightDoc document;
    document.OnNewDocument();
    try {
        CatalogueFromJsonText(GetParam().json, document.Parts());
        FAIL() << "accepted " << GetParam().json;
    } catch (const CJsonCatalogueError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos) << error.what();
        EXPECT_EQ(std::string(error.what()).find('\n'), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, CatalogueJsonRefusal,
    testing::Values(
        RefusedJson{R"({"parts":[{"class":"CTree","height":1}]})", "parts[0].height: unknown member"},
        RefusedJson{R"({"header":{},"extra":[]})", "extra: unknown member"},
        RefusedJson{R"({"header":{"manufacturer":{"city":""}}})", "header.manufacturer.city: unknown member"},
        RefusedJson{R"({"parts":[{"class":"CHouse"}]})", "parts[0].class: unknown class \"CHouse\""},
        RefusedJson{R"({"parts":[{"class":"CDecoration"}]})", "parts[0].class: unknown class"},
        RefusedJson{R"({"parts":[{"class":"CBuilding","elements":[{"class":"CTree"}]}]})",
            "parts[0].elements[0].class: unknown class \"CTree\""},
        RefusedJson{R"({"parts":[{"name":"Oak"}]})", "parts[0]: missing member \"class\""},
        RefusedJson{R"({"parts":[{"class":"CTree","topHeight":"20"}]})", "parts[0].topHeight: expected a number"},
        RefusedJson{R"({"parts":[{"class":"CTree","topHeight":null}]})", "parts[0].topHeight: expected a number"},
        RefusedJson{R"({"parts":[{"class":"CTree","units":true}]})", "parts[0].units: expected a number"},
        RefusedJson{R"({"parts":[{"class":"CTree","topHeight":1.5}]})", "parts[0].topHeight: expected a whole number"},
        RefusedJson{R"({"parts":[{"class":"CTree","name":5}]})", "parts[0].name: expected a string"},
        RefusedJson{R"({"parts":[{"class":"CTree","topHeight":2147483648}]})", "parts[0].topHeight: 2147483648 is out of range"},
        RefusedJson{R"({"parts":[{"class":"CTree","topHeight":-2147483649}]})", "parts[0].topHeight: -2147483649 is out of range"},
        RefusedJson{R"({"parts":[{"class":"CTree","topColor":-1}]})", "parts[0].topColor: -1 is out of range"},
        RefusedJson{R"({"parts":[{"class":"CTree","topColor":4294967296}]})", "parts[0].topColor: 4294967296 is out of range"},
        RefusedJson{R"({"parts":[{"class":"CTree","topColor":1e30}]})", "parts[0].topColor: 1e+30 is out of range"},
        RefusedJson{R"({"header":{"version":"1"}})", "header.version: expected a number"},
        RefusedJson{R"({"header":{"representative":[]}})", "header.representative: expected an object"},
        RefusedJson{R"({"parts":[{"class":"CBuilding","id":"ignored","elements":[{"decorations":[{"wall":99999999999}]}]}]})",
            "parts[0].elements[0].decorations[0].wall: 99999999999 is out of range"},
        RefusedJson{R"({"parts":[{"class":"CBuilding","elements":[{"decorations":{}}]}]})",
            "parts[0].elements[0].decorations: expected an array"},
        RefusedJson{R"({"parts":[{"class":"CBuilding","elements":[{"decorationListName":0}]}]})",
            "parts[0].elements[0].decorationListName: expected a string"},
        RefusedJson{R"({"parts":{}})", "parts: expected an array"},
        RefusedJson{R"([])", "expected an object"},
        RefusedJson{R"({"parts":[],"parts":[]})", "parts: member given twice"},
        RefusedJson{R"({"parts":[)", "Invalid JSON"},
        RefusedJson{"", "Invalid JSON"},
        RefusedJson{R"({"parts":[{"class":"CTree","topColor":1e400}]})", "Invalid JSON"},
        RefusedJson{"{\"header\":{\"name\":\"\xE9\"}}", "Invalid JSON"},
        // Of several faults, the one told does not depend on where the members stand.
        RefusedJson{R"({"parts":[{"class":"CHouse"}],"extra":1})", "extra: unknown member"},
        RefusedJson{R"({"parts":[{"class":"CHouse"}],"header":{"version":"1"}})", "header.version: expected a number"},
        RefusedJson{R"({"parts":[{"class":"CTree","units":"1"},{"class":"CHouse"}]})", "parts[0].units: expected a number"},
        RefusedJson{R"({"parts":[{"name":5,"class":"CTree","height":1}]})", "parts[0].height: unknown member"},
        RefusedJson{R"({"zzz":1,"parts":[{"class":"CHouse"}]})", "parts[0].class: unknown class"},
        RefusedJson{R"({"parts":[{"class":"CHouse"}],"parts":[]})", "parts: member given twice"},
        RefusedJson{R"({"parts":[{"class":"CHouse"}],"header":{})", "Invalid JSON"},
        RefusedJson{R"({"parts":[{"class":"CBuilding","elements":[{"decorations":[{"wall":1,"wall":2}]}]}]})",
            "wall: member given twice"},
        RefusedJson{R"({"parts":[{"class":"CTree","a0":0,"a1":0,"a2":0,"a3":0,"a4":0,"a5":0,"a6":0,"a7":0,"a8":0,
            "a9":0,"b0":0,"b1":0,"b2":0,"b3":0,"b4":0,"b5":0,"b6":0,"b7":0,"b8":0,"b9":0,"c0":0,"c1":0,"c2":0,
            "c3":0,"c4":0,"c5":0,"c6":0,"c7":0,"c8":0,"c9":0,"d0":0,"d1":0,"d2":0,"b5":1}]})",
            "b5: member given twice"}));

} // namespace
