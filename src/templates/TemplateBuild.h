#pragma once

#include <functional>
#include <string>

#include "templates/Description.h"

namespace zq {

class KeyPicturePainter;

// The name of the extra archive entry in which BuildTemplate keeps the key
// labels and the code page of a template, for DescribeTemplate. The program
// ignores it.
inline constexpr const char* kLabelsEntry = "labels";

// Makes the keyboard template of `description` at `path`: the key table,
// the character table and the readme of the description, with every key
// picture the description does not give drawn by `painter`. A file at
// `path` is replaced through ReplaceFileContents; nothing is written when
// making fails. The texts go into the tables in the description's code
// page, which is in force meanwhile; a text with characters the code page
// lacks is made all the same, and `warn` is told in words.
//
// Throws TemplateError for a fault of the description (an unknown code
// page, a text longer than its field, a key too large to draw), a
// LibraryError when the file cannot be written, and std::runtime_error when
// libzip fails.
void BuildTemplate(const KeyboardDescription& description, const std::string& path,
                   KeyPicturePainter& painter, const std::function<void(const std::string&)>& warn);

}  // namespace zq
