#pragma once

// An allocator that asks for huge pages for blocks of 2 MB and more. The large tables of a
// settings file are read all over at random: on ordinary 4 kB pages nearly every access then
// also misses the processor's cache of page addresses, and every page is faulted in one by one.

#include <cstddef>
#include <cstdlib>
#include <new>
#include <sys/mman.h>

template <class T> class IniHugePageAllocator {
public:
    using value_type = T;

    IniHugePageAllocator() = default;
    template <class U> IniHugePageAllocator(const IniHugePageAllocator<U>&) {}

    T* allocate(std::size_t count)
    {
        const std::size_t bytes = count * sizeof(T);
        if (bytes < kHugePage)
            return static_cast<T*>(::operator new(bytes));
        const std::size_t whole = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        void* block = std::aligned_alloc(kHugePage, whole);
        if (!block)
            throw std::bad_alloc();
        madvise(block, whole, MADV_HUGEPAGE); // a hint: without huge pages, ordinary ones serve
        return static_cast<T*>(block);
    }

    void deallocate(T* block, std::size_t count)
    {
        if (count * sizeof(T) < kHugePage)
            ::operator delete(block);
        else
            std::free(block);
    }

    friend bool operator==(const IniHugePageAllocator&, const IniHugePageAllocator&) = default;

private:
    static constexpr std::size_t kHugePage = std::size_t(2) << 20;
};
