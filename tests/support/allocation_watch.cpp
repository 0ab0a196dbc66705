#include "support/allocation_watch.h"

#include <cstdlib>
#include <new>

namespace {

thread_local bool t_watching = false;
thread_local std::size_t t_largest = 0;
thread_local std::size_t t_count = 0;

void* Allocate(std::size_t size)
{
    if (t_watching) {
        ++t_count;
        if (size > t_largest) {
            t_largest = size;
        }
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

} // namespace

// The replaced global allocation functions: the plain and array forms; the nothrow and sized
// forms of the standard library forward to these.
void* operator new(std::size_t size)
{
    return Allocate(size);
}

void* operator new[](std::size_t size)
{
    return Allocate(size);
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete[](void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace korvane::test {

AllocationWatch::AllocationWatch()
{
    t_largest = 0;
    t_count = 0;
    t_watching = true;
}

AllocationWatch::~AllocationWatch()
{
    t_watching = false;
}

std::size_t AllocationWatch::Largest() const
{
    return t_largest;
}

} // namespace korvane::test

std::size_t korvane::test::AllocationWatch::Count() const
{
    return t_count;
}
