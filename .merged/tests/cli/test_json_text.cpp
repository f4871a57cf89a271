#include "cli/CatalogueJson.h"
#include "cli/CliTestHelpers.h"
#include "cli/JsonWithoutRunningNumbers.h"

#include "model/ModelwrightDoc.h"


#include <gtest/gtest.h>

namespace {

// What reading the text gives: the catalogue, or the message.
std::string Outcome(std::string_view text)
{
    CModelwrightDoc document;
    document.OnNewDocument();
    try {
        CatalogueFromJsonText(text, document.Parts());
    } catch (const CJsonCatalogueError& error) {
        return error.what();
    }
    return WithoutRunningNumbers(document.Parts());
}

// The same through the JSON library's tree of the whole text.
std::string OutcomeThroughTheTree(std::string_view text)
{
    CModelwrightDoc document;
    document.OnNewDocument();
    try {
        CatalogueFromJson(nlohmann::json::parse(text), document.Parts());
    } catch (const CJsonCatalogueError& error) {
        return error.what();
    }
    return WithoutRunningNumbers(document.Parts());
}

TEST(JsonText, PartsWrittenInAnyOrderOrWithFaultsReadAsTheLibrarysTreeReadsThem)
{
    const char* const texts[] = {
        R"({"parts":[{"name":"Oak","class":"CTree","topColor":255}]})",
        R"({"parts":[{"class":"CBuilding","elements":[{"name":"Block","class":"CBuildingElement",
            "decorations":[{"windowCount":3,"class":"CDecoration"}],"decorationListName":"Windows"}]}]})",
        "\xEF\xBB\xBF{\"parts\":[{\"class\":\"CPlatform\",\"na\\u006De\":\"\\u00e9\\ud83d\\ude82\",\"width\":-0}]}",
        R"({"parts":[{"class":"CTree","units":1.0}]})",
        R"({"parts":[{"class":"CTree","price":"a"},{"class":"CTree","topColor":18446744073709551615}]})",
        R"({"parts":[{"class":"CTree","topHeight":-9223372036854775809}]})",
        R"({"parts":[{"class":"CBuilding","elements":[{"decorations":[{"class":"CTree"}]}]}]})",
        R"({"parts":[{"class":"CBuilding","elements":[{"roofColor":-1,"blockColor":"x"}]}]})",
        R"({"parts":[{"class":"CBuilding","id":{"any":[1,"x",null]},"elements":{}}]})",
        R"({"parts":[{"class":"CTree"},7,{"class":"CTree","name":null}],"header":{"author":"Me"}})",
        R"({"header":{"manufacturer":{"kind":"1"}},"parts":[{"class":"CTree","topRadius":1e5}]})",
        R"({"parts":[{"class":"CTree","topHeight":-2147483648,"topColor":4294967295,"name":"\u0081\u00e9\ud83d\ude82"}]})",
    };
    for (const char* text : texts)
        EXPECT_EQ(Outcome(text), OutcomeThroughTheTree(text)) << text;
}

TEST(JsonText, TakesExactlyTheSyntaxTheLibraryTakes)
{
    const char* const values[] = {"1.", "-", "01", "1e", "1E+2", "-0.0e-0", ".5", "+1", "1e400", "-1e400", "1e-400",
        "123456789012345678901234567890", "18446744073709551616", "-9223372036854775809", "tru", "nulll", "True",
        R"("\ud800")", R"("\udc00")", R"("\ud800\u0041")", R"("\ud83d\ude82")", R"("\u12G4")", R"("\x")", "\"\t\"",
        "\"\x7F\"", "\"\xC0\x80\"", "\"\xED\xA0\x80\"", "\"\xF4\x90\x80\x80\"", "\"\xF4\x8F\xBF\xBF\"", "\"\xE9\"",
        "[1,]", "[,1]", "{\"a\":1,}", "{\"a\" 1}", "{1:1}", "[1 2]", "[[[[]]]]", "{\"a\":{\"b\":[{}]}}", "\"abc",
        "\"\\", "[", "{\"a\":1,\"b\":2,\"a\":3}"};
    for (const char* value : values) {
        const std::string text = std::string("{\"zz\":") + value + "}";
        const bool invalid = Outcome(text).starts_with("Invalid JSON");
        EXPECT_EQ(invalid, !nlohmann::json::accept(text)) << text << ": " << Outcome(text);
    }
    EXPECT_EQ(Outcome("{\"zz\":{\"a\":1,\"b\":2,\"a\":3}}"), "a: member given twice");
    EXPECT_EQ(Outcome("\xEF\xBB\xBF{\"zz\":1}"), "zz: unknown member");
}

