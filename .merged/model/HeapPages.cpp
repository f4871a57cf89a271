#include "model/HeapPages.h"

#if defined(__linux__) && defined(__GLIBC__)
#define MW_LARGE_HEAP_PAGES 1
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

#ifdef MW_LARGE_HEAP_PAGES
constexpr uintptr_t kSmallPage = 4096;
constexpr uintptr_t kLargePage = uintptr_t(2) << 20;
constexpr uint64_t kLargeFile = uint64_t(8) << 20;
// How far beyond its need the heap grows at a time, and the C library's own default.
constexpr int kGrowthStep = 32 << 20;
constexpr int kUsualGrowthStep = 128 << 10;

uintptr_t HeapEnd()
{
    return reinterpret_cast<uintptr_t>(::sbrk(0));
}
#endif

} // namespace

CLargeHeapPages::CLargeHeapPages(uint64_t fileSize)
{
#ifdef MW_LARGE_HEAP_PAGES
    m_asking = fileSize >= kLargeFile;
    if (!m_asking)
        return;
    ::mallopt(M_TOP_PAD, kGrowthStep);
    m_askedUpTo = HeapEnd();
#else
    (void)fileSize;
#endif
}

CLargeHeapPages::~CLargeHeapPages()
{
#ifdef MW_LARGE_HEAP_PAGES
    if (m_asking)
        ::mallopt(M_TOP_PAD, kUsualGrowthStep);
#endif
}

void CLargeHeapPages::AskForNewPages()
{
#ifdef MW_LARGE_HEAP_PAGES
    if (!m_asking)
        return;
    const uintptr_t end = HeapEnd();
    if (end < m_askedUpTo + kLargePage)
        return; // no whole large page can come of it yet
    const uintptr_t from = m_askedUpTo / kSmallPage * kSmallPage;
    ::madvise(reinterpret_cast<void*>(from), end - from, MADV_HUGEPAGE);
    m_askedUpTo = end;
#endif
}
