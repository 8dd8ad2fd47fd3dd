#pragma once

#include <string>
#include <vector>

namespace zq {

// The readme settings of a generated template that are the same for every
// layout: the keyboard background and the length and colour of each finger
// of the two drawn hands, as "key=value" lines.
std::vector<std::string> KeyboardAndHandsSettings();

}  // namespace zq
