#include "model/DirectWrites.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <new>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace {

#ifdef O_DIRECT

// Large enough that the disk is kept busy; small enough to stay out of the way in memory.
constexpr size_t kStageSize = size_t(1) << 20;

struct SAlignedFree {
    void operator()(uint8_t* bytes) const { ::operator delete[](bytes, std::align_val_t(kDirectWriteAlignment)); }
};
using AlignedBytes = std::unique_ptr<uint8_t[], SAlignedFree>;

AlignedBytes NewStage()
{
    return AlignedBytes(static_cast<uint8_t*>(::operator new[](kStageSize, std::align_val_t(kDirectWriteAlignment))));
}

// Writes size bytes, counting in done how many have been; returns 0 or the error number.
int WriteAll(int fd, const uint8_t* bytes, size_t size, size_t& done)
{
    while (done < size) {
        const ssize_t written = ::write(fd, bytes + done, size - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : ENOSPC;
        done += static_cast<size_t>(written);
    }
    return 0;
}

bool SetDirect(int fd, bool direct)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags != -1 && ::fcntl(fd, F_SETFL, direct ? flags | O_DIRECT : flags & ~O_DIRECT) == 0;
}

// Two stages: one is filled while a thread of its own writes the other, so that making the
// text and storing it overlap as they do when the system's writeback stores a cached file.
class CUnixDirectWrites : public CDirectWrites {
public:
    explicit CUnixDirectWrites(int fd) : m_fd(fd), m_stages {NewStage(), NewStage()} { }

    ~CUnixDirectWrites() override { StopWriter(); }
    CUnixDirectWrites(const CUnixDirectWrites&) = delete;
    CUnixDirectWrites& operator=(const CUnixDirectWrites&) = delete;

    int Append(std::span<const uint8_t> bytes) override
    {
        while (!bytes.empty()) {
            const size_t taken = std::min(bytes.size(), kStageSize - m_staged);
            std::memcpy(m_stages[m_filling].get() + m_staged, bytes.data(), taken);
            m_staged += taken;
            bytes = bytes.subspan(taken);
            if (m_staged == kStageSize) {
                if (const int error = HandStageOn(kStageSize))
                    return error;
            }
        }
        return 0;
    }

    int Finish() override
    {
        const size_t whole = m_staged / kDirectWriteAlignment * kDirectWriteAlignment;
        const size_t rest = m_staged - whole;
        const uint8_t* last = m_stages[m_filling].get() + whole;
        if (const int error = HandStageOn(whole))
            return error;
        if (const int error = WaitForWriter())
            return error;
        StopWriter();
        if (m_direct && !SetDirect(m_fd, false))
            return errno;
        m_direct = false;
        size_t done = 0;
        return WriteAll(m_fd, last, rest, done);
    }

private:
    // Gives the filled stage to the writer, once it has written the one before, and fills the other.
    int HandStageOn(size_t size)
    {
        if (const int error = WaitForWriter())
            return error;
        if (size > 0) {
            if (!m_writer.joinable())
                m_writer = std::thread([this] { WriteStages(); });
            const std::lock_guard lock(m_mutex);
            m_pending = {m_stages[m_filling].get(), size};
            m_changed.notify_all();
        }
        m_filling = 1 - m_filling;
        m_staged = 0;
        return 0;
    }

    // Returns the error of the last write once it has ended.
    int WaitForWriter()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_pending.empty(); });
        return m_error;
    }

    void WriteStages()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [this] { return !m_pending.empty() || m_stopping; });
            if (m_pending.empty())
                return;
            const std::span<const uint8_t> stage = m_pending;
            lock.unlock();
            const int error = WriteDirect(stage.data(), stage.size());
            lock.lock();
            if (!m_error)
                m_error = error;
            m_pending = {};
            m_changed.notify_all();
        }
    }

    void StopWriter()
    {
        if (!m_writer.joinable())
            return;
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
            m_changed.notify_all();
        }
        m_writer.join();
    }

    int WriteDirect(const uint8_t* bytes, size_t size)
    {
        size_t done = 0;
        const int error = WriteAll(m_fd, bytes, size, done);
        if (error != EINVAL || !m_direct)
            return error;
        // The file system took the flag but not the write: the rest goes through the cache.
        if (!SetDirect(m_fd, false))
            return errno;
        m_direct = false;
        return WriteAll(m_fd, bytes, size, done);
    }

    const int m_fd;
    std::array<AlignedBytes, 2> m_stages;
    size_t m_filling = 0;
    size_t m_staged = 0;
    // Set by the writer only, and read once it has stopped.
    bool m_direct = true;
    std::thread m_writer;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::span<const uint8_t> m_pending;
    int m_error = 0;
    bool m_stopping = false;
};

#endif

} // namespace

std::unique_ptr<CDirectWrites> StartDirectWrites([[maybe_unused]] std::FILE* file)
{
#ifdef O_DIRECT
    const int fd = fileno(file);
    const off_t offset = ::lseek(fd, 0, SEEK_CUR);
    if (offset < 0 || offset % static_cast<off_t>(kDirectWriteAlignment) != 0 || !SetDirect(fd, true))
        return nullptr;
    return std::make_unique<CUnixDirectWrites>(fd);
#else
    return nullptr;
#endif
}
