#include "model/HeldLock.h"

#include <gtest/gtest.h>

#include <random>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

class HeldLock : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        m_folder = fs::temp_directory_path() / ("mw-lock-" + std::to_string(random()));
        fs::create_directories(m_folder);
    }
    void TearDown() override
    {
        std::error_code error;
        fs::remove_all(m_folder, error);
    }
    fs::path m_folder;
};

}

TEST_F(HeldLock, AHoldRefusesEveryOtherUntilItLetsGoAndItsTextStaysReadable)
{
    const fs::path path = m_folder / "first.lock";
    auto holder = CHeldLock::TryHold(path);
    ASSERT_TRUE(holder);
    EXPECT_TRUE(fs::exists(path));
    EXPECT_FALSE(CHeldLock::TryHold(path)) << "a second hold in the same process";
    ASSERT_TRUE(holder->Describe("4242\nchannel one\n"));
    EXPECT_EQ(ReadLockText(path), "4242\nchannel one\n");
    // A shorter text replaces the longer one whole.
    ASSERT_TRUE(holder->Describe("7\n"));
    EXPECT_EQ(ReadLockText(path), "7\n");

    holder.reset();
    EXPECT_TRUE(fs::exists(path)) << "letting go leaves the file";
    auto next = CHeldLock::TryHold(path);
    ASSERT_TRUE(next);
    EXPECT_EQ(ReadLockText(path), "7\n");
}

TEST_F(HeldLock, RemoveTakesTheFileAwayAndTheNextHoldMakesItAgain)
{
    const fs::path path = m_folder / "gone.lock";
    auto holder = CHeldLock::TryHold(path);
    ASSERT_TRUE(holder);
    holder->Remove();
    EXPECT_FALSE(fs::exists(path));
    holder.reset();
    auto next = CHeldLock::TryHold(path);
    ASSERT_TRUE(next);
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(ReadLockText(path), "");
}

TEST_F(HeldLock, AFileThatCannotBeMadeIsNoHoldAndNoTextIsEmpty)
{
    EXPECT_FALSE(CHeldLock::TryHold(m_folder / "missing" / "x.lock"));
    EXPECT_EQ(ReadLockText(m_folder / "missing.lock"), "");
}

#ifndef _WIN32
// The holder is known alive by its hold alone: once its process is killed the lock is free,
// whatever process ID its text names.
TEST_F(HeldLock, TheSystemLetsGoOfAKilledHoldersLock)
{
    const fs::path path = m_folder / "child.lock";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto held = CHeldLock::TryHold(path);
        const char answer = held && held->Describe(std::to_string(::getppid())) ? 'y' : 'n';
        [[maybe_unused]] const auto written = ::write(ready[1], &answer, 1);
        ::pause();
        ::_exit(0);
    }
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(answer, 'y');
    EXPECT_FALSE(CHeldLock::TryHold(path)) << "the child holds it";

    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    // The text still names a live process, this one; only the hold counts.
    EXPECT_EQ(ReadLockText(path), std::to_string(::getpid()));
    EXPECT_TRUE(CHeldLock::TryHold(path));
}
#endif
