#include "model/FileIO.h"

#include "model/Exceptions.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef __linux__
#include <sys/xattr.h>
#endif

namespace fs = std::filesystem;

namespace {

using FilePtr = std::unique_ptr<FILE, FileCloser>;

#ifdef _WIN32
CFileException::Cause CauseFromWindowsError(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return CFileException::fileNotFound;
    case ERROR_ACCESS_DENIED:
        return CFileException::accessDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return CFileException::sharingViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return CFileException::diskFull;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
        return CFileException::badPath;
    default:
        return CFileException::generic;
    }
}
#endif

// Named temporary files of replacements under way, kept where a signal handler can reach them
// without taking memory.
constexpr size_t kTrackedNames = 8;
constexpr size_t kTrackedNameLength = 4096;
enum : int { kSlotFree, kSlotFilling, kSlotInUse };
struct TrackedName {
    std::atomic<int> state {kSlotFree};
    fs::path::value_type name[kTrackedNameLength];
};
std::array<TrackedName, kTrackedNames> s_trackedNames;

void RemoveFile(const fs::path::value_type* name)
{
#ifdef _WIN32
    ::_wunlink(name);
#else
    ::unlink(name);
#endif
}

TrackedName* TrackName(const fs::path& path)
{
    const auto& native = path.native();
    if (native.size() >= kTrackedNameLength)
        return nullptr;
    for (TrackedName& slot : s_trackedNames) {
        int expected = kSlotFree;
        if (!slot.state.compare_exchange_strong(expected, kSlotFilling))
            continue;
        std::copy(native.begin(), native.end(), slot.name);
        slot.name[native.size()] = 0;
        slot.state = kSlotInUse;
        return &slot;
    }
    return nullptr; // the next replacement of the same file removes it when left behind
}

void ForgetName(const fs::path& path)
{
    for (TrackedName& slot : s_trackedNames)
        if (slot.state == kSlotInUse && path.native() == slot.name)
            slot.state = kSlotFree;
}

