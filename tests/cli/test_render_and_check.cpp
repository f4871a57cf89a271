#include "cli/CliTestHelpers.h"
#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

constexpr const char* kCatalogue = R"({"header":{"name":"Test"},"parts":[
    {"class":"CTree","name":"Oak"},
    {"class":"CPlatform","name":"Quay","length":300,"width":40,"height":5,"coverType":1094,"poleStyle":1102}]})";

bool IsPng(const std::string& bytes) { return bytes.rfind("\x89PNG\r\n\x1a\n", 0) == 0; }

// Width and height from the picture's header.
std::pair<uint32_t, uint32_t> PngSize(const std::string& bytes)
{
    const auto number = [&](size_t at) {
        return uint32_t(uint8_t(bytes[at])) << 24 | uint32_t(uint8_t(bytes[at + 1])) << 16
            | uint32_t(uint8_t(bytes[at + 2])) << 8 | uint32_t(uint8_t(bytes[at + 3]));
    };
    return {number(16), number(20)};
}

TEST(ModelwrightCli, RendersAPartOfACatalogueADocumentAndAPartsFile)
{
    TempFolder folder;
    WriteText(folder / "in.json", kCatalogue);
    const std::string json = (folder / "in.json").string();
    ASSERT_EQ(RunTool({"build", json, "-o", (folder / "in.wo3").string()}, folder).exitCode, 0);
    ASSERT_EQ(RunTool({"export", json, "-o", (folder / "in.bdf").string()}, folder).exitCode, 0);

    for (const char* input : {"in.json", "in.wo3", "in.bdf"}) {
        SCOPED_TRACE(input);
        const std::string out = (folder / "quay.png").string();
        const ToolRun run = RunTool({"render", (folder / input).string(), "-o", out, "--part", "Quay", "--view", "plan",
                                        "--size", "320x200"}, folder);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const std::string png = ReadText(folder / "quay.png");
        EXPECT_TRUE(IsPng(png));
        EXPECT_EQ(PngSize(png), std::make_pair(320u, 200u));
    }
    const ToolRun second = RunTool({"render", json, "-o", (folder / "b.png").string(), "--index", "2", "--yaw", "30",
                                       "--pitch", "10"}, folder);
    EXPECT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(PngSize(ReadText(folder / "b.png")), std::make_pair(800u, 600u));

    const ToolRun missing = RunTool({"render", json, "-o", (folder / "c.png").string(), "--index", "3"}, folder);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("there is no part 3"), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "c.png"));
}

TEST(ModelwrightCli, CheckListsWhatIsWrongWithAPartsFile)
{
    TempFolder folder;
    WriteText(folder / "in.json", kCatalogue);
    ASSERT_EQ(RunTool({"export", (folder / "in.json").string(), "-o", (folder / "good.bdf").string(), "--language", "de"},
                  folder).exitCode, 0);
    const ToolRun good = RunTool({"check", (folder / "good.bdf").string()}, folder);
    EXPECT_EQ(good.exitCode, 0);
    EXPECT_EQ(good.out, "");

    const std::string bad = (folder / "bad.bdf").string();
    WriteText(folder / "bad.bdf", "Structure \"1\" \"a\"\r\nLine 0 0 1\r\nEndStructure\r\n");
    const ToolRun run = RunTool({"check", bad}, folder);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, bad + ":2:11: error: 1 number is missing after \"Line\".\n");

    WriteText(folder / "warn.bdf", "Structure \"1\" \"a\"\r\nLine 0 0 1 1 9\r\nEndStructure\r\n");
    EXPECT_EQ(RunTool({"check", (folder / "warn.bdf").string()}, folder).exitCode, 0) << "warnings alone pass";
    WriteText(folder / "odd.bdf", "Structure \"1\" \"a\"\r\n3DQuads 1 1\r\n0 0 0 $0000ff\r\n1 0 0\r\n1 1 0\r\n0 1 0\r\n"
                                  "0 0 1\r\n1 0 1\r\nEnd3D\r\nEndStructure\r\n");
    const ToolRun odd = RunTool({"check", (folder / "odd.bdf").string()}, folder);
    EXPECT_EQ(odd.exitCode, 1) << "six points make no whole quads";
    EXPECT_NE(odd.out.find(":2:1: error: The group's points do not make whole shapes of 4 points"), std::string::npos) << odd.out;
    EXPECT_EQ(RunTool({"check", (folder / "none.bdf").string()}, folder).exitCode, 1);
}

