#include "course/LessonPlan.h"

#include <algorithm>
#include <set>
#include <string_view>
#include <tuple>

#include "course/CourseKeyboard.h"
#include "course/UnicodeText.h"
#include "course/WordPool.h"

namespace zq {
namespace {

// Letters that need AltGr or a dead key, at most; a layout with dozens of
// accented letters (US international) teaches those the language uses most.
constexpr std::size_t kMostAltGrLetters = 16;
// A letter the dictionary uses this rarely is not the language's own.
constexpr double kRarestOwnLetter = 0.00001;
// The commonest marks, taught first in this order.
constexpr std::u32string_view kCommonMarks = U",.-?!;:'\"()/";
constexpr std::u32string_view kCommonSymbols = U"@\u20AC#$%&*+=\\|<>[]{}~_";
constexpr std::size_t kMostSymbols = 6;
constexpr std::u32string_view kDigitOrder = U"4738291056";

int RowRank(KeyRow row) {
    switch (row) {
        case KeyRow::Home:
            return 0;
        case KeyRow::Upper:
            return 1;
        case KeyRow::Lower:
            return 2;
        case KeyRow::Number:
            return 3;
        case KeyRow::Other:
            return 4;
    }
    return 4;
}

bool IsPlainOrShift(const CharacterWay& way) {
    return !way.altGr && way.accent == 0;
}

// The ease of a key: the group of equally easy keys, and its place in it.
auto Ease(const CharacterWay& way) {
    return std::tuple(RowRank(way.place.row), way.place.stretch, way.place.fingerRank);
}

// Two a lesson; a letter left over from a group of equally easy keys is
// taught alone rather than with one of the next group, so that the two
// keys of a lesson mirror each other where the keyboard allows ("f j").
std::vector<std::u32string> PairsOfEqualEase(const std::vector<const CharacterWay*>& ways) {
    std::vector<std::u32string> pairs;
    std::size_t i = 0;
    while (i < ways.size()) {
        const bool pairFits = i + 1 < ways.size() && Ease(*ways[i]) == Ease(*ways[i + 1]);
        const bool nextPairs = i + 2 < ways.size() && Ease(*ways[i + 1]) == Ease(*ways[i + 2]);
        if (pairFits || (i + 1 < ways.size() && !nextPairs)) {
            // The left hand's key first, as the keyboard reads.
            const bool leftFirst = ways[i]->place.x <= ways[i + 1]->place.x;
            const char32_t left = leftFirst ? ways[i]->character : ways[i + 1]->character;
            const char32_t right = leftFirst ? ways[i + 1]->character : ways[i]->character;
            pairs.push_back({left, right});
            i += 2;
        } else {
            pairs.push_back({ways[i]->character});
            ++i;
        }
    }
    return pairs;
}

void AddLessons(std::vector<Lesson>& plan, LessonKind kind, const std::vector<std::u32string>& groups) {
    for (const std::u32string& group : groups)
        if (!group.empty()) plan.push_back({kind, group});
}

std::vector<std::u32string> ChunksOfTwo(const std::u32string& characters) {
    std::vector<std::u32string> chunks;
    for (std::size_t i = 0; i < characters.size(); i += 2) chunks.push_back(characters.substr(i, 2));
    return chunks;
}

// The ordinal indicators "ª" "º" and the modifier letters ("ʼ") are letters
// to Unicode but marks to a typist: no word is spelt with them.
bool IsMarkLikeLetter(char32_t ch) {
    return ch == U'\u00AA' || ch == U'\u00BA' || (ch >= 0x02B0 && ch <= 0x02FF);
}

// A keyboard of a script with capitals takes a letter without case (the
// Spanish ordinal "º") for a mark; scripts without case (Thai, Arabic) have
// only such letters.
bool ScriptHasCase(const CourseKeyboard& keyboard) {
    std::size_t cased = 0, uncased = 0;
    for (const CharacterWay& way : keyboard.Ways())
        if (IsLetter(way.character))
            ++(IsUpperCase(way.character) || IsLowerCase(way.character) ? cased : uncased);
    return cased > uncased;
}

}  // namespace

std::vector<Lesson> PlanLessons(const CourseKeyboard& keyboard, const WordPool& words) {
    std::vector<const CharacterWay*> letters, marks, altGrLetters;
    std::u32string digits;
    const bool scriptHasCase = ScriptHasCase(keyboard);
    for (const CharacterWay& way : keyboard.Ways()) {
        const char32_t ch = way.character;
        if (ch == U' ') continue;
        // A combining mark (a Thai tone mark) is spelt with the letters: it
        // is taught among them, by the ease of its key, not as punctuation.
        const bool isLetter = IsCombiningMark(ch) || (IsLetter(ch) && !IsMarkLikeLetter(ch) &&
                                                      (!scriptHasCase || IsLowerCase(ch) || IsUpperCase(ch)));
        if (isLetter && !IsUpperCase(ch)) {
            (IsPlainOrShift(way) && !way.shift ? letters : altGrLetters).push_back(&way);
        } else if (IsDigit(ch)) {
            if (IsPlainOrShift(way)) digits += ch;
        } else if (!isLetter && IsPlainOrShift(way)) {
            marks.push_back(&way);
        }
    }
    const auto byEaseThenUse = [&](const CharacterWay* a, const CharacterWay* b) {
        const double useA = words.Frequency(a->character), useB = words.Frequency(b->character);
        return std::tuple(Ease(*a), -useA, a->place.x) < std::tuple(Ease(*b), -useB, b->place.x);
    };
    std::stable_sort(letters.begin(), letters.end(), byEaseThenUse);

    std::vector<Lesson> plan;
    AddLessons(plan, LessonKind::Letters, PairsOfEqualEase(letters));

    // Capitals: the left hand's letters are shifted with the right Shift.
    for (const int hand : {0, 1}) {
        std::u32string capitals;
        for (const CharacterWay* way : letters)
            if (way->place.hand == hand && keyboard.CapitalOf(way->character))
                capitals += keyboard.CapitalOf(way->character);
        AddLessons(plan, LessonKind::Capitals, {capitals});
    }

    std::u32string orderedDigits;
    for (const char32_t digit : kDigitOrder)
        if (digits.find(digit) != std::u32string::npos) orderedDigits += digit;
    AddLessons(plan, LessonKind::Digits, ChunksOfTwo(orderedDigits));

    std::stable_sort(marks.begin(), marks.end(), [&](const CharacterWay* a, const CharacterWay* b) {
        const std::size_t commonA = kCommonMarks.find(a->character),
                          commonB = kCommonMarks.find(b->character);
        return std::tuple(commonA, Ease(*a), a->place.x) < std::tuple(commonB, Ease(*b), b->place.x);
    });
    std::u32string orderedMarks;
    for (const CharacterWay* way : marks) orderedMarks += way->character;
    AddLessons(plan, LessonKind::Punctuation, ChunksOfTwo(orderedMarks));

    // Letters that need AltGr or a dead key: with a dictionary, those the
    // language uses, most used first; without one, all of them, the ones
    // typed with AltGr alone before those that need a dead key.
    std::stable_sort(
        altGrLetters.begin(), altGrLetters.end(), [&](const CharacterWay* a, const CharacterWay* b) {
            const double useA = words.Frequency(a->character), useB = words.Frequency(b->character);
            return std::tuple(-useA, a->accent != 0, Ease(*a), a->place.x) <
                   std::tuple(-useB, b->accent != 0, Ease(*b), b->place.x);
        });
    std::u32string ownLetters;
    for (const CharacterWay* way : altGrLetters) {
        if (ownLetters.size() == kMostAltGrLetters) break;
        if (words.Empty() || words.Frequency(way->character) >= kRarestOwnLetter)
            ownLetters += way->character;
    }
    // The first lesson with AltGr brings the AltGr key itself: one letter only.
    if (!ownLetters.empty()) {
        AddLessons(plan, LessonKind::AltGrLetters, {ownLetters.substr(0, 1)});
        AddLessons(plan, LessonKind::AltGrLetters, ChunksOfTwo(ownLetters.substr(1)));
    }

    std::u32string symbols;
    for (const char32_t symbol : kCommonSymbols) {
        const CharacterWay* way = keyboard.WayOf(symbol);
        if (way && !IsPlainOrShift(*way) && symbols.size() < kMostSymbols) symbols += symbol;
    }
    AddLessons(plan, LessonKind::Symbols, ChunksOfTwo(symbols));
    return plan;
}

}  // namespace zq
