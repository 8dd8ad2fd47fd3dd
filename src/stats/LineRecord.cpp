#include "stats/LineRecord.h"

namespace zq {

std::string_view DrillName(DrillKind drill) {
    switch (drill) {
        case DrillKind::Course:
            return "course";
        case DrillKind::Sentence:
            return "sentence";
        case DrillKind::Free:
            return "free";
        case DrillKind::Paragraph:
            return "paragraph";
        case DrillKind::Adaptive:
            return "adaptive";
    }
    return "course";
}

std::optional<DrillKind> DrillFromName(std::string_view name) {
    for (const DrillKind drill : kAllDrills) {
        if (DrillName(drill) == name) return drill;
    }
    return std::nullopt;
}

}  // namespace zq
