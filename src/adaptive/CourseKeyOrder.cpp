#include "adaptive/CourseKeyOrder.h"

#include <algorithm>
#include <array>

namespace zq {

namespace {

bool IsKey(char ch) {
    const auto code = static_cast<unsigned char>(ch);
    return code > ' ' && code != 127;
}

}  // namespace

std::string CourseKeyOrder(const std::vector<std::string>& courseLines8) {
    std::array<bool, 256> seen{};
    std::string order;
    for (const std::string& line : courseLines8) {
        for (const char ch : line) {
            const auto code = static_cast<unsigned char>(ch);
            if (!IsKey(ch) || seen[code]) continue;
            seen[code] = true;
            order += ch;
        }
    }
    return order;
}

std::size_t FirstKeyCount(const std::vector<std::string>& courseLines8) {
    const std::string order = CourseKeyOrder(courseLines8);
    const auto firstLine = std::ranges::find_if(
        courseLines8, [](const std::string& line) { return std::ranges::any_of(line, IsKey); });
    const std::size_t firstLineKeys =
        firstLine == courseLines8.end() ? 0 : CourseKeyOrder({*firstLine}).size();
    return std::min(order.size(), std::max(firstLineKeys, kFewestFirstKeys));
}

}  // namespace zq
