#include "tests/support/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime (GCC ships no header for it).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void*,
                                                                            std::size_t),
                                                         void (*freeHook)(const volatile void*));
#endif

namespace qs::test {
namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void noteAllocation() {
    if (counting.load()) allocations.fetch_add(1);
}

#if defined(__SANITIZE_ADDRESS__)
void onSanitizerMalloc(const volatile void*, std::size_t) {
    noteAllocation();
}
void onSanitizerFree(const volatile void*) {}
const bool hooksInstalled =
    __sanitizer_install_malloc_and_free_hooks(onSanitizerMalloc, onSanitizerFree) != 0;
#endif

}  // namespace

AllocationCounter::AllocationCounter() {
    allocations.store(0);
    counting.store(true);
}

AllocationCounter::~AllocationCounter() {
    counting.store(false);
}

long AllocationCounter::count() const {
    return allocations.load();
}

}  // namespace qs::test

#if !defined(__SANITIZE_ADDRESS__)
// The other forms of new and delete of the standard library end up here.
void* operator new(std::size_t size) {
    qs::test::noteAllocation();
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
#endif
