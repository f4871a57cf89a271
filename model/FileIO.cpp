#include "model/FileIO.h"

#include "model/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

FILE* OpenFile(const fs::path& path, bool forWriting)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
#else
    return std::fopen(path.c_str(), forWriting ? "wbx" : "rb");
#endif
}

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

fs::path TemporaryPathBeside(const fs::path& target)
{
    static std::mt19937 generator{std::random_device{}()};
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string name = "." + PathToUtf8(target.filename()) + ".tmp";
    static const char digits[] = "0123456789abcdef";
    for (int i = 0; i < 8; ++i)
        name += digits[generator() % 16];
    return folder / PathFromUtf8(name);
}

// A link is replaced by writing to the file it points to, so the link stays.
fs::path ResolveTarget(const fs::path& path)
{
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        const fs::path resolved = fs::canonical(path, error);
        if (!error)
            return resolved;
    }
    return path;
}

void SyncFile(FILE* file)
{
#ifdef _WIN32
    _commit(_fileno(file));
#else
    ::fsync(fileno(file));
#endif
}

void KeepPermissionsOf(const fs::path& target, FILE* file)
{
#ifndef _WIN32
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0)
        ::fchmod(fileno(file), status.st_mode & 07777);
    else
        ::fchmod(fileno(file), 0666 & ~[] { const mode_t mask = ::umask(0); ::umask(mask); return mask; }());
#else
    (void)target;
    (void)file;
#endif
}

void ReplaceFile(const fs::path& temporary, const fs::path& target)
{
#ifdef _WIN32
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw CFileException(CauseFromWindowsError(GetLastError()), target);
#else
    if (std::rename(temporary.c_str(), target.c_str()) != 0)
        throw CFileException(CFileException::CauseFromErrno(errno), target);
#endif
}

} // namespace

namespace {

FilePtr OpenForReading(const fs::path& path)
{
    std::error_code error;
    if (fs::is_directory(path, error))
        throw CFileException(CFileException::accessDenied, path);
    errno = 0;
    FilePtr file(OpenFile(path, false));
    if (!file)
        throw CFileException(CFileException::CauseFromErrno(errno), path);
    return file;
}

// The size the file has now; 0 when the system cannot tell (the file is then read to its end).
size_t SizeOfOpenFile(FILE* file)
{
#ifdef _WIN32
    struct _stat64 status {};
    return _fstat64(_fileno(file), &status) == 0 ? static_cast<size_t>(status.st_size) : 0;
#else
    struct stat status {};
    return ::fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode) ? static_cast<size_t>(status.st_size) : 0;
#endif
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

} // namespace

std::vector<uint8_t> ReadWholeFile(const fs::path& path)
{
    const FilePtr file = OpenForReading(path);
    // One read for the size the file has; a file that grows meanwhile is read to its end.
    std::vector<uint8_t> bytes(SizeOfOpenFile(file.get()) + 1);
    for (size_t end = 0;;) {
        end = ReadInto(file.get(), bytes.data(), end, bytes.size(), path);
        if (end < bytes.size()) {
            bytes.resize(end);
            return bytes;
        }
        bytes.resize(bytes.size() * 2);
    }
}

CFileBytes::CFileBytes(const fs::path& path)
{
    const FilePtr file = OpenForReading(path);
    size_t capacity = SizeOfOpenFile(file.get()) + 1;
    m_data = std::make_unique_for_overwrite<uint8_t[]>(capacity);
    for (;;) {
        m_size = ReadInto(file.get(), m_data.get(), m_size, capacity, path);
        if (m_size < capacity)
            return;
        // The file grew while it was read.
        auto larger = std::make_unique_for_overwrite<uint8_t[]>(capacity * 2);
        std::copy(m_data.get(), m_data.get() + m_size, larger.get());
        m_data = std::move(larger);
        capacity *= 2;
    }
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
    : m_path(path)
    , m_target(ResolveTarget(path))
{
    std::error_code error;
    if (fs::is_directory(m_target, error))
        throw CFileException(CFileException::accessDenied, path);
    const fs::path folder = m_target.has_parent_path() ? m_target.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, error))
        throw CFileException(CFileException::fileNotFound, path);

    m_temporary = TemporaryPathBeside(m_target);
    errno = 0;
    m_pFile.reset(OpenFile(m_temporary, true));
    if (!m_pFile)
        throw CFileException(CFileException::CauseFromErrno(errno), path);
    KeepPermissionsOf(m_target, m_pFile.get());
}

CFileReplacement::~CFileReplacement()
{
    if (m_temporary.empty())
        return; // committed
    m_pFile.reset();
    std::error_code error;
    fs::remove(m_temporary, error);
}

void CFileReplacement::Write(std::span<const uint8_t> bytes)
{
    if (bytes.empty())
        return;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_pFile.get()) != bytes.size())
        throw CFileException(CFileException::CauseFromErrno(errno), m_path);
    m_written += bytes.size();
    StartStoring();
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

void CFileReplacement::Commit()
{
    errno = 0;
    if (std::fflush(m_pFile.get()) != 0)
        throw CFileException(CFileException::CauseFromErrno(errno), m_path);
    SyncFile(m_pFile.get());
    errno = 0;
    if (std::fclose(m_pFile.release()) != 0)
        throw CFileException(CFileException::CauseFromErrno(errno), m_path);
    ReplaceFile(m_temporary, m_target);
    m_temporary.clear();
}

void WriteFileAtomically(const fs::path& path, std::string_view bytes)
{
    WriteFileAtomically(path, std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}