extern "C" void RemoveTrackedNamesAndEnd(int signal)
{
    for (TrackedName& slot : s_trackedNames)
        if (slot.state == kSlotInUse)
            RemoveFile(slot.name);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

uint32_t NameHash(std::string_view name)
{
    uint32_t hash = 2166136261u;
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

std::string Hex(uint32_t value)
{
    static const char digits[] = "0123456789abcdef";
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i, value >>= 4)
        text[static_cast<size_t>(i)] = digits[value & 0xF];
    return text;
}

constexpr size_t kRandomDigits = 8;

// ".NAME.tmpHHHHHHHH": the name's hash makes the prefix one target's own. Long names are
// shortened, so the temporary name never makes a valid target name fail.
std::string TemporaryPrefix(const fs::path& target)
{
    const std::string fullName = PathToUtf8(target.filename());
    constexpr size_t kKeptNameBytes = 200;
    std::string name = fullName;
    if (name.size() > kKeptNameBytes) {
        size_t cut = kKeptNameBytes;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut; // never inside a character
        name.resize(cut);
    }
    return "." + name + ".tmp" + Hex(NameHash(fullName));
}

bool IsTemporaryNameOf(const std::string& name, const std::string& prefix)
{
    if (name.size() != prefix.size() + kRandomDigits || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    return name.find_first_not_of("0123456789abcdef", prefix.size()) == std::string::npos;
}

// A temporary file whose writer is gone: on Windows an open file cannot be removed, elsewhere
// its writer holds a lock on it for as long as it runs. Another user's files are left alone.
void RemoveIfAbandoned(const fs::path& path)
{
#ifdef _WIN32
    ::_wunlink(path.c_str());
#else
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid()
        && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
        ::unlink(path.c_str());
    ::close(fd);
#endif
}

void RemoveAbandonedTemporaries(const fs::path& folder, const fs::path& target)
{
    const std::string prefix = TemporaryPrefix(target);
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path name = it->path().filename();
        if (IsTemporaryNameOf(PathToUtf8(name), prefix))
            RemoveIfAbandoned(it->path());
    }
}

// A link is replaced by writing to the file it points to, so the link stays; unless the link
// is not to be followed, when the new file takes its place.
fs::path ResolveTarget(const fs::path& path, bool followLink)
{
    std::error_code error;
    if (!followLink || !fs::is_symlink(fs::symlink_status(path, error)))
        return path;
    const fs::path resolved = fs::canonical(path, error);
    if (error)
        throw CFileException(CFileException::danglingLink, path);
    return resolved;
}

bool IsReadOnly(const fs::path& target)
{
    std::error_code error;
    const fs::perms perms = fs::status(target, error).permissions();
    constexpr fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (!error && (perms & anyWrite) == fs::perms::none)
        return true;
#ifndef _WIN32
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES || errno == EPERM || errno == EROFS;
#endif
    return false;
}

// Refuses any target that is there and is not a regular file, or that cannot or must not be
// replaced.
void CheckExistingTarget(const fs::path& target, const fs::path& path, bool followLink)
{
    std::error_code error;
    const fs::file_status status = followLink ? fs::status(target, error) : fs::symlink_status(target, error);
    if (fs::is_symlink(status))
        return; // replaced itself, not written through
    if (!fs::exists(status))
        return;
    if (fs::is_directory(status))
        throw CFileException(CFileException::isFolder, path);
    if (!fs::is_regular_file(status))
        throw CFileException(CFileException::notRegularFile, path);
    if (IsReadOnly(target))
        throw CFileException(CFileException::readOnly, path);
    const auto links = fs::hard_link_count(target, error);
    if (!error && links > 1)
        throw CFileException(CFileException::severalLinks, path);
}

CFileException FailedToCreateIn(const fs::path& path, int error)
{
    if (error == EACCES || error == EPERM || error == EROFS)
        return CFileException(CFileException::folderNotWritable, path);
    // The folder went away after it was looked at.
    if (error == ENOENT || error == ENOTDIR)
        return CFileException(CFileException::folderNotFound, path);
    return CFileException(CFileException::CauseFromErrno(error), path);
}

#ifndef _WIN32
// The owner, group, permissions and extended attributes of the file being replaced; a new
// file has the permissions the user's mask leaves, as any new file.
void TakeOverAttributes(int fd, const fs::path& target)
{
    struct stat status {};
    if (target.empty() || ::stat(target.c_str(), &status) != 0)
        return;
    // The owner first: changing it clears set-user-id bits, which the mode then restores.
    // Where the owner may not be given away, the group may still be kept.
    if (::fchown(fd, status.st_uid, status.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), status.st_gid);
    ::fchmod(fd, status.st_mode & 07777);
#ifdef __linux__
    std::vector<char> names(1024);
    ssize_t size = 0;
    while ((size = ::listxattr(target.c_str(), names.data(), names.size())) < 0 && errno == ERANGE)
        names.resize(names.size() * 4);
    if (size <= 0)
        return;
    std::vector<char> value(1024);
    for (const char* name = names.data(); name < names.data() + size; name += std::strlen(name) + 1) {
        ssize_t length = 0;
        while ((length = ::getxattr(target.c_str(), name, value.data(), value.size())) < 0 && errno == ERANGE)
            value.resize(value.size() * 4);
        if (length >= 0)
            (void)::fsetxattr(fd, name, value.data(), static_cast<size_t>(length), 0);
    }
#endif
}

// The final permissions from the start, so no one else can open a private file meanwhile.
mode_t CreationMode(const fs::path& model, const std::optional<fs::perms>& permissions)
{
    if (permissions)
        return static_cast<mode_t>(*permissions) & 0777;
    struct stat status {};
    if (!model.empty() && ::stat(model.c_str(), &status) == 0)
        return status.st_mode & 0777;
    return 0666;
}

void SyncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
#endif

void SyncFile(FILE* file)
{
#ifdef _WIN32
    _commit(_fileno(file));
#else
    ::fsync(fileno(file));
#endif
}

void ReplaceFile(const fs::path& temporary, const fs::path& target, const fs::path& path)
{
#ifdef _WIN32
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw CFileException(CauseFromWindowsError(GetLastError()), path);
#else
    if (std::rename(temporary.c_str(), target.c_str()) != 0)
        throw CFileException(CFileException::CauseFromErrno(errno), path);
#endif
}

fs::path FolderOf(const fs::path& target)
{
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

} // namespace

fs::path TemporaryPathBeside(const fs::path& target)
{
    static std::mt19937 generator {std::random_device {}()};
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    return folder / PathFromUtf8(TemporaryPrefix(target) + Hex(generator()));
}

namespace {

// Opens a regular file for reading and tells its size; anything else (a folder, a device, a
// pipe) and a file larger than sizeLimit are refused before a byte is read.
FilePtr OpenRegularFile(const fs::path& path, uint64_t sizeLimit, uint64_t& size)
{
    std::error_code error;
    if (fs::is_directory(path, error))
        throw CFileException(CFileException::isFolder, path);
#ifdef _WIN32
    const fs::file_status status = fs::status(path, error);
    if (fs::exists(status) && !fs::is_regular_file(status))
        throw CFileException(CFileException::notRegularFile, path);
    errno = 0;
    FilePtr file(_wfopen(path.c_str(), L"rb"));
    if (!file)
        throw CFileException(CFileException::CauseFromErrno(errno), path);
    size = fs::file_size(path, error);
#else
    // Opened without waiting, so a pipe or a device is refused instead of blocking.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        throw CFileException(CFileException::CauseFromErrno(errno), path);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        throw CFileException(S_ISDIR(status.st_mode) ? CFileException::isFolder : CFileException::notRegularFile, path);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FilePtr file(::fdopen(fd, "rb"));
    if (!file) {
        ::close(fd);
        throw CFileException(CFileException::generic, path);
    }
    size = static_cast<uint64_t>(status.st_size);
#endif
    if (size > sizeLimit)
        throw CFileException(CFileException::tooLarge, path);
    return file;
}

// Reads into buffer from offset until it is full or the file ends; returns the end.
size_t ReadInto(FILE* file, uint8_t* buffer, size_t offset, size_t capacity, const fs::path& path)
{
    while (offset < capacity) {
        const size_t got = std::fread(buffer + offset, 1, capacity - offset, file);
        offset += got;
        if (got == 0) {
            if (std::ferror(file))
                throw CFileException(CFileException::generic, path);
            break;
        }
    }
    return offset;
}

// Reads the whole file into a buffer that Grow(capacity) makes larger, keeping what it holds:
// one read for the size the file has, and one byte more to see that it ends there. A file that
// grows meanwhile is read to its end, within the limit. Returns the size read.
// The next size of the buffer: always larger, so reading goes on until the file ends, and
// never more than one byte beyond the limit, which is enough to see that the file exceeds it.
uint64_t GrownCapacity(uint64_t capacity, uint64_t sizeLimit)
{
    constexpr uint64_t kLargest = std::numeric_limits<size_t>::max();
    const uint64_t most = std::min(sizeLimit, kLargest - 1) + 1;
    const uint64_t doubled = capacity > kLargest / 2 ? kLargest : std::max<uint64_t>(capacity * 2, 4096);
    return std::min(doubled, most);
}

// A large buffer is filled with large pages where the system offers them: a read into it then
// takes a page fault per 2 MB instead of per 4 KB.
void AskForLargePages(uint8_t* buffer, size_t size)
{
#ifdef __linux__
    constexpr uintptr_t kLargePage = uintptr_t(2) << 20;
    const auto start = reinterpret_cast<uintptr_t>(buffer);
    const uintptr_t from = (start + kLargePage - 1) / kLargePage * kLargePage;
    const uintptr_t to = (start + size) / kLargePage * kLargePage;
    if (to > from)
        ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#else
    (void)buffer;
    (void)size;
#endif
}

template <class Grow>
size_t ReadWhole(FILE* file, uint64_t size, uint64_t sizeLimit, const fs::path& path, uint8_t*& buffer, Grow grow)
{
    size_t capacity = static_cast<size_t>(std::min({size, sizeLimit, uint64_t(std::numeric_limits<size_t>::max() - 1)})) + 1;
    size_t end = 0;
    for (;;) {
        try {
            buffer = grow(capacity);
        } catch (const std::bad_alloc&) {
            throw CFileException(CFileException::tooLarge, path);
        }
        end = ReadInto(file, buffer, end, capacity, path);
        if (end < capacity)
            return end;
        const uint64_t grown = GrownCapacity(capacity, sizeLimit);
        if (end > sizeLimit || grown <= capacity)
            throw CFileException(CFileException::tooLarge, path); // it grew while being read
        capacity = static_cast<size_t>(grown);
    }
}

} // namespace

std::vector<uint8_t> ReadWholeFile(const fs::path& path, uint64_t sizeLimit)
{
    uint64_t size = 0;
    const FilePtr file = OpenRegularFile(path, sizeLimit, size);
    std::vector<uint8_t> bytes;
    uint8_t* buffer = nullptr;
    const size_t end = ReadWhole(file.get(), size, sizeLimit, path, buffer, [&](size_t capacity) {
        bytes.resize(capacity);
        return bytes.data();
    });
    bytes.resize(end);
    return bytes;
}

CFileBytes::CFileBytes(const fs::path& path, uint64_t sizeLimit)
{
    uint64_t size = 0;
    const FilePtr file = OpenRegularFile(path, sizeLimit, size);
    uint8_t* buffer = nullptr;
    size_t held = 0; // a buffer is replaced only when the file filled it
    m_size = ReadWhole(file.get(), size, sizeLimit, path, buffer, [&](size_t capacity) {
        auto larger = std::make_unique_for_overwrite<uint8_t[]>(capacity);
        AskForLargePages(larger.get(), capacity);
        std::copy(m_data.get(), m_data.get() + held, larger.get());
        m_data = std::move(larger);
        held = capacity;
        return m_data.get();
    });
}

CFileReader::CFileReader(const fs::path& path, uint64_t sizeLimit)
    : m_path(path)
    , m_pFile(OpenRegularFile(path, sizeLimit, m_size))
{
}

size_t CFileReader::Read(uint8_t* into, size_t size)
{
    return ReadInto(m_pFile.get(), into, 0, size, m_path);
}

void CFileBytes::ReleaseBefore(size_t offset)
{
#ifdef __linux__
    // Whole pages only, inside the buffer.
    const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<uintptr_t>(m_data.get());
    const uintptr_t from = (start + m_released + page - 1) / page * page;
    const uintptr_t to = (start + std::min(offset, m_size)) / page * page;
    if (to > from && ::madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED) == 0)
        m_released = to - start;
#else
    (void)offset;
#endif
}

