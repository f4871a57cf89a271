#include "cli/CliTestHelpers.h"
#include "cli/CommandLine.h"

#include "model/FileIO.h"
#include "model/ModelwrightDoc.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fs = std::filesystem;

namespace {

constexpr const char* kSampleJson = R"({"header":{"name":"Test"},"parts":[
    {"class":"CTree","name":"Oak"},
    {"class":"CPlatform","name":"Platform","length":300,"coverType":1094,"poleStyle":1102},
    {"class":"CBuilding","name":"Station","elements":[{"name":"Hall","roofType":1043,
        "decorations":[{"name":"Door","wall":1065,"width":10,"height":20}]}]}]})";

TEST(CommandLine, ExportOptionsTakeNumbersAndFriendlyNames)
{
    const auto parse = [](std::vector<std::string> args) { return ParseCommandLine(args).m_options; };
    const CProgramOptions defaults = parse({"export", "in.wo3", "-o", "out.bdf"});
    EXPECT_EQ(defaults.m_language, 112);
    EXPECT_EQ(defaults.m_winrailVersion, 157);
    EXPECT_EQ(defaults.m_hexahedronBugfix, 1);

    const CProgramOptions given =
        parse({"export", "--language", "108", "in.json", "--winrail=999", "--hexahedron", "-3", "--output", "x"});
    EXPECT_EQ(given.m_language, 108);
    EXPECT_EQ(given.m_winrailVersion, 999);
    EXPECT_EQ(given.m_hexahedronBugfix, -3);
    EXPECT_EQ(parse({"export", "a", "-o", "b", "--language", "nl", "--winrail", "5.x"}).m_language, 154);
    EXPECT_EQ(parse({"export", "a", "-o", "b", "--winrail", "5.x"}).m_winrailVersion, 156);
}

TEST(CommandLine, AFileNameMayFollowTheEndOfOptions)
{
    const CCliRequest request = ParseCommandLine(std::vector<std::string>{"dump", "--", "-odd.wo3"});
    EXPECT_EQ(request.m_command, CCliRequest::Command::dump);
    EXPECT_EQ(request.m_input, "-odd.wo3");
}

class WrongArguments : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(WrongArguments, EndWithStatus2AndTheUsage)
{
    TempFolder folder;
    const ToolRun run = RunTool(GetParam(), folder);
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_NE(run.err.find("Usage:"), std::string::npos);
    EXPECT_TRUE(run.out.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, WrongArguments,
    testing::Values(std::vector<std::string>{}, std::vector<std::string>{"frobnicate"},
        std::vector<std::string>{"dump"}, std::vector<std::string>{"dump", "a.wo3", "b.wo3"},
        std::vector<std::string>{"dump", "a.wo3", "-o", "b.json"}, std::vector<std::string>{"build", "a.json"},
        std::vector<std::string>{"build", "a.json", "-o"}, std::vector<std::string>{"build", "a.json", "-o", "x", "-o", "y"},
        std::vector<std::string>{"build", "a.json", "-o", "b.wo3", "--language", "108"},
        std::vector<std::string>{"export", "a.wo3", "-o", "b.bdf", "--language", "109"},
        std::vector<std::string>{"export", "a.wo3", "-o", "b.bdf", "--winrail", "six"},
        std::vector<std::string>{"export", "a.wo3", "-o", "b.bdf", "--hexahedron", "99999999999"},
        std::vector<std::string>{"export", "a.wo3", "-o", "b.bdf", "--verbose"},
        std::vector<std::string>{"--version", "extra"}));

TEST(ModelwrightCli, HelpAndVersion)
{
    TempFolder folder;
    const ToolRun help = RunTool({"--help"}, folder);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("modelwright-cli dump FILE.wo3"), std::string::npos);
    // "Default" is the Options' choice of that name, not what applies without the switch.
    EXPECT_NE(help.out.find("      --language    the language of the keywords: 108 or de (German), 154 or nl (Dutch);\n"
                            "                    112 or en, 110 or fr and 106 or default (the Options' \"Default\")\n"
                            "                    give English keywords. Without --language: 112 (English)\n"),
        std::string::npos)
        << help.out;
    const ToolRun version = RunTool({"--version"}, folder);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "modelwright-cli 2.0\n");
}

