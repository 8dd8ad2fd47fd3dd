#include "course/CourseRandom.h"

namespace zq {

CourseRandom::CourseRandom(std::string_view seedText) : state_(14695981039346656037ull) {
    for (const char ch : seedText) state_ = (state_ ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
}

// SplitMix64.
std::uint64_t CourseRandom::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::size_t CourseRandom::Below(std::size_t n) {
    if (n == 0) return 0;
    // The bias of the remainder is below one in 10^15 for the small ranges
    // a course needs.
    return static_cast<std::size_t>(Next() % n);
}

}  // namespace zq
