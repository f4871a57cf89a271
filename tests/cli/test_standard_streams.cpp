#include "cli/CliTestHelpers.h"
#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace {

const fs::path kExamples = MW_EXAMPLES_DIR;
const std::string kStation = (kExamples / "country-station").string();
const std::string kBadPartsFile = "Structure \"1\" \"a\"\r\nLine 0 0 1 1\r\nBogus 2\r\nEndStructure\r\n";
#ifdef _WIN32
const std::string kNullDevice = "NUL";
#else
const std::string kNullDevice = "/dev/null";
#endif

size_t FilesIn(const TempFolder& folder)
{
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Path()))
        ++files;
    return files;
}

TEST(StandardStreams, DashSendsEachOutputToStandardOutputAsTheFileWouldHoldIt)
{
    TempFolder folder;
    const ToolRun exported = RunTool({"export", kStation + ".wo3", "-o", "-"}, folder);
    EXPECT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(exported.out, ReadText(kStation + ".bdf"));

    const ToolRun built = RunTool({"build", kStation + ".json", "-o", "-"}, folder);
    EXPECT_EQ(built.exitCode, 0) << built.err;
    EXPECT_EQ(built.out, ReadText(kStation + ".wo3"));

    const struct {
        std::vector<std::string> args;
        std::string file;
    } pairs[] = {
        {{"render", kStation + ".wo3", "--part", "Goods shed", "--view", "front"}, "shed.png"},
        {{"mesh", kStation + ".bdf", "--all"}, "all.glb"},
        {{"mesh", kStation + ".json", "--all", "--scale", "1:87"}, "catalogue.glb"},
    };
    for (const auto& pair : pairs) {
        std::vector<std::string> toFile = pair.args, toOutput = pair.args;
        toFile.insert(toFile.end(), {"-o", (folder / pair.file).string()});
        toOutput.insert(toOutput.end(), {"-o", "-"});
        ASSERT_EQ(RunTool(toFile, folder).exitCode, 0) << pair.file;
        const ToolRun streamed = RunTool(toOutput, folder);
        EXPECT_EQ(streamed.exitCode, 0) << streamed.err;
        EXPECT_EQ(streamed.out, ReadText(folder / pair.file)) << pair.file;
    }
    EXPECT_FALSE(fs::exists(folder / "-")) << "no file is named after the dash";
}

TEST(StandardStreams, AFailedRunWritesNothingToStandardOutput)
{
    TempFolder folder;
    WriteText(folder / "damaged.wo3", "not a document");
    for (const char* command : {"export", "render", "mesh"}) {
        const ToolRun run = RunTool({command, (folder / "damaged.wo3").string(), "-o", "-"}, folder);
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_EQ(run.out, "") << command;
        EXPECT_NE(run.err.find("Unexpected file format."), std::string::npos) << run.err;
    }
}

TEST(StandardStreams, BuildAndCheckReadStandardInput)
{
    TempFolder folder;
    const ToolRun built = RunToolWithInput({"build", "-", "-o", (folder / "built.wo3").string()}, folder, kStation + ".json");
    EXPECT_EQ(built.exitCode, 0) << built.err;
    EXPECT_EQ(ReadText(folder / "built.wo3"), ReadText(kStation + ".wo3"));

    WriteText(folder / "broken.json", "{\"parts\":");
    const ToolRun broken = RunToolWithInput({"build", "-", "-o", (folder / "kept.wo3").string()}, folder, folder / "broken.json");
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_NE(broken.err.find("Invalid JSON"), std::string::npos) << broken.err;
    EXPECT_FALSE(fs::exists(folder / "kept.wo3"));

    const ToolRun good = RunToolWithInput({"check", "-"}, folder, kStation + ".bdf");
    EXPECT_EQ(good.exitCode, 0);
    EXPECT_EQ(good.out, "");
    WriteText(folder / "bad.bdf", kBadPartsFile);
    const ToolRun bad = RunToolWithInput({"check", "-"}, folder, folder / "bad.bdf");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.out, "-:3:1: error: Unknown keyword \"Bogus\".\n");

    // Only these two read it: elsewhere a dash is a usage error, not a file of that name.
    const ToolRun exported = RunToolWithInput({"export", "-", "-o", (folder / "x.bdf").string()}, folder, kStation + ".wo3");
    EXPECT_EQ(exported.exitCode, 2);
    EXPECT_NE(exported.err.find("only build and check read standard input"), std::string::npos) << exported.err;
}

TEST(StandardStreams, TheNullDeviceTakesEveryOutputAndStaysADevice)
{
    TempFolder folder;
    const std::vector<std::vector<std::string>> runs = {
        {"export", kStation + ".wo3", "-o", kNullDevice},
        {"build", kStation + ".json", "-o", kNullDevice},
        {"render", kStation + ".bdf", "--index", "2", "-o", kNullDevice},
        {"mesh", kStation + ".wo3", "--all", "-o", kNullDevice},
    };
    for (const auto& args : runs) {
        const ToolRun run = RunTool(args, folder);
        EXPECT_EQ(run.exitCode, 0) << args[0] << ": " << run.err;
        EXPECT_EQ(run.out, "") << args[0];
    }
    EXPECT_EQ(FilesIn(folder), 0u) << "nothing is written beside it";
#ifndef _WIN32
    struct stat null {};
    ASSERT_EQ(::stat("/dev/null", &null), 0);
    EXPECT_TRUE(S_ISCHR(null.st_mode)) << "the device is never replaced by a file";
    // Other devices are still refused.
    const ToolRun terminal = RunTool({"export", kStation + ".wo3", "-o", "/dev/zero"}, folder);
    EXPECT_EQ(terminal.exitCode, 1);
    EXPECT_NE(terminal.err.find("is not a regular file"), std::string::npos) << terminal.err;
#endif
    // What cannot be read still fails.
    WriteText(folder / "bad.json", "{\"parts\":[{\"class\":\"CTree\",\"colour\":1}]}");
    EXPECT_EQ(RunTool({"build", (folder / "bad.json").string(), "-o", kNullDevice}, folder).exitCode, 1);
}

TEST(CommandLine, MeshTakesADashOrTheNullDeviceAsAGlb)
{
    for (const std::string& output : {std::string("-"), kNullDevice}) {
        const std::vector<std::string> args = {"mesh", "a.bdf", "-o", output};
        EXPECT_EQ(ParseCommandLine(args).m_output, output);
    }
    const std::vector<std::string> text = {"mesh", "a.bdf", "-o", "a.txt"};
    EXPECT_THROW(ParseCommandLine(text), CUsageError);
    const std::vector<std::string> dumpFromInput = {"dump", "-"};
    EXPECT_THROW(ParseCommandLine(dumpFromInput), CUsageError);
}

} // namespace