TEST(ModelwrightCli, BuildThenDumpGivesTheCatalogueBack)
{
    TempFolder folder;
    WriteText(folder / "in.json", kSampleJson);
    ASSERT_EQ(RunTool({"build", (folder / "in.json").string(), "-o", (folder / "out.wo3").string()}, folder).exitCode, 0);
    const ToolRun dump = RunTool({"dump", (folder / "out.wo3").string()}, folder);
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_NE(dump.out.find("\"name\": \"Door\""), std::string::npos);

    WriteText(folder / "dump.json", dump.out);
    ASSERT_EQ(RunTool({"build", (folder / "dump.json").string(), "-o", (folder / "again.wo3").string()}, folder).exitCode, 0);
    EXPECT_EQ(ReadText(folder / "again.wo3"), ReadText(folder / "out.wo3"));
}

TEST(ModelwrightCli, DumpOfAnEmptyFileIsANewCatalogue)
{
    TempFolder folder;
    WriteText(folder / "empty.wo3", "");
    const ToolRun run = RunTool({"dump", (folder / "empty.wo3").string()}, folder);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\"parts\": []"), std::string::npos);
}

TEST(ModelwrightCli, ExportOfJsonAndOfItsDocumentGiveTheSameFile)
{
    TempFolder folder;
    WriteText(folder / "in.json", kSampleJson);
    ASSERT_EQ(RunTool({"build", (folder / "in.json").string(), "-o", (folder / "in.wo3").string()}, folder).exitCode, 0);
    ASSERT_EQ(RunTool({"export", (folder / "in.json").string(), "-o", (folder / "a.bdf").string()}, folder).exitCode, 0);
    ASSERT_EQ(RunTool({"export", (folder / "in.wo3").string(), "-o", (folder / "b.bdf").string()}, folder).exitCode, 0);
    ASSERT_EQ(RunTool({"export", (folder / "in.wo3").string(), "-o", (folder / "c.bdf").string(), "--winrail", "156"},
                  folder).exitCode, 0);
    EXPECT_FALSE(ReadText(folder / "a.bdf").empty());
    EXPECT_EQ(ReadText(folder / "a.bdf"), ReadText(folder / "b.bdf"));
    EXPECT_NE(ReadText(folder / "c.bdf"), ReadText(folder / "b.bdf"));
}

// One failing run: the input files it is given and the message it must print.
struct FailingRun {
    const char* name;
    std::vector<std::string> args; // "@" marks the folder
    const char* inputName;
    std::string inputText;
    const char* message;
    // A damaged document adds where reading stopped on a second line.
    const char* secondLine = nullptr;
};

void PrintTo(const FailingRun& row, std::ostream* out)
{
    *out << row.name;
}

class FailingRuns : public testing::TestWithParam<FailingRun> {};

TEST_P(FailingRuns, EndWithStatus1AndLeaveTheOutputAsItWas)
{
    const FailingRun& row = GetParam();
    TempFolder folder;
    if (*row.inputName)
        WriteText(folder / row.inputName, row.inputText);
    const std::string previous = "previous content";
    WriteText(folder / "kept.out", previous);
    std::vector<std::string> args;
    for (const std::string& arg : row.args)
        args.push_back(arg[0] == '@' ? (folder.Path() / arg.substr(1)).string() : arg);

    const ToolRun run = RunTool(args, folder);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
    const size_t lineEnd = run.err.find('\n');
    if (row.secondLine) {
        EXPECT_NE(run.err.find(row.secondLine, lineEnd), std::string::npos) << run.err;
    }
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), row.secondLine ? 2 : 1) << run.err;
    // Line ends are the only control characters; Windows writes them as CR LF.
    std::string shown = run.err;
    for (size_t crlf = shown.find("\r\n"); crlf != std::string::npos; crlf = shown.find("\r\n", crlf))
        shown.erase(crlf, 1);
    EXPECT_TRUE(std::none_of(shown.begin(), shown.end(), [](char c) { return c != '\n' && c >= 0 && c < 0x20; }))
        << "a control character reached the terminal";
    if (*row.inputName) {
        EXPECT_EQ(ReadText(folder / row.inputName), row.inputText);
    }
    EXPECT_EQ(ReadText(folder / "kept.out"), previous);
    EXPECT_FALSE(fs::exists(folder / "new.out"));
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Path()))
        ++files;
    EXPECT_EQ(files, *row.inputName ? 2u : 1u) << "a temporary file was left behind";
}

const std::string kDamagedDocument = std::string("\xFF\xFF\x01\x00\x05\x00", 6) + "CFake";

