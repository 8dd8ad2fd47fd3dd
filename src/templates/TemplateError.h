#pragma once

#include <stdexcept>

namespace zq {

// A fault that stops making or reading a keyboard template, in words for
// the course author.
struct TemplateError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace zq
