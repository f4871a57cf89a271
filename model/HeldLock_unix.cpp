#include "model/HeldLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The lock file may be removed by its last holder while another opens it; a lock on a file
// no longer at its path locks nothing, so the open is tried again this often.
constexpr int kOpenAttempts = 8;

bool SameFile(int fd, const std::filesystem::path& path)
{
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev
        && open.st_ino == named.st_ino;
}

}

std::unique_ptr<CHeldLock> CHeldLock::TryHold(const std::filesystem::path& path)
{
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600);
        if (fd < 0)
            return nullptr;
        // flock belongs to the open file, not to the process: a second hold in this process
        // is refused like another process's, and the system drops it when the holder ends.
        int locked = 0;
        do
            locked = ::flock(fd, LOCK_EX | LOCK_NB);
        while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            ::close(fd);
            return nullptr;
        }
        if (SameFile(fd, path))
            return std::unique_ptr<CHeldLock>(new CHeldLock(path, fd));
        ::close(fd);
    }
    return nullptr;
}

bool CHeldLock::Describe(std::string_view text)
{
    const int fd = static_cast<int>(m_handle);
    if (::ftruncate(fd, 0) != 0)
        return false;
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::pwrite(fd, text.data() + written, text.size() - written, static_cast<off_t>(written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        written += static_cast<size_t>(count);
    }
    return true;
}

void CHeldLock::Remove()
{
    // Removed while still held, so whoever opened it meanwhile finds it gone and tries anew.
    if (m_handle >= 0)
        ::unlink(m_path.c_str());
    Close();
}

void CHeldLock::Close()
{
    if (m_handle >= 0)
        ::close(static_cast<int>(m_handle));
    m_handle = -1;
}