INSTANTIATE_TEST_SUITE_P(Rows, FailingRuns,
    testing::Values(
        FailingRun{"DumpOfAMissingFile", {"dump", "@missing.wo3"}, "", "", "was not found."},
        FailingRun{"DumpOfADamagedDocument", {"dump", "@in.wo3"}, "in.wo3", kDamagedDocument, "Unexpected file format.",
            "Reading stopped at byte 11: expected an object of a kind this program knows"},
        FailingRun{"DumpOfANameWithControlCharacters", {"dump", "@in\x1B[2J\x07.wo3"}, "", "", "in\\x1B[2J\\x07.wo3 "},
        FailingRun{"BuildOverItsOwnInput", {"build", "@in.json", "-o", "@in.json"}, "in.json", "{}",
            "the output file is the input file"},
        FailingRun{"ExportOverItsOwnInput", {"export", "@in.json", "-o", "@./in.json"}, "in.json", "{}",
            "the output file is the input file"},
        FailingRun{"RenderOverItsOwnDocument", {"render", "@in.wo3", "-o", "@in.wo3"}, "in.wo3", kDamagedDocument,
            "the output file is the input file"},
        FailingRun{"RenderOverItsOwnPartsFile", {"render", "@in.bdf", "-o", "@./in.bdf"}, "in.bdf",
            "Structure \"1\" \"a\"\r\nLine 0 0 1 1\r\nEndStructure\r\n", "the output file is the input file"},
        FailingRun{"RenderOfAFileWithoutParts", {"render", "@in.bdf", "-o", "@new.out"}, "in.bdf", "; no parts\r\n",
            "in.bdf: the file holds no parts."},
        FailingRun{"CheckOfAFolder", {"check", "@."}, "", "", " is a folder, not a file."},
        FailingRun{"BuildOfJsonWithBytesAfterANul", {"build", "@in.json", "-o", "@new.out"}, "in.json",
            std::string("{\"parts\":[]}\n\0more", 17), "line 2, column 1 (byte 13): only white space may follow"},
        FailingRun{"BuildOfInvalidJson", {"build", "@in.json", "-o", "@kept.out"}, "in.json", "{\"parts\":", "Invalid JSON"},
        FailingRun{"BuildRefusingAMember", {"build", "@in.json", "-o", "@new.out"}, "in.json",
            R"({"parts":[{"class":"CTree","colour":1}]})", "parts[0].colour: unknown member"},
        FailingRun{"BuildIntoAMissingFolder", {"build", "@in.json", "-o", "@no/such/folder/x.wo3"}, "in.json", "{}",
            "x.wo3 cannot be written: its folder does not exist."},
        FailingRun{"ExportIntoAMissingFolder", {"export", "@in.json", "-o", "@missing/x.bdf"}, "in.json", "{}",
            "x.bdf cannot be written: its folder does not exist."},
        FailingRun{"RenderIntoAMissingFolder", {"render", "@in.bdf", "-o", "@missing/x.png"}, "in.bdf",
            "Structure \"1\" \"a\"\r\nLine 0 0 1 1\r\nEndStructure\r\n", "x.png cannot be written: its folder does not exist."},
        FailingRun{"MeshIntoAMissingFolder", {"mesh", "@in.bdf", "-o", "@missing/x.glb"}, "in.bdf",
            "Structure \"1\" \"a\"\r\nLine 0 0 1 1\r\nEndStructure\r\n", "x.glb cannot be written: its folder does not exist."},
        FailingRun{"ObjMeshIntoAMissingFolder", {"mesh", "@in.bdf", "-o", "@missing/x.obj"}, "in.bdf",
            "Structure \"1\" \"a\"\r\nLine 0 0 1 1\r\nEndStructure\r\n", "cannot be written: its folder does not exist."},
        FailingRun{"ExportOfADamagedDocument", {"export", "@in.wo3", "-o", "@kept.out"}, "in.wo3",
            kDamagedDocument, "Unexpected file format.", "Reading stopped at byte"},
        FailingRun{"ExportOfAJsonDocumentFile", {"export", "@in.JSON", "-o", "@new.out"}, "in.JSON", kDamagedDocument,
            "Invalid JSON"},
        FailingRun{"ExportOfDocumentBytesNamedOtherwise", {"export", "@in.txt", "-o", "@kept.out"}, "in.txt",
            kSampleJson, "Unexpected file format.", "Reading stopped at byte"}),
    [](const testing::TestParamInfo<FailingRun>& info) { return std::string(info.param.name); });

} // namespace
