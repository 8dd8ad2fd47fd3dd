#include "profile/UserNameLength.h"

#include <algorithm>

#include "base/CodePage.h"
#include "base/Translation.h"

namespace zq {

std::size_t UserNameLength(std::string_view name8) {
    const std::string utf8 = ToUtf8(name8);
    // Every character has one byte that is not a UTF-8 continuation byte.
    return static_cast<std::size_t>(std::ranges::count_if(
        utf8, [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U; }));
}

std::string TooLongUserNameMessage(std::string_view name8) {
    const std::size_t length = UserNameLength(name8);
    if (length <= kLongestUserName) return {};
    return Format(Tr("A user name may have at most %d characters; this one has %d. Please choose a shorter "
                     "name."),
                  {std::to_string(kLongestUserName), std::to_string(length)});
}

}  // namespace zq
