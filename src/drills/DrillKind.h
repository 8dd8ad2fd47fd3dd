#pragma once

namespace zq {

// The four line drills (the game is no drill of these).
enum class DrillKind { Course, Sentence, Free, Paragraph };

}  // namespace zq
