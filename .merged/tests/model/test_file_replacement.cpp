#include "model/Exceptions.h"
#include "model/FileIO.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <random>
#include <set>

#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#ifdef __linux__
#include <sys/xattr.h>
#endif

namespace fs = std::filesystem;

namespace {

class FileReplacement : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        m_folder = fs::temp_directory_path() / ("mw-replace-" + std::to_string(random()));
        fs::create_directories(m_folder);
    }
    void TearDown() override
    {
        std::error_code error;
        fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(m_folder, error);
    }
    static void WriteBytes(const fs::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string ReadBytes(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder))
            names.insert(PathToUtf8(entry.path().filename()));
        return names;
    }
    // The message of the failure of a replacement of the file with the bytes.
    static std::string FailureOf(const fs::path& path, const std::string& bytes = "new")
    {
        try {
            WriteFileAtomically(path, bytes);
        } catch (const CFileException& error) {
            return error.what();
        }
        return "replaced";
    }

    // Bytes no two blocks of which are alike, so a block written twice or in the wrong place shows.
    static std::string NumberedBytes(size_t size)
    {
        std::string bytes(size, '\0');
        for (size_t at = 0; at + 4 <= size; at += 4)
            std::memcpy(bytes.data() + at, &at, 4);
        return bytes;
    }
    // Writes the bytes in pieces of the sizes given, again and again.
    static void WriteInPieces(CFileReplacement& replacement, std::string_view bytes, std::initializer_list<size_t> sizes)
    {
        for (size_t at = 0; at < bytes.size();)
            for (const size_t size : sizes) {
                const std::string_view piece = bytes.substr(at, size);
                replacement.Write(piece);
                at += piece.size();
            }
    }

    fs::path m_folder;
};

TEST_F(FileReplacement, OnlyARegularFileOrALinkToOneIsReplaced)
{
    const fs::path file = m_folder / "real.wo3";
    WriteBytes(file, "old");
    EXPECT_EQ(FailureOf(m_folder), PathToUtf8(m_folder) + " is a folder, not a file.");

#ifndef _WIN32
    std::error_code error;
    fs::create_symlink(file, m_folder / "link.wo3", error);
    if (!error) {
        WriteFileAtomically(m_folder / "link.wo3", std::string_view("through the link"));
        EXPECT_TRUE(fs::is_symlink(m_folder / "link.wo3"));
        EXPECT_EQ(ReadBytes(file), "through the link");

        fs::create_symlink(m_folder / "gone.wo3", m_folder / "dangling.wo3");
        EXPECT_EQ(FailureOf(m_folder / "dangling.wo3"),
            PathToUtf8(m_folder / "dangling.wo3") + " is a link to a file that does not exist.");
        EXPECT_TRUE(fs::is_symlink(m_folder / "dangling.wo3"));
        EXPECT_FALSE(fs::exists(m_folder / "gone.wo3"));
    }
    const fs::path pipe = m_folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(FailureOf(pipe), PathToUtf8(pipe) + " is not a regular file.");
    EXPECT_TRUE(fs::is_fifo(pipe));
#endif
}

TEST_F(FileReplacement, AReadOnlyFileIsRefusedAndKept)
{
    const fs::path path = m_folder / "kept.wo3";
    WriteBytes(path, "old");
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
        fs::perm_options::remove);
    EXPECT_EQ(FailureOf(path), PathToUtf8(path) + " is read-only.");
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(ReadBytes(path), "old");
}

TEST_F(FileReplacement, AFileWithSeveralNamesIsRefusedAndTheNamesKeepSharingIt)
{
    const fs::path first = m_folder / "first.wo3";
    const fs::path second = m_folder / "second.wo3";
    WriteBytes(first, "old");
    std::error_code error;
    fs::create_hard_link(first, second, error);
    if (error || fs::hard_link_count(first) != 2)
        GTEST_SKIP() << "no hard links here";
    EXPECT_NE(FailureOf(second).find("has several names (hard links)"), std::string::npos);
    WriteBytes(first, "both");
    EXPECT_EQ(ReadBytes(second), "both");
}

TEST_F(FileReplacement, ReadingTakesOnlyRegularFilesOfAnAcceptableSize)
{
    const fs::path path = m_folder / "ten.bin";
    WriteBytes(path, "0123456789");
    EXPECT_EQ(ReadWholeFile(path, 10).size(), 10u);
    try {
        ReadWholeFile(path, 9);
        FAIL() << "read";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.m_cause, CFileException::tooLarge);
    }
#ifndef _WIN32
    // Neither waits for a writer that never comes, nor reads without end.
    const fs::path pipe = m_folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const fs::path& special : {pipe, fs::path("/dev/zero")}) {
        try {
            ReadWholeFile(special);
            FAIL() << "read " << special;
        } catch (const CFileException& error) {
            EXPECT_EQ(std::string(error.what()), PathToUtf8(special) + " is not a regular file.");
        }
    }
