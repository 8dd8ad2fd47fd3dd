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

// Every ordinary form is replaced, so that no memory passes between these
// and the library's own (or a sanitizer's) forms.

namespace {
void* Allocate(std::size_t size) noexcept {
    if (allocationsLeft == 0) return nullptr;
    if (allocationsLeft > 0) --allocationsLeft;
    return std::malloc(size == 0 ? 1 : size);
}
void* AllocateOrThrow(std::size_t size) {
    if (void* memory = Allocate(size)) return memory;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