void WriteFileAtomically(const fs::path& path, std::span<const uint8_t> bytes)
{
    CFileReplacement file(path);
    file.Write(bytes);
    file.Commit();
}

CFileReplacement::CFileReplacement(const fs::path& path)
    : CFileReplacement(path, SRules {})
{
}

CFileReplacement::CFileReplacement(const fs::path& path, SRules rules)
    : m_path(path)
    , m_target(ResolveTarget(path, rules.m_followLink))
    , m_rules(std::move(rules))
{
    std::error_code error;
    const fs::path folder = FolderOf(m_target);
    CheckExistingTarget(m_target, path, m_rules.m_followLink);
    if (m_rules.m_attributesFrom.empty() && fs::is_regular_file(fs::symlink_status(m_target, error)))
        m_rules.m_attributesFrom = m_target;
    if (!fs::is_directory(folder, error))
        throw CFileException(CFileException::folderNotFound, path);
    RemoveAbandonedTemporaries(folder, m_target);
    OpenTemporaryFile(folder);
}

void CFileReplacement::OpenTemporaryFile(const fs::path& folder)
{
#ifdef _WIN32
    m_temporary = TemporaryPathBeside(m_target);
    TrackName(m_temporary);
    const int fd = ::_wopen(m_temporary.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        const int cause = errno;
        ForgetName(m_temporary); // the name may be another's: nothing is removed
        m_temporary.clear();
        throw FailedToCreateIn(m_path, cause);
    }
    m_pFile.reset(::_fdopen(fd, "wb"));
    if (!m_pFile)
        ::_close(fd);
#else
    const mode_t mode = CreationMode(m_rules.m_attributesFrom, m_rules.m_permissions);
    int fd = -1;
#ifdef O_TMPFILE
    fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS || errno == ENOSPC || errno == EDQUOT))
        throw FailedToCreateIn(m_path, errno);
