#pragma once

#include <string>
#include <vector>

namespace zq {

class TDataMod;

// What a course author needs to hear about a template the program loads
// (see TDataMod::LoadTemplate).

// Why loading the template at `path` fails, in words, in the order in which
// the program reads a template: the file, the archive, the two tables, the
// readme and its background colour.
std::string TemplateLoadFailure(const std::string& path);

// Faults that do not stop the program from loading a template, in the
// store that loaded it: pictures that are not Windows bitmaps, character
// codes outside 0-255, character rows that refer to a key the key table
// lacks. Texts in UTF-8.
std::vector<std::string> TemplateWarnings(TDataMod& store);

}  // namespace zq
