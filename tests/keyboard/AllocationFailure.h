#pragma once

// Memory that runs out on purpose: while armed, every allocation through
// operator new after the first `allocations` raises std::bad_alloc. The
// replaced operators (AllocationFailure.cpp) serve the whole test binary and
// behave as usual while disarmed.

namespace zq::testing {

void ArmAllocationFailure(long allocations);
void DisarmAllocationFailure();

// Runs `body` with memory for `allocations` allocations.
template <typename Body>
void WithMemoryFor(long allocations, Body body) {
    struct Disarm {
        ~Disarm() { DisarmAllocationFailure(); }
    } disarm;
    ArmAllocationFailure(allocations);
    body();
}

}  // namespace zq::testing