#endif
    if (fd < 0) {
        // A file system without unnamed files: a named one, removed again on failure.
        m_temporary = TemporaryPathBeside(m_target);
        TrackName(m_temporary);
        fd = ::open(m_temporary.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
        if (fd < 0) {
            const int cause = errno;
            ForgetName(m_temporary); // the name may be another's: nothing is removed
            m_temporary.clear();
            throw FailedToCreateIn(m_path, cause);
        }
    }
    // Held while this program writes, so a later replacement never takes the file for abandoned.
    ::flock(fd, LOCK_EX | LOCK_NB);
    TakeOverAttributes(fd, m_rules.m_attributesFrom);
    if (m_rules.m_permissions)
        ::fchmod(fd, mode); // whatever the user's mask
    m_pFile.reset(::fdopen(fd, "wb"));
    if (!m_pFile)
        ::close(fd);
#endif
    if (!m_pFile) {
        ForgetTemporaryName();
        throw CFileException(CFileException::generic, m_path);
    }
    // Each piece goes to the system in one write: the pieces are large, and a buffer would
    // only copy a part of each and write it on its own.
    std::setvbuf(m_pFile.get(), nullptr, _IONBF, 0);
}

void CFileReplacement::ForgetTemporaryName()
{
    if (m_temporary.empty())
        return;
    RemoveFile(m_temporary.c_str());
    ForgetName(m_temporary);
    m_temporary.clear();
}

