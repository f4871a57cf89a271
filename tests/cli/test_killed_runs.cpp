#include "cli/CliTestHelpers.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

#ifndef _WIN32

std::set<std::string> NamesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Starts the tool and ends it with the signal after the given time, wherever it is then.
void RunAndInterrupt(const std::vector<std::string>& args, int signal, int afterMicroseconds)
{
    const std::string tool = std::string(MW_BIN_DIR) + "/modelwright-cli";
    std::vector<char*> argv {const_cast<char*>(tool.c_str())};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::execv(tool.c_str(), argv.data());
        ::_exit(127);
    }
    ::usleep(static_cast<useconds_t>(afterMicroseconds));
    ::kill(child, signal);
    int status = 0;
    ::waitpid(child, &status, 0);
}

// A catalogue of a few hundred bytes whose parts file takes some megabytes to write.
constexpr const char* kLongExport = R"({"parts":[{"class":"CPlatform","name":"Long","length":2000000000,
    "coverType":1094,"poleStyle":1102,"polesPerSide":60000}]})";

TEST(KilledRuns, LeaveTheOldFileWholeAndNoTemporaryFileBehind)
{
    TempFolder folder;
    WriteText(folder / "in.json", kLongExport);
    const std::string output = (folder / "out.bdf").string();
    ASSERT_EQ(RunTool({"export", (folder / "in.json").string(), "-o", output}, folder).exitCode, 0);
    const std::string complete = ReadText(folder / "out.bdf");
    WriteText(folder / "out.bdf", "the old parts file");

    std::mt19937 random(std::random_device {}());
    const int signals[] = {SIGKILL, SIGTERM, SIGINT, SIGHUP};
    for (int run = 0; run < 24; ++run) {
        const int signal = signals[run % 4];
        RunAndInterrupt({"export", (folder / "in.json").string(), "-o", output}, signal,
            std::uniform_int_distribution<int>(0, 120000)(random));
        for (const std::string& name : NamesIn(folder.Path())) {
            if (name == "in.json" || name == "out.bdf")
                continue;
            // Only a kill that cannot be caught, in the instant between naming the complete
            // file and renaming it, may leave it; the next run removes it.
            EXPECT_EQ(signal, SIGKILL) << name;
            EXPECT_EQ(name.rfind(".out.bdf.tmp", 0), 0u) << name;
        }
        const std::string now = ReadText(folder / "out.bdf");
        EXPECT_TRUE(now == "the old parts file" || now == complete) << "a torn file after signal " << signal;
        WriteText(folder / "out.bdf", "the old parts file");
    }
    // What a killed run leaves is no obstacle to the next one.
    ASSERT_EQ(RunTool({"export", (folder / "in.json").string(), "-o", output}, folder).exitCode, 0);
    EXPECT_EQ(ReadText(folder / "out.bdf"), complete);
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::string> {"in.json", "out.bdf"}));
}

// An OBJ model and its material library replace their old files together: a run ended
// anywhere leaves both old or both new, never a new library beside an old model.
TEST(KilledRuns, LeaveTheObjModelAndItsLibraryAPair)
{
    TempFolder folder;
    // Some hundred copies of the country station: a model of some 20 MB.
    std::string parts = ReadText(std::filesystem::path(MW_EXAMPLES_DIR) / "country-station.json");
    const size_t open = parts.find("\"parts\": [") + 10;
    const size_t close = parts.rfind(']');
    const std::string one = parts.substr(open, close - open);
    std::string many = parts.substr(0, open);
    for (int i = 0; i < 150; ++i)
        many += (i ? "," : "") + one;
    many += parts.substr(close);
    WriteText(folder / "in.json", many);
    const std::string output = (folder / "model.obj").string();
    const std::vector<std::string> args = {"mesh", (folder / "in.json").string(), "--all", "-o", output};
    ASSERT_EQ(RunTool(args, folder).exitCode, 0);
    const std::string model = ReadText(folder / "model.obj");
    const std::string library = ReadText(folder / "model.mtl");
    ASSERT_GT(model.size(), size_t(1) << 20);
    const auto putOldPair = [&] {
        WriteText(folder / "model.obj", "the old model");
        WriteText(folder / "model.mtl", "the old library");
    };
    putOldPair();

    std::mt19937 random(std::random_device {}());
    const int signals[] = {SIGKILL, SIGTERM, SIGINT, SIGHUP};
    for (int run = 0; run < 24; ++run) {
        const int signal = signals[run % 4];
        RunAndInterrupt(args, signal, std::uniform_int_distribution<int>(0, 700000)(random));
        for (const std::string& name : NamesIn(folder.Path())) {
            if (name == "in.json" || name == "model.obj" || name == "model.mtl")
                continue;
            EXPECT_EQ(signal, SIGKILL) << name;
            EXPECT_TRUE(name.rfind(".model.obj.tmp", 0) == 0 || name.rfind(".model.mtl.tmp", 0) == 0) << name;
            // A run killed before it replaces anything removes nothing: the next starts clean.
            std::filesystem::remove(folder / name);
        }
        const std::string nowModel = ReadText(folder / "model.obj");
        const std::string nowLibrary = ReadText(folder / "model.mtl");
        const bool old = nowModel == "the old model" && nowLibrary == "the old library";
        const bool complete = nowModel == model && nowLibrary == library;
        EXPECT_TRUE(old || complete) << "a torn pair after signal " << signal;
        putOldPair();
    }
    // What a killed run leaves is no obstacle to the next one.
    ASSERT_EQ(RunTool(args, folder).exitCode, 0);
    EXPECT_EQ(ReadText(folder / "model.obj"), model);
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::string> {"in.json", "model.obj", "model.mtl"}));
}

#endif

} // namespace
