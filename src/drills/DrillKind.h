#pragma once

namespace zq {

// The line drills (the game is no drill of these): the four the program
// began with, and the adaptive drill that follows the learner's keys.
enum class DrillKind { Course, Sentence, Free, Paragraph, Adaptive };

}  // namespace zq