CFileReplacement::~CFileReplacement()
{
    if (m_committed)
        return;
    m_pFile.reset();
    ForgetTemporaryName();
}

void CFileReplacement::Write(std::span<const uint8_t> bytes)
{
    if (bytes.empty())
        return;
    if (!m_directTried)
        StartDirectWritesWhenLarge(bytes);
    if (m_direct) {
        if (const int error = m_direct->Append(bytes))
            throw CFileException(CFileException::CauseFromErrno(error), m_path);
        m_written += bytes.size();
        return;
    }
    WriteThroughCache(bytes);
}

void CFileReplacement::WriteThroughCache(std::span<const uint8_t> bytes)
{
    if (bytes.empty())
        return;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_pFile.get()) != bytes.size())
        throw CFileException(CFileException::CauseFromErrno(errno), m_path);
    m_written += bytes.size();
    StartStoring();
}

void CFileReplacement::StartDirectWritesWhenLarge(std::span<const uint8_t>& bytes)
{
    // Small files, most documents among them, are written through the cache as ever.
    constexpr uint64_t kLargeFile = uint64_t(16) << 20;
    if (m_written + bytes.size() < kLargeFile)
        return;
    m_directTried = true;
    // Direct writes start where the file is a whole number of blocks long.
    const size_t toWholeBlock = (kDirectWriteAlignment - m_written % kDirectWriteAlignment) % kDirectWriteAlignment;
    const size_t front = std::min(bytes.size(), toWholeBlock);
    WriteThroughCache(bytes.first(front));
    bytes = bytes.subspan(front);
    errno = 0;
    if (std::fflush(m_pFile.get()) != 0)
        throw CFileException(CFileException::CauseFromErrno(errno), m_path);
    m_direct = StartDirectWrites(m_pFile.get());
}