TEST(ModelwrightCli, ExportNamesTheFaultsOfFreeTextsAndStillExports)
{
    TempFolder folder;
    WriteText(folder / "in.json", R"({"header":{"name":"Test"},"parts":[
        {"class":"CTree","name":"Oak","freeText":"; mine\r\nLien 0 0 1 1\r\n"},
        {"class":"CBuilding","name":"Station","elements":[
            {"class":"CBuildingElement","name":"Hall","freeText":"Circle 1 2\r\n"}]},
        {"class":"CTree","name":"Pine","freeText":"Line 0 0 5 5\r\n"},
        {"class":"CTree","name":"Elm","freeText":"; mine\r\nLien 0 0 1 1\r\n"}]})");
    const ToolRun run = RunTool({"export", (folder / "in.json").string(), "-o", (folder / "out.bdf").string()}, folder);
    EXPECT_EQ(run.exitCode, 0);
    const std::string input = (folder / "in.json").string();
    std::string err = run.err;
    std::erase(err, '\r'); // standard error ends its lines with CR LF on Windows
    EXPECT_EQ(err, input + ": \"Oak\", free text 2:1: error: Unknown keyword \"Lien\".\n" + input
            + ": \"Station\", element \"Hall\", free text 1:11: error: 1 number is missing after \"Circle\".\n" + input
            + ": \"Elm\", free text 2:1: error: Unknown keyword \"Lien\".\n")
        << "a fault of a text that another part has too is named for each part";
    EXPECT_NE(ReadText(folder / "out.bdf").find("Lien 0 0 1 1"), std::string::npos) << "the text goes in as typed";
}

TEST(ModelwrightCli, CheckFailsOnAnErrorPastItsListAndSaysHowManyWereNotShown)
{
    TempFolder folder;
    std::string text = "Structure \"1\" \"a\"\r\n";
    for (int i = 0; i < 1000; ++i)
        text += "Line 0 0 1 1 9\r\n";
    const std::string bogus = text + "Bogus 1\r\nEndStructure\r\n";
    WriteText(folder / "late.bdf", bogus);
    const ToolRun late = RunTool({"check", (folder / "late.bdf").string()}, folder);
    EXPECT_EQ(late.exitCode, 1) << "the error after 1,000 warnings counts";
    const std::string lastLine = (folder / "late.bdf").string() + ": ... and 1 more: 1 error\n";
    ASSERT_GE(late.out.size(), lastLine.size());
    EXPECT_EQ(late.out.substr(late.out.size() - lastLine.size()), lastLine);
    EXPECT_EQ(std::count(late.out.begin(), late.out.end(), '\n'), 1001);

    WriteText(folder / "warned.bdf", text + "EndStructure\r\n");
    const ToolRun warned = RunTool({"check", (folder / "warned.bdf").string()}, folder);
    EXPECT_EQ(warned.exitCode, 0) << "warnings alone pass, however many";
    EXPECT_EQ(warned.out.find("more:"), std::string::npos) << "a whole list has no closing count";
}

TEST(ModelwrightCli, ExportCountsTheFreeTextFaultsPastItsList)
{
    TempFolder folder;
    // 600 parts of two faults each: 1,000 are listed, 200 counted after them.
    std::string json = R"({"header":{"name":"Test"},"parts":[)";
    for (int i = 0; i < 600; ++i)
        json += std::string(i ? "," : "") + R"({"class":"CTree","name":"T)" + std::to_string(i)
            + R"(","freeText":"Lien 0 0 1 1\r\nLine 0 0 1 1 9\r\n"})";
    WriteText(folder / "in.json", json + "]}");
    const ToolRun run = RunTool({"export", (folder / "in.json").string(), "-o", (folder / "out.bdf").string()}, folder);
    EXPECT_EQ(run.exitCode, 0) << "faults of free texts do not stop the export";
    std::string err = run.err;
    std::erase(err, '\r');
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1001);
    const std::string lastLine = (folder / "in.json").string() + ": ... and 200 more: 100 errors, 100 warnings\n";
    ASSERT_GE(err.size(), lastLine.size());
    EXPECT_EQ(err.substr(err.size() - lastLine.size()), lastLine);
}

