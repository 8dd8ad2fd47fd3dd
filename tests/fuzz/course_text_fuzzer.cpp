// A course's text files ("course.txt", "Practice.txt", "Game.txt") as the
// drills read them: reading never fails but with the library's message,
// stays quick, and gives lines without line breaks, none longer than the
// bound.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/CodePage.h"
#include "base/LibraryError.h"
#include "course/CourseTextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        for (const std::string& line :
             zq::CourseTextLines(zq::FileTextToCodePage(bytes, 1252), "course.txt")) {
            if (line.size() > zq::kLongestCourseTextLine) __builtin_trap();
            if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) __builtin_trap();
        }
    } catch (const zq::LibraryError&) {
        // A line too long: refused with a message.
    }
    return 0;
}
