#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zq {

// The most characters a new user's name may have. The logon and profile
// dialogs keep their width whatever the names (a longer name scrolls or is
// cut short with an ellipsis in their user boxes); a name of a few words is
// still read whole, and a name that is really a pasted text is refused when
// the user is added, before it lands in the profile file.
inline constexpr std::size_t kLongestUserName = 64;

// The characters of a user name (8-bit text of the code page), each counted
// once whatever the bytes it takes.
std::size_t UserNameLength(std::string_view name8);

// What the learner is told of a new user's name that is too long (UTF-8, in
// the language of the program's texts); empty for a name that may be added.
std::string TooLongUserNameMessage(std::string_view name8);

}  // namespace zq