#ifndef _WIN32
// (Windows allows no control characters in file names.)
TEST(ModelwrightCli, CheckAndExportShowControlCharactersEscaped)
{
    TempFolder folder;
    const std::string name = "bad\x1B]0;x\x07";
    const std::string shown = (folder.Path() / "bad\\x1B]0;x\\x07").string();
    WriteText(folder / (name + ".bdf"), "Structure \"1\" \"a\"\r\nLi\x1B[2Jne 0 0 1 1\r\nEndStructure\r\n");
    const ToolRun check = RunTool({"check", (folder / (name + ".bdf")).string()}, folder);
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(check.out, shown + ".bdf:2:1: error: Unknown keyword \"Li\\x1B[2Jne\".\n");

    WriteText(folder / (name + ".json"), R"({"parts":[{"class":"CTree","name":"Oak\u001b[2J","freeText":"Lien\u0007 0\r\n"}]})");
    const ToolRun exported = RunTool({"export", (folder / (name + ".json")).string(), "-o", (folder / "out.bdf").string()}, folder);
    EXPECT_EQ(exported.exitCode, 0);
    EXPECT_EQ(exported.err, shown + ".json: \"Oak\\x1B[2J\", free text 1:1: error: Unknown keyword \"Lien\\x07\".\n");
}

#ifndef MW_SANITIZED
TEST(ModelwrightCli, RunningOutOfMemoryEndsWithOneLineAndStatus1)
{
    TempFolder folder;
    std::string text = "Structure \"1\" \"a\"\n3DQuads 1 1\n";
    for (int i = 0; i < 3000000; ++i)
        text += "0 0 0 $000000\n";
    text += "End3D\nEndStructure\n";
    WriteText(folder / "large.bdf", text);
    const std::string file = (folder / "large.bdf").string();
    for (const std::vector<std::string>& args :
        {std::vector<std::string> {"check", file}, {"render", file, "-o", (folder / "x.png").string()}}) {
        SCOPED_TRACE(args[0]);
        const ToolRun run = RunTool(args, folder, 100);
        EXPECT_EQ(run.exitCode, 1) << run.err;
        EXPECT_EQ(run.err.rfind("modelwright-cli: ", 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "x.png"));
}
#endif
#endif

TEST(CommandLine, RenderAndCheckRefuseWrongArguments)
{
    const std::vector<std::vector<std::string>> wrong = {
        {"render", "a.wo3"},
        {"render", "a.wo3", "-o", "a.png", "--view", "back"},
        {"render", "a.wo3", "-o", "a.png", "--size", "0x10"},
        {"render", "a.wo3", "-o", "a.png", "--size", "100"},
        {"render", "a.wo3", "-o", "a.png", "--size", "9000x10"},
        {"render", "a.wo3", "-o", "a.png", "--index", "0"},
        {"render", "a.wo3", "-o", "a.png", "--part", "x", "--index", "1"},
        {"render", "a.wo3", "-o", "a.png", "--yaw", "ten"},
        {"render", "a.wo3", "-o", "a.png", "--language", "108"},
        {"check", "a.bdf", "-o", "x"},
        {"check", "a.bdf", "--view", "top"},
        {"export", "a.wo3", "-o", "b.bdf", "--view", "top"},
    };
    for (const auto& args : wrong)
        EXPECT_THROW(ParseCommandLine(args), CUsageError) << args[1] << " " << args.back();
    const CCliRequest request = ParseCommandLine(std::vector<std::string> {"render", "a.bdf", "-o", "a.png", "--size=64x32",
        "--view", "top", "--yaw", "-20"});
    EXPECT_EQ(request.m_width, 64);
    EXPECT_EQ(request.m_height, 32);
    EXPECT_EQ(request.m_view, "top");
    EXPECT_EQ(request.m_yaw, -20.0);
}

} // namespace
