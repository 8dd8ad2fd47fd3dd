// Kept apart from the tests: an operator delete inlined into code that uses
// the standard containers makes GCC warn of a mismatched deallocation.
#include "AllocationFailure.h"

#include <cstdlib>
#include <new>

namespace {
long allocationsLeft = -1;  // negative: never run out
}  // namespace

namespace zq::testing {

void ArmAllocationFailure(long allocations) {
    allocationsLeft = allocations;
}

void DisarmAllocationFailure() {
    allocationsLeft = -1;
}

}  // namespace zq::testing

void* operator new(std::size_t size) {
    if (allocationsLeft == 0) throw std::bad_alloc();
    if (allocationsLeft > 0) --allocationsLeft;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
