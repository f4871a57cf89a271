#pragma once

#include <cstdint>

// While a large catalogue is read into memory: the heap grows in large steps, and each step
// asks for large pages where the system gives them only to memory that asks. Millions of
// small objects then take a page fault per 2 MB instead of one per 4 KB, which otherwise costs
// as much as reading them. Elsewhere this does nothing.
class CLargeHeapPages {
public:
    // For a file of this many bytes to be read: a small one is left as it is, as its few page
    // faults cost little and a large page would hold more memory than it needs.
    explicit CLargeHeapPages(uint64_t fileSize);
    ~CLargeHeapPages();
    CLargeHeapPages(const CLargeHeapPages&) = delete;
    CLargeHeapPages& operator=(const CLargeHeapPages&) = delete;

    // Asks for large pages for what the heap has grown by since the last call: called often
    // enough that little of each step has been touched by then.
    void AskForNewPages();

private:
    bool m_asking = false;
    uintptr_t m_askedUpTo = 0;
};
