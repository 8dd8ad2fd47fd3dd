#pragma once

#include <QString>
#include <string_view>

namespace zq {

// A UTF-8 text of the logic as a Qt string.
inline QString FromUtf8View(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace zq
