#pragma once

#include <cstddef>

namespace korvane::test {

// Records the number of allocations (operator new) that the current thread makes while the watch
// lives, and the largest of them. The test executable replaces the global operator new for this; watches do not
// nest.
class AllocationWatch {
public:
    AllocationWatch();
    ~AllocationWatch();
    AllocationWatch(const AllocationWatch&) = delete;
    AllocationWatch& operator=(const AllocationWatch&) = delete;

    std::size_t Largest() const;
    std::size_t Count() const;
};

} // namespace korvane::test
