#pragma once

#include <string>

#include "stats/LineRecord.h"

namespace zq {

class CourseKeyboard;

// What kind of slip a confusion is, from where the two characters lie on
// the course's keyboard.
enum class ConfusionKind {
    Unknown,              // a character the keyboard lacks, or a key without a finger
    ShiftOrAltGrMissed,   // the right key, with Shift or AltGr where it was not wanted, or without it
    DeadKeyMissed,        // the right key, without the dead key before it (or with another one)
    SameFingerWrongRow,   // the finger that was meant, on a key of another row
    SameFingerSameRow,    // the finger that was meant, on the key beside it in the same row
    NeighbouringFinger,   // the finger next to the one meant, on the same hand
    SameHandOtherFinger,  // another finger of the same hand, not the next one
    OtherHand,            // a finger of the other hand
};

ConfusionKind KindOf(const Confusion& confusion, const CourseKeyboard& keyboard);

// How the progress window names a kind (UTF-8); empty for Unknown.
std::string ConfusionKindText(ConfusionKind kind);

}  // namespace zq
