// The order in which a course teaches a keyboard's keys, worked out from its
// template, and the keyboard facts it rests on.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "base/CodePage.h"
#include "course/CourseKeyboard.h"
#include "course/CourseLanguage.h"
#include "course/LessonPlan.h"
#include "course/UnicodeText.h"
#include "course/WordPool.h"
#include "templates/XkbLayout.h"
#include "templates/XkbTemplate.h"

namespace zq {
namespace {

struct Keyboard {
    Keyboard(const std::string& layout, int codePage)
        : inForce(codePage), xkb(layout), keyboard(DescribeLayout(xkb, layout)) {}
    CodePageInForce inForce;
    XkbLayout xkb;
    CourseKeyboard keyboard;
};

std::vector<std::string> Lessons(const std::vector<Lesson>& plan, LessonKind kind) {
    std::vector<std::string> lessons;
    for (const Lesson& lesson : plan)
        if (lesson.kind == kind) lessons.push_back(ToUtf8Text(lesson.characters));
    return lessons;
}

TEST(CourseKeyboard, KnowsRowsFingersAndTheEasiestWayOfEachCharacter) {
    const Keyboard us("us", 1252);
    const CharacterWay* f = us.keyboard.WayOf(U'f');
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->place.row, KeyRow::Home);
    EXPECT_EQ(f->place.fingerRank, 0);
    EXPECT_EQ(f->place.stretch, 0);
    EXPECT_EQ(us.keyboard.WayOf(U'g')->place.stretch, 1);
    EXPECT_EQ(us.keyboard.WayOf(U'q')->place.row, KeyRow::Upper);
    EXPECT_EQ(us.keyboard.WayOf(U'1')->place.row, KeyRow::Number);
    EXPECT_TRUE(us.keyboard.WayOf(U'F')->shift);
    EXPECT_EQ(us.keyboard.UnitOf(*us.keyboard.WayOf(U'F')), us.keyboard.UnitOf(*f));
    EXPECT_FALSE(us.keyboard.Types(U'é'));
}

TEST(CourseKeyboard, CapitalsAreTheShiftCharacterOfTheSameKey) {
    const Keyboard turkish("tr", 1254);
    EXPECT_EQ(turkish.keyboard.CapitalOf(U'i'), U'İ');
    EXPECT_EQ(turkish.keyboard.CapitalOf(U'ı'), U'I');
    const Keyboard german("de", 1252);
    EXPECT_EQ(german.keyboard.CapitalOf(U'ß'), 0u);  // Shift gives "?"
    EXPECT_EQ(german.keyboard.CapitalOf(U'ä'), U'Ä');
}

TEST(LessonPlan, TeachesTheHomeRowFromTheIndexFingersOutwardThenTheOtherRows) {
    const Keyboard us("us", 1252);
    const std::vector<Lesson> plan = PlanLessons(us.keyboard, WordPool());
    const std::vector<std::string> letters = Lessons(plan, LessonKind::Letters);
    ASSERT_GE(letters.size(), 13u);
    EXPECT_EQ((std::vector<std::string>(letters.begin(), letters.begin() + 5)),
              (std::vector<std::string>{"fj", "dk", "sl", "a", "gh"}));
    EXPECT_EQ(letters[5], "ru");
    EXPECT_EQ(Lessons(plan, LessonKind::Capitals).size(), 2u);
    EXPECT_EQ(Lessons(plan, LessonKind::Digits).front(), "47");
    EXPECT_EQ(Lessons(plan, LessonKind::Punctuation).front(), ",.");
}

// The Thai home row holds tone marks, which are combining marks, not
// letters: its keys come first all the same, the marks among the letters.
TEST(LessonPlan, TeachesEveryHomeRowKeyFirstThoughItTypesACombiningMark) {
    const Keyboard thai("th", 874);
    const std::vector<Lesson> plan = PlanLessons(thai.keyboard, WordPool());
    std::u32string homeRow;
    for (const CharacterWay& way : thai.keyboard.Ways())
        if (way.place.row == KeyRow::Home && !way.shift && !way.altGr && way.accent == 0)
            homeRow += way.character;
    ASSERT_NE(homeRow.find(U'\u0E48'), std::u32string::npos) << "the J key types the tone mark mai ek";
    std::u32string taughtFirst;
    for (std::size_t i = 0; i < plan.size() && taughtFirst.size() < homeRow.size(); ++i) {
        EXPECT_EQ(plan[i].kind, LessonKind::Letters) << "lesson " << i;
        taughtFirst += plan[i].characters;
    }
    for (const char32_t key : homeRow) {
        if (IsLetter(key) || IsCombiningMark(key)) {
            EXPECT_NE(taughtFirst.find(key), std::u32string::npos)
                << ToUtf8Text(std::u32string(1, key)) << " is held back";
        }
    }
    EXPECT_EQ(ToUtf8Text(plan.front().characters), "\u0E14\u0E48") << "the index fingers' keys";
}

TEST(LessonPlan, BringsAtMostTwoNewKeysALessonAndEveryLetterOnce) {
    for (const auto& [layout, codePage] : std::vector<std::pair<std::string, int>>{{"us", 1252},
                                                                                   {"fr", 1252},
                                                                                   {"pl", 1250},
                                                                                   {"ru", 1251},
                                                                                   {"gr", 1253},
                                                                                   {"cz", 1250},
                                                                                   {"us(dvorak)", 1252}}) {
        const Keyboard keyboard(layout, codePage);
        std::set<KeyUnit> known;
        std::set<char32_t> taught;
        for (const Lesson& lesson : PlanLessons(keyboard.keyboard, WordPool())) {
            std::set<KeyUnit> fresh;
            for (const char32_t ch : lesson.characters) {
                EXPECT_TRUE(taught.insert(ch).second)
                    << layout << " teaches " << ToUtf8Text(std::u32string(1, ch)) << " twice";
                const KeyUnit unit = keyboard.keyboard.UnitOf(*keyboard.keyboard.WayOf(ch));
                if (!known.contains(unit)) fresh.insert(unit);
            }
            EXPECT_LE(fresh.size(), 2u) << layout << ": " << ToUtf8Text(lesson.characters);
            known.insert(fresh.begin(), fresh.end());
        }
        for (const char32_t letter : PlainLetters(keyboard.xkb)) {
            if (!keyboard.keyboard.Types(letter)) continue;
            EXPECT_TRUE(taught.contains(letter)) << layout << ": " << ToUtf8Text(std::u32string(1, letter));
        }
    }
}

// Hungarian types í on the plain key left of Y (and with AltGr+J): a
// plain letter, taught with the other letters long before any AltGr one.
TEST(LessonPlan, TeachesALetterOfThePlainKeyLeftOfZAmongThePlainLetters) {
    const Keyboard hungarian("hu", 1250);
    const std::vector<Lesson> plan = PlanLessons(hungarian.keyboard, WordPool());
    const auto teaches = [](const std::vector<std::string>& lessons, const std::string& letter) {
        return std::ranges::any_of(
            lessons, [&](const std::string& lesson) { return lesson.find(letter) != std::string::npos; });
    };
    EXPECT_TRUE(teaches(Lessons(plan, LessonKind::Letters), "\u00ED"));
    EXPECT_FALSE(teaches(Lessons(plan, LessonKind::AltGrLetters), "\u00ED"));
    EXPECT_FALSE(hungarian.keyboard.WayOf(U'\u00ED')->altGr);
}

TEST(LessonPlan, TeachesTheLanguagesAltGrLettersMostUsedFirst) {
    const Keyboard polish("pl", 1250);
    // A dictionary that uses "ł" most and "ą" less; no "ź" at all.
    const WordPool words({U"łała", U"łał", U"łąk", U"ala", U"kał"}, polish.keyboard);
    const std::vector<std::string> altGr =
        Lessons(PlanLessons(polish.keyboard, words), LessonKind::AltGrLetters);
    ASSERT_EQ(altGr.size(), 2u);
    EXPECT_EQ(altGr[0], "ł");  // the first brings the AltGr key: one letter
    EXPECT_EQ(altGr[1], "ą");
}

}  // namespace
}  // namespace zq