#endif
}

#ifdef __linux__
TEST_F(FileReplacement, ALargeFileInPiecesOfAnySizeHoldsEveryByteOnce)
{
    const fs::path path = m_folder / "catalogue.bdf";
    WriteBytes(path, "old");
    const std::string bytes = NumberedBytes((size_t(37) << 20) + 4099);
    for (const auto& sizes : {std::initializer_list<size_t> {4095, 5 << 20, 3}, {(size_t(16) << 20) + 1, 1 << 19}}) {
        CFileReplacement replacement(path);
        WriteInPieces(replacement, bytes, sizes);
        replacement.Commit();
        EXPECT_TRUE(ReadBytes(path) == bytes);
    }
    {
        // Abandoned while large: the old file stays, and nothing else.
        WriteBytes(path, "old");
        CFileReplacement replacement(path);
        WriteInPieces(replacement, bytes, {1 << 20});
    }
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(Names(), std::set<std::string> {"catalogue.bdf"});
}

TEST_F(FileReplacement, AFileHoldingMoreThanItsSizeSaysIsReadToItsEnd)
{
    // The system's status files say they are empty and hold a page of text.
    const std::vector<uint8_t> bytes = ReadWholeFile("/proc/self/status");
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.rfind("Name:", 0), 0u);
    EXPECT_EQ(text.back(), '\n');
    const CFileBytes file("/proc/self/status");
    EXPECT_GT(file.Bytes().size(), 100u);
    EXPECT_THROW(ReadWholeFile("/proc/self/status", 10), CFileException);
}
#endif

TEST_F(FileReplacement, MessagesShowControlCharactersOfNamesEscaped)
{
    EXPECT_EQ(EscapeForMessage("a\x1B[2Jb\tc\x7F"), "a\\x1B[2Jb\\x09c\\x7F");
    // U+009B is the one-byte form of the terminal's control sequence introducer.
    EXPECT_EQ(EscapeForMessage("\xC2\x9B" "31m"), "\\xC2\\x9B31m");
    EXPECT_EQ(EscapeForMessage("Geb\xC3\xA4ude \xE2\x80\x93 S\xC3\xBC" "d"), "Geb\xC3\xA4ude \xE2\x80\x93 S\xC3\xBC" "d");
    EXPECT_EQ(EscapeForMessage("bad \xC3 and \xFF"), "bad \\xC3 and \\xFF");
    const CFileException missing(CFileException::fileNotFound, PathFromUtf8("x\x1B]0;title\x07.wo3"));
    EXPECT_STREQ(missing.what(), "x\\x1B]0;title\\x07.wo3 was not found.");
}

TEST_F(FileReplacement, AbandonedTemporaryFilesAreRemovedAndLiveOnesKept)
{
    const fs::path path = m_folder / "catalogue.wo3";
    WriteBytes(path, "old");
    const fs::path abandoned = TemporaryPathBeside(path);
    WriteBytes(abandoned, "left by a killed program");
    const fs::path otherTarget = TemporaryPathBeside(m_folder / "other.wo3");
    WriteBytes(otherTarget, "another file's");
#ifndef _WIN32
    // A program still writing holds its temporary file locked.
    const fs::path live = TemporaryPathBeside(path);
    WriteBytes(live, "being written");
    const int fd = ::open(live.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
#endif
    WriteFileAtomically(path, std::string_view("new"));
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_FALSE(fs::exists(abandoned));
    EXPECT_TRUE(fs::exists(otherTarget));
#ifndef _WIN32
    EXPECT_TRUE(fs::exists(live));
    ::close(fd);
#endif
}

#ifndef _WIN32

// (Windows limits the whole path to fewer characters.)
TEST_F(FileReplacement, ALongNameThatIsValidCanBeWritten)
{
    const fs::path path = m_folder / (std::string(246, 'n') + ".wo3");
    WriteFileAtomically(path, std::string_view("first"));
    WriteFileAtomically(path, std::string_view("second"));
    EXPECT_EQ(ReadBytes(path), "second");
    EXPECT_EQ(Names().size(), 1u);
}

TEST_F(FileReplacement, TheNewFileKeepsOwnerGroupPermissionsAndAttributes)
{
    const fs::path path = m_folder / "private.wo3";
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    }
#ifdef __linux__
    const bool attributes = ::setxattr(path.c_str(), "user.origin", "kept", 4, 0) == 0;
#endif
    WriteFileAtomically(path, std::string_view("new"));
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(status.st_uid, 65534u);
        EXPECT_EQ(status.st_gid, 65534u);
    }
#ifdef __linux__
    if (attributes) {
        char value[16] = {};
        EXPECT_EQ(::getxattr(path.c_str(), "user.origin", value, sizeof value), 4);
        EXPECT_STREQ(value, "kept");
    }
