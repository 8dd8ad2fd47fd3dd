#pragma once

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "adaptive/KeyProgress.h"
#include "adaptive/RecentStrokes.h"
#include "base/CodePage.h"
#include "drills/LineSource.h"
#include "profile/TProfile.h"
#include "stats/CourseWords.h"

namespace zq {

class Course;
class PracticeHistory;

// Who practises in the adaptive drill, on what, and toward which target.
struct AdaptiveSetup {
    std::string user;    // 8-bit text of the code page in force, as the profile keeps it
    std::string course;  // the course's name, UTF-8
    // The lines of the course file, which give the order of the keys, and
    // the words the lines are made of (8-bit text of `codePage`).
    std::vector<std::string> courseLines;
    CourseWords words;
    std::int32_t targetSpeed = TProfile::kDefaultTargetSpeed;  // keys per minute
    // The code page of the course's texts: the one in force unless told.
    int codePage = SystemCodePage();
    std::uint32_t seed = 0;  // of the choice of words
};

// The words of a course that adaptive lines are made of: those of its
// course file, its sentences and its game's words (see ReadCourseWords).
CourseWords AdaptiveWordsOf(const Course& course);

// How many of a learner's latest lines on a course the drill reads to find
// each key's recent strokes when it opens.
inline constexpr std::size_t kRecentLinesRead = 100;

// The adaptive drill's lines. It starts with the course's first keys (see
// FirstKeyCount) and brings in the next key of the course's order once
// every key in play meets the learner's target over its last strokes (see
// MeetsTarget). Every line is made of the course's real words that use only
// the keys in play (its drill lines' letter groups stand in for keys no
// such word holds, and for the focus key when the words hold it too
// seldom; see BuildAdaptiveLine), with the focus key about three times as
// often as each of the others: a key not yet typed kJudgedStrokes times, the newest first,
// or else the weakest key as the progress window ranks them (slow or often
// missed). A key's strokes are those of the learner's lines on the course
// in any drill, read from the history when the drill opens and followed
// line by line. The keys in play are kept in the history, so that the
// learner goes on where they stopped; a history that cannot be used leaves
// the drill working from the first keys.
class AdaptiveLines : public LineSource {
public:
    AdaptiveLines(PracticeHistory& history, AdaptiveSetup setup);

    std::optional<std::string> Line() const override;
    void LineCompleted(const CompletedLine& line) override;
    LineStep LineEnded(const LineEnd& end) override;
    std::string Announcement() const override;
    KeysInPlay Keys() const override;

    // The keys in play, in the course's order (8-bit text), and the focus key.
    std::string InPlay() const { return order_.substr(0, keysInPlay_); }
    char Focus() const { return focus_; }

private:
    std::string UserUtf8() const;
    std::string CourseUtf8() const;
    void ReadRecentStrokes();
    // The key's strokes over its last lines; nothing for a key not typed.
    KeyTally FiguresOf(char key) const;
    // Brings in the next key when every key in play meets the target.
    bool BringInNextKeyWhenReady();
    char ChooseFocus() const;
    void MakeLine();
    void KeepKeysInPlay();
    std::string Caption(char key) const;

    PracticeHistory& history_;
    AdaptiveSetup setup_;
    std::string order_;
    std::size_t keysInPlay_ = 0;
    std::map<char, RecentStrokes> recent_;
    CourseWords usableWords_;  // of the keys in play
    char focus_ = 0;
    std::string line_;
    std::string change_;
    std::mt19937 random_;
};

}  // namespace zq
