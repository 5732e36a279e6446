// Every allocation carries its size in a header in front of it, so that
// delete without a size can take it off the count.
#include "alloc_count.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kHeader = alignof(std::max_align_t);
int64_t g_live = 0;
int64_t g_count = 0;

void* Allocate(std::size_t n) noexcept {
    auto* p = static_cast<unsigned char*>(std::malloc(n + kHeader));
    if (p == nullptr) return nullptr;
    *reinterpret_cast<std::size_t*>(p) = n;
    g_live += static_cast<int64_t>(n);
    ++g_count;
    return p + kHeader;
}

void Free(void* q) noexcept {
    if (q == nullptr) return;
    auto* p = static_cast<unsigned char*>(q) - kHeader;
    g_live -= static_cast<int64_t>(*reinterpret_cast<std::size_t*>(p));
    std::free(p);
}

void* AllocateOrThrow(std::size_t n) {
    void* p = Allocate(n);
    if (p == nullptr) throw std::bad_alloc();
    return p;
}

}  // namespace

namespace mirelo::bench {
int64_t LiveHeapBytes() { return g_live; }
int64_t HeapAllocations() { return g_count; }
}  // namespace mirelo::bench

void* operator new(std::size_t n) { return AllocateOrThrow(n); }
void* operator new[](std::size_t n) { return AllocateOrThrow(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, std::size_t) noexcept { Free(p); }
void operator delete[](void* p, std::size_t) noexcept { Free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Free(p); }
