#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace zq {

// The course maker's source of chance: the same seed gives the same numbers
// on every machine and with every standard library (std::uniform_int_
// distribution does not promise that), so that a course is made again byte
// for byte.
class CourseRandom {
public:
    explicit CourseRandom(std::uint64_t seed) : state_(seed) {}
    // Seeded from a text, such as the layout's name.
    explicit CourseRandom(std::string_view seedText);

    std::uint64_t Next();
    // A number from 0 to n - 1; 0 when n is 0.
    std::size_t Below(std::size_t n);
    // True with a chance of `percent` in 100.
    bool Chance(int percent) { return Below(100) < static_cast<std::size_t>(percent); }

    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[Below(items.size())];
    }

private:
    std::uint64_t state_;
};

}  // namespace zq