#endif
}

TEST_F(FileReplacement, WhileWritingNoOneElseCanOpenTheNewFile)
{
    const fs::path path = m_folder / "private.wo3";
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    CFileReplacement replacement(path);
    replacement.Write(std::string_view("new content"));
    // Either the file has no name yet, or its name lets no one else in.
    for (const auto& entry : fs::directory_iterator(m_folder)) {
        struct stat status {};
        ASSERT_EQ(::stat(entry.path().c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 077, 0u) << entry.path();
    }
    replacement.Commit();
    EXPECT_EQ(ReadBytes(path), "new content");
}

// Runs the check as an ordinary user, as the test runs for one already; true when it held.
bool AsOrdinaryUser(const std::function<bool()>& check)
{
    if (::geteuid() != 0)
        return check();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool held = ::setgid(65534) == 0 && ::setuid(65534) == 0 && check();
        ::_exit(held ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(FileReplacement, AFolderThatCannotBeWrittenIsNamedAsTheCause)
{
    const fs::path path = m_folder / "writable.wo3";
    WriteBytes(path, "old");
    ::chmod(path.c_str(), 0666);
    ::chmod(m_folder.c_str(), 0555);
    const std::string expected = PathToUtf8(path) + " cannot be written: its folder cannot be written to.";
    EXPECT_TRUE(AsOrdinaryUser([&] { return FailureOf(path) == expected; }));
    ::chmod(m_folder.c_str(), 0755);
    EXPECT_EQ(ReadBytes(path), "old");
}

// A disk that takes only so many bytes: writing beyond them fails, as on a full device.
class ByteLimit {
public:
    explicit ByteLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited {bytes, m_previous.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~ByteLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous {};
    void (*m_previousHandler)(int) = nullptr;
};

TEST_F(FileReplacement, ADeviceFailingAfterAnyNumberOfBytesLeavesTheOldFileAndNothingElse)
{
    const fs::path path = m_folder / "catalogue.wo3";
    const std::string old = "the old catalogue";
    WriteBytes(path, old);
    const std::string bytes(300000, 'x');
    for (const rlim_t failAfter : {rlim_t(0), rlim_t(1), rlim_t(4095), rlim_t(65536), rlim_t(299999)}) {
        bool failed = false;
        {
            const ByteLimit limit(failAfter);
            try {
                CFileReplacement replacement(path);
                for (size_t at = 0; at < bytes.size(); at += 70000)
                    replacement.Write(std::string_view(bytes).substr(at, 70000));
                replacement.Commit();
            } catch (const CFileException&) {
                failed = true;
            }
        }
        EXPECT_TRUE(failed) << failAfter;
        EXPECT_EQ(ReadBytes(path), old) << failAfter;
        EXPECT_EQ(Names(), std::set<std::string> {"catalogue.wo3"}) << failAfter;
    }
}

// A large file goes past the system's cache from a whole block on; neither where that starts
// nor where the file ends is a multiple of a block.
TEST_F(FileReplacement, ALargeFileFailingAnywhereLeavesTheOldFile)
{
    const fs::path path = m_folder / "catalogue.bdf";
    WriteBytes(path, "old");
    const std::string bytes = NumberedBytes((size_t(22) << 20) + 4097);
    constexpr rlim_t kMegabyte = rlim_t(1) << 20;
    for (const rlim_t failAfter : {16 * kMegabyte - 1, 16 * kMegabyte + 4097, 21 * kMegabyte, rlim_t(bytes.size() - 1)}) {
        bool failed = false;
        {
            const ByteLimit limit(failAfter);
            try {
                CFileReplacement replacement(path);
                WriteInPieces(replacement, bytes, {4095, 3 << 20, 1});
                replacement.Commit();
            } catch (const CFileException&) {
                failed = true;
            }
        }
        EXPECT_TRUE(failed) << failAfter;
        EXPECT_EQ(ReadBytes(path), "old") << failAfter;
        EXPECT_EQ(Names(), std::set<std::string> {"catalogue.bdf"}) << failAfter;
    }
}

TEST_F(FileReplacement, ABackupIsKeptWholeOrNotAtAllAndAsPrivateAsItsFile)
{
    const fs::path path = m_folder / "catalogue.wo3";
    WriteBytes(path, std::string(100000, 'c'));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    {
        const ByteLimit full(4096);
        EXPECT_THROW(KeepBackupCopy(path), CFileException);
    }
    EXPECT_EQ(Names(), std::set<std::string> {"catalogue.wo3"});
    KeepBackupCopy(path);
    EXPECT_EQ(ReadBytes(BackupPathOf(path)), ReadBytes(path));
    struct stat status {};
    ASSERT_EQ(::stat(BackupPathOf(path).c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

#endif

} // namespace
