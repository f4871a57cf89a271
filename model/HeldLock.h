#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

// A lock on a file that proves its holder is running: the system lets go of it when the
// holding process ends, however it ends, so a process ID used again by a new process cannot
// make a dead holder look alive. Each system has a file of its own (HeldLock_unix.cpp, a
// lock on the open file; HeldLock_win.cpp, a locked byte range of a handle held open).
class CHeldLock {
public:
    // Holds the lock of the file at path, made when missing; null when another holder has it
    // (another process, or another hold in this one) or the file cannot be opened.
    static std::unique_ptr<CHeldLock> TryHold(const std::filesystem::path& path);
    // Lets go; the file stays.
    ~CHeldLock();
    CHeldLock(const CHeldLock&) = delete;
    CHeldLock& operator=(const CHeldLock&) = delete;

    // Replaces the file's text, which others may read while it is held (who holds it);
    // false when it could not be written.
    bool Describe(std::string_view text);
    // Removes the file and lets go: a lock nobody waits for any more.
    void Remove();

    const std::filesystem::path& Path() const { return m_path; }

private:
    CHeldLock(std::filesystem::path path, std::intptr_t handle);
    void Close();

    std::filesystem::path m_path;
    // The open file: a descriptor on Unix, a handle on Windows.
    std::intptr_t m_handle;
};

// The text of a lock file, whether held or not; empty when there is none.
std::string ReadLockText(const std::filesystem::path& path);
