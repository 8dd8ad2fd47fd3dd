#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq {

// What a group of letters needs to be read aloud, in scripts with combining
// marks (Thai, Hebrew points) or final letter forms (Hebrew, Greek "ς"):
// every word of it (a run of letters and marks) begins with a base letter
// that is no final form, a combining mark follows a letter (or another,
// different mark: a Thai vowel sign takes a tone mark), and a final form
// ends its word (marks may follow it).

// The first thing of `text` that breaks those rules, in words ("begins with
// the combining mark 'ี'"); nothing when every word of it can be read.
std::optional<std::string> UnreadableGroupFault(std::u32string_view text);

inline bool IsReadableGroup(std::u32string_view text) {
    return !UnreadableGroupFault(text).has_value();
}

// A made-up token of letters (a drill's "ฟฟฟ", "่่่", "ךךך") cut into groups
// that can be read: after each final form, and where a mark follows the
// same mark; a group that begins with a mark or a final form gets `carrier`
// (a base letter) in front: "่่่" becomes "ด่ ด่ ด่". A token that can be
// read stays whole.
std::vector<std::u32string> ReadableGroups(std::u32string_view token, char32_t carrier);

}  // namespace zq