TEST(JsonText, FaultsOfSyntaxNameLineColumnAndByteAndQuoteLittle)
{
    EXPECT_EQ(Outcome("{\"parts\":[\n  {\"class\":\"CTree\",}]}"),
        "Invalid JSON: parse error at line 2, column 20 (byte 30): expected a member name in double quotes, found '}]}'");
    EXPECT_EQ(Outcome("{\"parts\":[]}\r\n  x"), "Invalid JSON: parse error at line 2, column 3 (byte 16): "
                                                  "only white space may follow the catalogue");
    EXPECT_EQ(Outcome("{\"a\":\n        x        1}"),
        "Invalid JSON: parse error at line 2, column 9 (byte 14): expected a value, found 'x        1}'");
    EXPECT_EQ(Outcome("{\"a\":\n\t\t\r\n\t\t\t\t1\t\t\t\tx}"),
        "Invalid JSON: parse error at line 3, column 10 (byte 19): expected ',' or '}', found 'x}'");
    EXPECT_EQ(Outcome("{\"parts\":[1 2]}"),
        "Invalid JSON: parse error at line 1, column 13 (byte 12): expected ',' or ']', found '2]}'");
    EXPECT_EQ(Outcome("{\"a\":\"x\ty\"}"),
        "Invalid JSON: parse error at line 1, column 8 (byte 7): invalid string: control character U+0009 must be escaped");

    const std::string longLine(200, 'y');
    EXPECT_EQ(Outcome("{\"a\":" + longLine + "}"), "Invalid JSON: parse error at line 1, column 6 (byte 5): "
                                                     "expected a value, found '" + std::string(60, 'y') + "…'");
    const std::string digits = "1" + std::string(400, '0');
    EXPECT_EQ(Outcome("{\"a\":" + digits + "}"), "Invalid JSON: parse error at line 1, column 6 (byte 5): "
                                                   "number overflow parsing '" + digits.substr(0, 60) + "…'");
}

TEST(JsonText, WhiteSpaceOfAnyLengthGivesAShortMessage)
{
    for (const char space : {' ', '\t', '\n'}) {
        const std::string blank(size_t(8) << 20, space);
        const std::string empty = Outcome(blank);
        EXPECT_TRUE(empty.starts_with("Invalid JSON")) << empty;
        EXPECT_NE(empty.find("unexpected end of input"), std::string::npos) << empty;
        const std::string stray = Outcome(blank + "x");
        EXPECT_NE(stray.find("expected a value, found 'x'"), std::string::npos) << stray.substr(0, 200);
        EXPECT_LT(stray.size(), 200u);
    }
}

TEST(JsonText, NamesAndClassesInMessagesAreCutShort)
{
    const std::string name(1000, 'n');
    const std::string shortened = std::string(60, 'n') + "…";
    EXPECT_EQ(Outcome("{\"" + name + "\":1}"), shortened + ": unknown member");
    EXPECT_EQ(Outcome("{\"parts\":[{\"class\":\"CTree\",\"" + name + "\":1}]}"), "parts[0]." + shortened + ": unknown member");
    EXPECT_EQ(Outcome("{\"parts\":[{\"class\":\"" + name + "\"}]}"), "parts[0].class: unknown class \"" + shortened + "\"");
    EXPECT_EQ(Outcome("{\"zz\":{\"" + name + "\":1,\"" + name + "\":2}}"), shortened + ": member given twice");
    // Characters, not bytes, are counted, and none is cut in two.
    std::string many;
    for (int i = 0; i < 100; ++i)
        many += "\xC3\xA9";
    EXPECT_EQ(Outcome("{\"" + many + "\":1}"), many.substr(0, 120) + "…: unknown member");
}

} // namespace
