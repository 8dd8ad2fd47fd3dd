#pragma once

#include <string>
#include <vector>

#include "course/LessonPlan.h"

namespace zq {

class LineMaker;
class Vocabulary;

// The lines of "course.txt" for a plan, lesson by lesson, with no lesson
// marks (the course drill shows lines only). Each lesson opens with its new
// characters drilled alone, then brings them among known ones, in made-up
// letter groups, in words and in phrases; each group of lessons ends with a
// few phrases of review. At least kFewestCourseLines lines (more review
// when the plan is short); no line twice, none empty.
inline constexpr std::size_t kFewestCourseLines = 150;

std::vector<std::u32string> MakeCourseLines(const std::vector<Lesson>& plan, const Vocabulary& vocabulary,
                                            LineMaker& lines);

}  // namespace zq
