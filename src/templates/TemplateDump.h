#pragma once

#include <string>

#include "templates/Description.h"

namespace zq {

class KeyPicturePainter;

// The description of any keyboard template, also of one another tool made,
// such that BuildTemplate of it gives an equivalent template: the same
// tables, settings and pictures. A key picture is given in the description
// only where `painter` would not draw exactly it from the key's label. The
// code page is the one BuildTemplate noted in the template, else 1252; it
// is in force while the tables are read.
//
// Throws TemplateError when the file is no ZIP archive, or an entry cannot
// be extracted or is no dataset packet this program can read.
KeyboardDescription DescribeTemplate(const std::string& path, KeyPicturePainter& painter);

}  // namespace zq
