#include "model/HeldLock.h"

#include <windows.h>

namespace {

// The locked byte lies far past any text the file holds, so others may read the text while
// the lock is held.
constexpr DWORD kLockedOffsetHigh = 0x7FFFFFFF;

OVERLAPPED LockedRange()
{
    OVERLAPPED range {};
    range.OffsetHigh = kLockedOffsetHigh;
    return range;
}

}

std::unique_ptr<CHeldLock> CHeldLock::TryHold(const std::filesystem::path& path)
{
    // No sharing of deletion: the file cannot be removed while anyone has it open.
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    // A byte-range lock belongs to its handle: a second hold in this process is refused too,
    // and the system drops it when the holder ends.
    OVERLAPPED range = LockedRange();
    if (!::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &range)) {
        ::CloseHandle(file);
        return nullptr;
    }
    return std::unique_ptr<CHeldLock>(new CHeldLock(path, reinterpret_cast<std::intptr_t>(file)));
}

bool CHeldLock::Describe(std::string_view text)
{
    const HANDLE file = reinterpret_cast<HANDLE>(m_handle);
    LARGE_INTEGER start {};
    if (!::SetFilePointerEx(file, start, nullptr, FILE_BEGIN) || !::SetEndOfFile(file))
        return false;
    DWORD written = 0;
    return ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
}

void CHeldLock::Remove()
{
    Close();
    // Whoever opened it meanwhile keeps it: the removal then fails and the file stays theirs.
    ::DeleteFileW(m_path.c_str());
}

void CHeldLock::Close()
{
    if (m_handle == -1)
        return;
    const HANDLE file = reinterpret_cast<HANDLE>(m_handle);
    OVERLAPPED range = LockedRange();
    ::UnlockFileEx(file, 0, 1, 0, &range);
    ::CloseHandle(file);
    m_handle = -1;
}
