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

#endif

} // namespace
