#pragma once

#include <cstddef>

namespace korvane::test {

// Records the largest single allocation (operator new) that the current thread makes while the
// watch lives. The test executable replaces the global operator new for this; watches do not
// nest.
class AllocationWatch {
public:
    AllocationWatch();
    ~AllocationWatch();
    AllocationWatch(const AllocationWatch&) = delete;
    AllocationWatch& operator=(const AllocationWatch&) = delete;

    std::size_t Largest() const;
};

} // namespace korvane::test
