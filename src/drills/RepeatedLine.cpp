#include "drills/RepeatedLine.h"

namespace zq {

RepeatedLine::RepeatedLine(std::string line8, std::string announcementUtf8) {
    if (line8.empty()) return;
    line_ = std::move(line8);
    announcement_ = std::move(announcementUtf8);
}

}  // namespace zq