void CFileReplacement::Write(std::string_view bytes)
{
    Write(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

void CFileReplacement::StartStoring()
{
#ifdef __linux__
    // Storing in large steps keeps the disk busy while the next pieces are made.
    constexpr uint64_t kStep = uint64_t(16) << 20;
    if (m_written - m_storing < kStep || std::fflush(m_pFile.get()) != 0)
        return;
    ::sync_file_range(fileno(m_pFile.get()), static_cast<off_t>(m_storing), static_cast<off_t>(m_written - m_storing),
        SYNC_FILE_RANGE_WRITE);
    m_storing = m_written;
#endif
}

// An unnamed file gets a temporary name of its own first: a link can only make a new name,
// and the rename then replaces the target in one step.
void CFileReplacement::GiveTemporaryFileAName()
{
#ifdef __linux__
    if (!m_temporary.empty())
        return;
    const std::string descriptor = "/proc/self/fd/" + std::to_string(fileno(m_pFile.get()));
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path name = TemporaryPathBeside(m_target);
        TrackName(name);
        if (::linkat(AT_FDCWD, descriptor.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0
            || ::linkat(fileno(m_pFile.get()), "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) {
            m_temporary = name;
            return;
        }
        const int cause = errno;
        ForgetName(name);
        if (cause != EEXIST)
            throw FailedToCreateIn(m_path, cause);
    }
    throw CFileException(CFileException::generic, m_path);
#endif
}

void CFileReplacement::Finish()
{
    if (m_direct) {
        const std::unique_ptr<CDirectWrites> direct = std::move(m_direct);
        if (const int error = direct->Finish())
            throw CFileException(CFileException::CauseFromErrno(error), m_path);
    }
    if (!m_pFile)
        return; // finished already
    errno = 0;
    if (std::fflush(m_pFile.get()) != 0)
        throw CFileException(CFileException::CauseFromErrno(errno), m_path);
    SyncFile(m_pFile.get());
#ifdef _WIN32
    // Windows moves only a closed file.
    errno = 0;
    if (std::fclose(m_pFile.release()) != 0)
        throw CFileException(CFileException::CauseFromErrno(errno), m_path);
#else
    if (std::ferror(m_pFile.get()))
        throw CFileException(CFileException::generic, m_path);
    GiveTemporaryFileAName();
#endif
}

void CFileReplacement::ReplaceTarget()
{
#ifdef _WIN32
    ReplaceFile(m_temporary, m_target, m_path);
#else
    // Renamed while still open and locked, so no other replacement takes it for abandoned.
    ReplaceFile(m_temporary, m_target, m_path);
    m_committed = true;
    ForgetName(m_temporary);
    m_temporary.clear();
    errno = 0;
    if (std::fclose(m_pFile.release()) != 0)
        throw CFileException(CFileException::CauseFromErrno(errno), m_path);
    return;
#endif
    m_committed = true;
    ForgetName(m_temporary);
    m_temporary.clear();
}

void CFileReplacement::StoreTargetsName()
{
#ifndef _WIN32
    SyncFolder(FolderOf(m_target));
#endif
}

void CFileReplacement::Commit()
{
    Finish();
    try {
        ReplaceTarget();
    } catch (const CFileException&) {
        StoreTargetsName();
        throw;
    }
    StoreTargetsName();
}

namespace {

// Holds back interrupts and terminations while files are put in place together; they take
// effect, removing what is left to remove, once the last file is in place.
class CTerminationsHeldBack {
public:
#ifdef _WIN32
    CTerminationsHeldBack() = default;
#else
    CTerminationsHeldBack()
    {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&held, signal);
        ::sigprocmask(SIG_BLOCK, &held, &m_previous);
    }
    ~CTerminationsHeldBack() { ::sigprocmask(SIG_SETMASK, &m_previous, nullptr); }

private:
    sigset_t m_previous {};
#endif
    CTerminationsHeldBack(const CTerminationsHeldBack&) = delete;
    CTerminationsHeldBack& operator=(const CTerminationsHeldBack&) = delete;
};

// What stood at a target about to be replaced: a second name of it, so that it can be put
// back, empty where the file system keeps one name per file.
struct SOldTarget {
    bool m_existed = false;
    fs::path m_kept;
};

SOldTarget KeepOldTarget(const fs::path& target)
{
    std::error_code error;
    if (!fs::exists(fs::symlink_status(target, error)))
        return {};
    const fs::path kept = TemporaryPathBeside(target);
    fs::create_hard_link(target, kept, error);
    return {true, error ? fs::path() : kept};
}

} // namespace

void CommitTogether(std::span<CFileReplacement* const> files)
{
    for (CFileReplacement* file : files)
        file->Finish();
    [[maybe_unused]] const CTerminationsHeldBack held; // holds nothing where no signals are held back
    std::vector<SOldTarget> old;
    for (CFileReplacement* file : files)
        old.push_back(KeepOldTarget(file->Target()));
    std::error_code ignored;
    const auto forgetKept = [&] {
        for (const SOldTarget& target : old)
            if (!target.m_kept.empty())
                fs::remove(target.m_kept, ignored);
    };
    // Nothing but the renames between the first and the last: the folder is stored after.
    size_t replaced = 0;
    try {
        for (; replaced < files.size(); ++replaced)
            files[replaced]->ReplaceTarget();
    } catch (const CFileException&) {
        // The files already in place give way to what stood there before.
        for (size_t i = 0; i < replaced; ++i) {
            if (!old[i].m_existed)
                fs::remove(files[i]->Target(), ignored);
            else if (!old[i].m_kept.empty())
                fs::rename(old[i].m_kept, files[i]->Target(), ignored);
        }
        forgetKept();
        throw;
    }
    forgetKept();
    for (CFileReplacement* file : files)
        file->StoreTargetsName();
}

void WriteFileAtomically(const fs::path& path, std::string_view bytes)
{
    WriteFileAtomically(path, std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

void RemoveTemporaryFilesOnTermination()
{
    std::signal(SIGINT, RemoveTrackedNamesAndEnd);
    std::signal(SIGTERM, RemoveTrackedNamesAndEnd);
#ifdef SIGHUP
    std::signal(SIGHUP, RemoveTrackedNamesAndEnd);
#endif
}

std::filesystem::path BackupPathOf(const std::filesystem::path& path)
{
    std::filesystem::path backup = path;
    backup += ".bak";
    return backup;
}

void KeepBackupCopy(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return;
    const std::vector<uint8_t> bytes = ReadWholeFile(path);
    // Made like any replacement, so a failure leaves no backup rather than a part of one.
    CFileReplacement::SRules rules;
    rules.m_attributesFrom = path;
    CFileReplacement backup(BackupPathOf(path), rules);
    backup.Write(bytes);
    backup.Commit();
}
