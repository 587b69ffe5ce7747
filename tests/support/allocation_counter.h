#pragma once
// Counts heap allocations made by the test program while a counter is alive,
// to show that a code path allocates nothing. Under AddressSanitizer it hooks
// the sanitizer's allocator; elsewhere it replaces the global operator new.

namespace qs::test {

class AllocationCounter {
public:
    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    long count() const;
};

}  // namespace qs::test
