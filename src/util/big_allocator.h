#pragma once

#include <cstddef>
#include <fstream>
#include <memory>
#include <new>
#include <string>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace vek {

// Whether a block of `bytes` fits into the memory the system has free (with what it can drop
// from its caches). Where that cannot be told, any block fits. A table of a broken file may ask
// for more than the machine has; refusing it gives a clear message instead of a process that
// the system kills when the memory runs out.
inline bool FitsInAvailableMemory(std::size_t bytes)
{
#if defined(__linux__)
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    std::size_t kib = 0;
    while (meminfo >> key >> kib) {
        if (key == "MemAvailable:")
            return bytes / 1024 < kib;
        meminfo.ignore(256, '\n');
    }
#endif
    (void)bytes;
    return true;
}

// An allocator for the big tables of a model. On Linux a block of many megabytes is mapped
// on its own and asked to be backed by huge pages, so filling a table of millions of records
// takes a few hundred page faults instead of a few hundred thousand; smaller blocks, and
// other systems, use the standard allocator.
template <class T> struct BigAllocator
{
    using value_type = T;

    BigAllocator() = default;
    template <class U> BigAllocator(const BigAllocator<U>&) noexcept {}

    T* allocate(std::size_t n)
    {
#if defined(__linux__)
        if (IsBig(n)) {
            if (n > std::size_t(-1) / sizeof(T) || !FitsInAvailableMemory(n * sizeof(T)))
                throw std::bad_alloc();
            void* p = mmap(nullptr, n * sizeof(T), PROT_READ | PROT_WRITE,
                           MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (p == MAP_FAILED)
                throw std::bad_alloc();
            // Huge pages where the system has them, and every page mapped at once: the table
            // is filled right away, and one call is far cheaper than a fault for each page.
            madvise(p, n * sizeof(T), MADV_HUGEPAGE);
#if defined(MADV_POPULATE_WRITE)
            madvise(p, n * sizeof(T), MADV_POPULATE_WRITE);
#endif
            return static_cast<T*>(p);
        }
#endif
        return std::allocator<T>().allocate(n);
    }

    void deallocate(T* p, std::size_t n) noexcept
    {
#if defined(__linux__)
        if (IsBig(n)) {
            munmap(p, n * sizeof(T));
            return;
        }
#endif
        std::allocator<T>().deallocate(p, n);
    }

    template <class U> bool operator==(const BigAllocator<U>&) const noexcept
    {
        return true;
    }

private:
    static bool IsBig(std::size_t n)
    {
        return n >= bigBytes / sizeof(T);
    }

    static constexpr std::size_t bigBytes = std::size_t(8) << 20;
};

} // namespace vek
