#pragma once

#include <string>
#include <string_view>

namespace zq {

class HelpViewer;

// The program's manual in the language of the run: "help/manual.<lang>.html"
// in the program folder when there is one for the language, else
// "help/manual.html".
std::string ManualPath(const std::string& appDir);

// The same for a language as the translation sees it: a code ("fr_FR",
// "de"), a locale name ("fr_FR.UTF-8") or a LANGUAGE list ("de:fr"). Each
// entry tries its full code, then its language alone ("fr_FR", then "fr"),
// as the catalogues are looked up.
std::string ManualPathForLanguage(const std::string& appDir, std::string_view language);

// Opens the manual with the desktop's handler, or, when the desktop cannot,
// in the program's own help window. False, with nothing opened, when the
// manual is missing.
bool OpenManual(const std::string& appDir, HelpViewer& viewer);

// "The manual <path> is missing.", translated.
std::string MissingManualMessage(const std::string& appDir);

}  // namespace zq
