#pragma once

#include <string>
#include <vector>

namespace zq {

// `zq-template preview IN.zqt OUT.png [CHARACTER]`: draws the on-screen
// keyboard of a template, with the key of CHARACTER (UTF-8) lit steadily and
// both hands beside it pointing at its finger, into a PNG picture, using the
// program's own windows. Runs on Qt's offscreen platform unless another
// platform is chosen. Returns 0; 1 on failure, also when the template could
// be read only in part (the picture then shows what was read); 2 on wrong
// arguments.
int RunPreview(const std::vector<std::string>& args);

}  // namespace zq
